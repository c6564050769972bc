// Spelling rules, tagged on words derived from a base by the rule:
//   1-1-1     a one-syllable base ending in one vowel + one consonant doubles
//             it before a vowel suffix (hopping, bigger)
//   2-1-1     the same for a longer base stressed on its last syllable
//             (beginning, forgotten)
//   FSZL      f, l, s, z doubled after a short vowel at the end of a
//             one-syllable word, and words built on one (off, bell, misses)
//   Silent E + Sufx   the e of a base dropped before a vowel suffix (hoping)
//   Y + Suffix        y changed to i before a suffix (happiness, cried)
//   Y + Plural        y changed to i in a plural (babies, cities)
// The derivations are found by the affix tagging (Morphology.h, SpellingRules.h).
#include "AffixBridge.h"
#include "Taggers.h"

namespace moxlet::wordbase {

void tagRules(WordAnalysis& a, const Lexicon& lexicon)
{
    for (int id : affixRootRuleSegments(a, lexicon))
        if (id >= 159 && id <= 164) a.tag(id);
}

}  // namespace moxlet::wordbase
