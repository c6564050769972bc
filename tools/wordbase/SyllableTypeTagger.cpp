// One syllable type for each syllable, read off the grapheme that carries the
// syllable's vowel:
//   vowel team (ai, ea, ou ...)                       Vowel Pair
//   vowel + r (ar, er, ir, or, ur, ear, our ...)      R-Controlled
//   final consonant + le                              Consonant-LE
//   one vowel letter saying its long sound, then consonants and a silent e
//                                                     Silent E
//   one vowel letter that ends its syllable           Open Syllable
//   otherwise                                         Closed Syllable
// Endings such as -tion carry their own vowel and take no type; a syllable
// of Kind Old Words takes none either.
#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

bool rControlled(const Grapheme& g)
{
    if (g.letters.size() < 2 || g.letters.back() != 'r') return false;
    for (const auto& p : g.phones)
        if (p.sym == "R" || p.sym == "ER") return true;
    return false;
}

bool longSound(const std::string& key)
{
    return key == "EY" || key == "IY" || key == "AY" || key == "OW" || key == "UW" || key == "Y UW" ||
           key == "Y UH" || key == "Y ER" || key == "Y AH";
}

// Whether the syllable's phones go on after this grapheme's vowel.
bool closedByPhones(const WordAnalysis& a, const Grapheme& g)
{
    const auto last = static_cast<std::size_t>(g.phoneStart) + g.phones.size();
    return last < a.phones.size() && a.phoneSyllable[last] == g.syllable;
}

}  // namespace

void tagSyllableTypes(WordAnalysis& a)
{
    for (std::size_t i = 0; i < a.graphemes.size(); ++i) {
        const Grapheme& g = a.graphemes[i];
        if (!g.hasVowelPhone()) continue;
        const std::string key = g.key();
        if (g.letters == "le") {
            a.tag(seg::ConsonantLE);
            continue;
        }
        if (rControlled(g)) {
            a.tag(seg::RControlled);
            continue;
        }
        if (g.letters == "alk") {
            a.tag(seg::ClosedSyllable);  // talk, walk
            continue;
        }
        const bool team = std::string("aeiou").find(g.letters[0]) != std::string::npos && g.letters.size() > 1;
        if (!team && !isVowelLetters(g.letters)) continue;  // -tion, -sion, -stle, r saying ER
        if (g.letters.size() > 1) {
            a.tag(seg::VowelPair);
            continue;
        }
        const Grapheme* next = a.at(i + 1);
        if (next && next->letters.size() >= 1 && next->letters[0] == 'r' && next->hasVowelPhone() &&
            next->syllable == g.syllable) {
            a.tag(seg::RControlled);  // fire, hour: the r says the vowel's second part
            continue;
        }
        if (longSound(key) || (g.letters == "e" && key == "IY")) {
            // Silent E: one or two consonant graphemes, then a silent e.
            std::size_t j = i + 1;
            int consonants = 0;
            while (a.consonantAt(j) && consonants < 2) {
                ++j;
                ++consonants;
            }
            if (consonants > 0 && a.silentEAt(j)) {
                a.tag(seg::SilentE);
                continue;
            }
            if (a.has(seg::KindOldWords) && closedByPhones(a, g)) continue;
            a.tag(closedByPhones(a, g) ? seg::ClosedSyllable : seg::OpenSyllable);
            continue;
        }
        if (g.stress() == 0 && !closedByPhones(a, g) && (key == "AH" || key == "IH")) {
            a.tag(seg::OpenSyllable);  // a-bout, be-gin
            continue;
        }
        if ((g.letters == "y" && key == "IY") || (key == "UW" && !closedByPhones(a, g))) {
            a.tag(seg::OpenSyllable);
            continue;
        }
        a.tag(seg::ClosedSyllable);
    }
}

}  // namespace moxlet::wordbase
