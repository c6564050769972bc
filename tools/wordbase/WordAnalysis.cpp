#include "WordAnalysis.h"

#include <algorithm>

namespace moxlet::wordbase {

WordAnalysis WordAnalysis::analyse(const LexiconEntry& entry)
{
    WordAnalysis a;
    a.entry = &entry;
    a.word = entry.word;
    a.phones = entry.tagged();
    const bool breaksFit = phoneKey(parsePhones(entry.syllabified)) == phoneKey(a.phones);
    a.phoneSyllable = syllableOfPhones(a.phones, breaksFit ? entry.syllabified : std::string());
    a.graphemes = alignWord(a.word, a.phones);
    a.syllables = std::clamp(entry.syllables, 1, 9);

    int last = 0;
    for (auto& g : a.graphemes) {
        int syl = -1;
        for (std::size_t k = 0; k < g.phones.size(); ++k) {
            const auto idx = static_cast<std::size_t>(g.phoneStart) + k;
            if (idx >= a.phoneSyllable.size()) break;
            if (g.phones[k].vowel()) {
                syl = a.phoneSyllable[idx];
                break;
            }
            if (syl < 0) syl = a.phoneSyllable[idx];
        }
        g.syllable = syl < 0 ? last : syl;
        last = g.syllable;
    }
    return a;
}

bool WordAnalysis::consonantAt(std::size_t i) const
{
    const Grapheme* g = at(i);
    if (!g || g->phones.empty()) return false;
    if (g->letters == "y") return !g->hasVowelPhone();
    return !isVowelLetters(g->letters) && !g->hasVowelPhone();
}

bool WordAnalysis::silentEAt(std::size_t i) const
{
    const Grapheme* g = at(i);
    return g && g->letters == "e" && g->phones.empty();
}

}  // namespace moxlet::wordbase
