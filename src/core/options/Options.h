#pragma once
// The options every part of the program reads (OPTION.PRM keeps them between
// runs).  Defaults are those in force when OPTION.PRM is missing.

#include <array>
#include <cstdint>

#include "core/store/Records.h"
#include "core/words/WordLevel.h"

namespace moxlet {

struct Options {
    std::array<std::int16_t, 6> PrintSection{1, 1, 1, 1, 1, 1};  // Visual parts 1..6 at index 0..5
    std::int16_t ReviewListSize = 1;                             // 0 none, 1 forty words, 2 twenty-four words
    std::int16_t NewListSize = 1;
    std::int16_t PageBreak = 0;
    std::int16_t SegmentOrder = 0;   // kept and written back; nothing reads it
    std::int16_t HomophoneMode = 0;  // 0 no mark, 1 " *", 2 " *" on screen and bold in print
    std::int16_t BlankLines = 0;
    std::int16_t FontSizeMode = 0;             // 0 small, 1 medium, 2 large
    WordLevel OfferUpTo = kDefaultOfferLevel;  // the most advanced words lists offer

    friend bool operator==(const Options&, const Options&) = default;
};

// The options in force, with the record they were last loaded from or
// written to: an option dialog writes only its own fields into that record,
// so a field it does not own keeps the value last loaded or saved.
struct OptionSettings {
    Options values;
    OptionRecord stored;
};

}  // namespace moxlet
