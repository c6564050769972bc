#pragma once
// The six spelling rules (159..164), judged on how a derived word was built:
//  159 1-1-1: one syllable, one vowel, one final consonant doubled (hopping, bigger)
//  160 2-1-1: the same on a two-syllable base stressed at the end (beginning, forgotten)
//  161 FSZL: a one-syllable word ending in ff, ll, ss or zz after one short vowel
//      (off, bell, miss, buzz), and words built on one (bells, missed, uphill)
//  162 Silent E + Sufx: a silent e dropped before a vowel suffix (hoping, making, lovable)
//  163 Y + Suffix: y after a consonant turned to i (happiness, cried, carried)
//  164 Y + Plural: y after a consonant turned to ies (babies, cities, flies)

#include <string>

#include "Morphology.h"

namespace moxlet::wordbase::affixes {

// True when word itself is an FSZL word (off, bell, miss, buzz, ball).
bool isFszlWord(const std::string& word, const Morphology& morph);

// The rule a spelling change on base stands for, or -1 (None, or a change that
// follows no rule, as in agreed).
// derived, when given, stands in for the pronunciation of a base the lexicon lacks.
int ruleForChange(const std::string& base, StemChange change, const Morphology& morph,
                  const std::string& derived = {});

}  // namespace moxlet::wordbase::affixes
