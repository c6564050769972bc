#pragma once
// The plan file record (9600 bytes), field by field (16-bit little-endian
// integers, blank-padded single-byte texts).  The codec translates bytes only: scrambling is
// Scrambler's, checking RecordCheck's.
// decode() of fewer bytes than a record reads the missing ones as zeros;
// extra bytes are ignored.

#include <cstdint>
#include <span>
#include <vector>

#include "core/store/Records.h"

namespace moxlet {

inline constexpr int kPlanRecordLen = 9600;

struct PlanCodec {
    static std::vector<std::uint8_t> encode(const LessonPlan& p);
    static LessonPlan decode(std::span<const std::uint8_t> bytes);
};

}  // namespace moxlet
