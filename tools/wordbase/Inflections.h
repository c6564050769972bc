#pragma once
// Regular inflections: how a word is spelled on its base (roll + ed, hop + p +
// ing, hope - e + ing, tiny - y + ier), and what of the base's segments the
// inflection keeps.

#include <optional>
#include <string>

#include "Lexicon.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet::wordbase {

struct RegularInflection {
    std::string ending;  // "s", "es", "ed", "ing", "er", "est", "ly" as written after the change
    enum class Change { None, DropE, Double, YToI } change = Change::None;
};

// How `word` is `base` plus a regular ending, if it is: -s/-es, -ed, -ing,
// -er, -est, -ly, with a dropped silent e, a doubled final consonant or y to i.
std::optional<RegularInflection> regularInflection(const std::string& word, const std::string& base);

// The lexicon base of `entry` that it is a regular inflection of and that is
// heard at the start of it (the base's tagged phones begin the word's, its
// final y aside when y turns to i), with the inflection; nullptr when none.
// Heteronyms (read -> reading) and stress shifts fail the sound test.
const LexiconEntry* inflectionBase(const LexiconEntry& entry, const Lexicon& lexicon, RegularInflection* how);

// Whether the word's own tagging found the ending's suffix (-ED, -ING, -ER,
// -EST, -LY): the affix tagger's look-alike judgments (offer is no off + er,
// forest no fore + st) then hold for the inheritance too.  -s and -es pass.
bool endingTagged(const SegmentSet& word, const RegularInflection& how);

// The segments of `base` that its inflection keeps.  All of them (phonograms,
// Kind Old Words, syllable types, blends, rules, affixes, roots, Rote Words)
// but what the change respells: with y to i the y and the syllable types; with
// a dropped silent e the Silent E syllable (Silent E + Sufx stands for it);
// on a base ending in a vowel team with e (argue, dye, owe, free) the team's
// phonograms and syllable types.  Flags are not segments and stay behind.
SegmentSet inheritedSegments(const SegmentSet& base, const std::string& baseWord,
                             const RegularInflection& how);

}  // namespace moxlet::wordbase
