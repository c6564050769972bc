#pragma once
// Connects the builder's Lexicon and WordAnalysis to the affix, Latin root
// and spelling-rule tagging (AffixRootTagger.h), which works on a LexiconView.

#include <string>
#include <vector>

#include "Lexicon.h"
#include "WordAnalysis.h"

namespace moxlet::wordbase {

// The segments 159..330 of the analysed word, computed once per word (the
// affix, rule and root taggers each take their share of the same result).
const std::vector<int>& affixRootRuleSegments(const WordAnalysis& a, const Lexicon& lexicon);

// The same for the word last computed with a lexicon, or nullptr when a.word
// was not (the root tagger has no lexicon of its own).
const std::vector<int>* lastAffixRootRuleSegments(const WordAnalysis& a);

// The 0x2000 flag for the word, from its segments (see needsNoRootStudy).
bool rootFlagFor(const WordAnalysis& a, const std::vector<int>& segments);

}  // namespace moxlet::wordbase
