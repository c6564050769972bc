#pragma once
// The OPTION.PRM record (118 bytes), field by field (16-bit little-endian integers, blank-padded
// single-byte texts).  The codec translates bytes only: checking is RecordCheck's.
// decode() of fewer bytes than a record reads the missing ones as zeros;
// extra bytes are ignored.

#include <cstdint>
#include <span>
#include <vector>

#include "core/store/Records.h"

namespace moxlet {

inline constexpr int kOptionRecordLen = 118;

struct OptionCodec {
    static std::vector<std::uint8_t> encode(const OptionRecord& r);
    static OptionRecord decode(std::span<const std::uint8_t> bytes);
};

}  // namespace moxlet
