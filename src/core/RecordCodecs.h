#pragma once
// The byte layouts of OPTION.PRM (118 bytes), PROFILES.DAT (640 bytes a
// record) and the plan files (9600 bytes a record), field by field.  The
// codecs translate bytes only: scrambling is Scrambler's, checking is
// RecordCheck's.  decode() of fewer bytes than a record reads the missing
// ones as zeros; extra bytes are ignored.

#include <cstdint>
#include <span>
#include <vector>

#include "Globals.h"
#include "Records.h"

namespace moxlet {

inline constexpr int kOptionRecordLen = 118;
inline constexpr int kProfileRecordLen = 640;
// kPlanRecordLen (9600) is in Globals.h.

struct OptionCodec {
    static std::vector<std::uint8_t> encode(const OptionRecord& r);
    static OptionRecord decode(std::span<const std::uint8_t> bytes);
};

struct ProfileCodec {
    static std::vector<std::uint8_t> encode(const StudentProfile& p);
    static StudentProfile decode(std::span<const std::uint8_t> bytes);
};

struct PlanCodec {
    static std::vector<std::uint8_t> encode(const LessonPlan& p);
    static LessonPlan decode(std::span<const std::uint8_t> bytes);
};

}  // namespace moxlet
