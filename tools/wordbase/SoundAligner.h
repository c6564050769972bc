#pragma once
// Grapheme-to-phoneme alignment by sound, for tagging phonograms by the sound
// they make (EA in meat, bread, great), the syllable types and Rote Words.
//
// A word is cut into units: a grapheme (one or more letters), the phones it
// stands for (none for a silent letter) and the segments that explain it. The
// correspondence table (SoundTable.cpp) holds the catalogue's phonograms with
// their sounds and the extra spellings English needs. Among the parses that cover
// the whole word and pronunciation the cheapest wins:
//   - every unit costs, so a longer grapheme that is a phonogram beats a
//     letter-by-letter parse ("ea" in meat is one unit, not e + silent a);
//   - catalogue correspondences cost less than extra ones, and extras that no
//     segment explains cost most (they make the word a Rote Word);
//   - among parses of equal cost the earlier table entry wins (deterministic).
// Units are then placed in syllables: breaks from the syllabified pronunciation
// when it matches, else maximal onset; then a consonant after a stressed short
// vowel closes that vowel's syllable (lem-on, rab-bit), as tutors divide words.
#include <string>
#include <string_view>
#include <vector>

#include "Pronunciation.h"

namespace moxlet::wordbase {

/// How a unit is explained.
enum class UnitKind {
    Phonogram,   ///< by its segments
    LongVowel,   ///< one vowel letter saying its name: by its syllable type or Kind Old Words
    SilentE,     ///< a silent e: by Silent E or by the letter before it (c, g, v, s, z, th, r)
    Unexplained  ///< no segment explains it: the word is a Rote Word
};

struct SoundUnit {
    std::string letters;
    Phones phones;
    std::vector<int> segments;
    UnitKind kind = UnitKind::Phonogram;
    int letterStart = 0;
    int syllable = 0;
    bool vowel() const;  ///< has a vowel phone
};

struct SoundAlignment {
    std::string word;
    Phones phones;
    std::vector<SoundUnit> units;
    int syllables = 0;
};

/// Aligns `word` (lowercase) to `phones`; `breaks` is the syllabified form of the
/// same phones ("K AE1 . T IH0 NG") or empty.
SoundAlignment alignSounds(const std::string& word, const Phones& phones, std::string_view breaks);

/// Whether `rest`, the letters after a base, is an inflectional ending (s, es, ed,
/// ing, er, est, ly, en and their plurals): the base keeps its units before it.
bool isInflectionalEnding(std::string_view rest);

/// "m:M:52 ea:IY1:21 t:T:93", silent units shown with "-", unexplained with "?".
std::string describe(const SoundAlignment& alignment);

}  // namespace moxlet::wordbase
