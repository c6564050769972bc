#pragma once
// The PROFILES.DAT record (640 bytes), field by field (16-bit little-endian integers, blank-padded
// single-byte texts).  The codec translates bytes only: scrambling is
// Scrambler's, checking RecordCheck's.
// decode() of fewer bytes than a record reads the missing ones as zeros;
// extra bytes are ignored.

#include <cstdint>
#include <span>
#include <vector>

#include "core/store/Records.h"

namespace moxlet {

inline constexpr int kProfileRecordLen = 640;

struct ProfileCodec {
    static std::vector<std::uint8_t> encode(const StudentProfile& p);
    static StudentProfile decode(std::span<const std::uint8_t> bytes);
};

}  // namespace moxlet
