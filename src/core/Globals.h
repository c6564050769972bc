#pragma once
// The program's shared state.  There is one Globals for the running program
// (owned by main); tests make fresh ones, so no state survives between them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "OffsetIndex.h"
#include "Records.h"

namespace moxlet {

// The option values every part of the program reads.  Defaults are those in
// force when OPTION.PRM is missing.
struct Options {
    std::array<std::int16_t, 6> PrintSection{1, 1, 1, 1, 1, 1};  // sections 1..6 at index 0..5
    std::int16_t ReviewListSize = 1;  // 0 none, 1 forty words, 2 twenty-four words
    std::int16_t NewListSize = 1;
    std::int16_t PageBreak = 0;
    std::int16_t SegmentOrder = 0;
    std::int16_t HomophoneMode = 0;  // 0 no mark, 1 " *", 2 " *" on screen and bold in print
    std::int16_t BlankLines = 0;
    std::int16_t FontSizeMode = 0;   // 0 small, 1 medium, 2 large

    friend bool operator==(const Options&, const Options&) = default;
};

inline constexpr int kCandidateSlots = 6001;  // CandidateList(0..6000), used from index 1
inline constexpr std::int16_t kPlanRecordLen = 9600;

struct Globals {
    StudentProfile CurrentProfile;
    std::int32_t ProfileRecordNo = 0;

    LessonPlan CurrentPlan;
    std::string PlanFileName;  // "PLNS" + four digits + ".DAT"
    std::int16_t PlanRecordLen = kPlanRecordLen;
    std::int32_t PlanRecordNo = 0;

    WordRecord CurrentWord;
    OffsetIndex WordIndex;  // FirstRecord / LastRecord of the word base
    std::string WordBasePath = "WORDBASE.WDB";  // where the word base is read from

    Options options;
    OptionRecord optionBuffer;  // carries the options to and from OPTION.PRM

    std::int16_t ActiveProfileCount = 0;
    std::int16_t SmallScreen = 0;
    std::array<std::int16_t, 4> SectionSegmentCount{10, 4, 15, 4};
    std::vector<std::int32_t> CandidateList = std::vector<std::int32_t>(kCandidateSlots, 0);
};

}  // namespace moxlet
