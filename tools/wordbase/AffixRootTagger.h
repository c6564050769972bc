#pragma once
// Tags a word with its prefixes, chameleon prefixes, suffixes, Latin roots and
// spelling rules (segments 159..330), looking through derivations:
// "unhappiness" gets UN-, -NESS and Y + Suffix; "carefully" gets -FUL and -LY.

#include <string>
#include <vector>

#include "LexiconView.h"

namespace moxlet::wordbase::affixes {

// Segment ids in 159..330, ascending, without duplicates.  arpabet is the
// pronunciation the builder uses for the word; the lexicon supplies the
// pronunciations of the word's parts.
std::vector<int> tagAffixesRootsRules(const std::string& word, const std::string& arpabet,
                                      const LexiconView& lex);

// Frequency rank up to which a word counts as an everyday word.
inline constexpr int kEverydayRank = 5000;

// The 0x2000 word flag: the word is judged against the extended mask, so a
// student needs no study of its Latin roots to get it in a list.  Rule: a
// word with a Latin root (273..330) among the kEverydayRank most frequent
// words of the lexicon (transport, important, visit, expect) is an everyday
// word that students meet and decode long before studying roots; rarer
// words (inspector, contradict, benediction) are academic vocabulary whose
// roots a tutor teaches first, so they keep the flag off.  A word without a
// root never gets the flag (the two masks would judge it alike anyway).
bool needsNoRootStudy(const std::string& word, const std::vector<int>& segments, const LexiconView& lex);

}  // namespace moxlet::wordbase::affixes
