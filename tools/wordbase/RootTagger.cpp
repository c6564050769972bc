// Latin roots in their Latin sense (Roots.h): a root counts after real Latin
// prefixes (transport, inspect, expect) or as the listed start of a word
// (audience, dictate, structure); known look-alikes (sport, passport,
// portion, speck) are listed per root.
//
// The root flag (0x2000): a word whose roots a student need not have studied
// is judged against the extended mask.  Everyday words, those among the 5000
// most frequent of the lexicon (affixes::kEverydayRank), get it: a tutor
// teaches "important" and "visit" long before the roots PORT and VID/VIS.
// Rarer, academic words (contradict, inspector) leave it off, so they wait
// until their roots are studied.  Words without a root never get it.
#include "AffixBridge.h"
#include "Taggers.h"

namespace moxlet::wordbase {

void tagRoots(WordAnalysis& a)
{
    // The roots come with the affix analysis of the same word, which
    // tagAffixes has already computed.
    const std::vector<int>* segments = lastAffixRootRuleSegments(a);
    if (!segments) return;
    for (int id : *segments)
        if (id >= 273 && id <= 330) a.tag(id);
    a.rootFlag = rootFlagFor(a, *segments);
}

}  // namespace moxlet::wordbase
