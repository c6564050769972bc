#pragma once
// The correspondence table of the sound aligner: spellings, the phones they
// stand for, and the segments that explain them.
#include <string>
#include <vector>

#include "SoundAligner.h"

namespace moxlet::wordbase {

/// One reading of a spelling.
struct SoundReading {
    std::vector<std::string> phones;  ///< "AH0" exact stress, "AH" any, "AH!" stressed (1 or 2)
    std::vector<int> segments;
    UnitKind kind = UnitKind::Phonogram;
    int cost = 10;
};

/// A spelling with its readings, in priority order.
struct SoundSpelling {
    std::string letters;
    bool initialOnly = false;     ///< only at the start of the word
    bool finalOnly = false;       ///< only at the end of the word
    bool finalOrSuffix = false;   ///< at the end, or before a final s or d (table, tables, tickled)
    bool beforeVowel = false;     ///< only before a vowel letter (a-round: the r begins the next syllable)
    bool afterConsonant = false;  ///< only after a consonant letter (bottling; not re-al-ism)
    bool syllableEnd = false;  ///< final, before a consonant letter or an ending (climbing; not tambourine)
    std::vector<SoundReading> readings;
};

/// The table, parsed once. Costs: catalogue phonogram 10 (11 with a silent letter), long vowel 10,
/// silent e 12, explained extra 14, unexplained 25.
const std::vector<SoundSpelling>& soundTable();

/// Whether a phone ("AH0") matches a pattern ("AH0", "AH", "AH!").
bool phoneMatches(const Phone& phone, const std::string& pattern);

}  // namespace moxlet::wordbase
