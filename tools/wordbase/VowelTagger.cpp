// Vowel phonograms by sound, vowel teams, r-controlled spellings, Kind Old
// Words, and Rote Words for a vowel that no segment explains.  A one-letter
// long vowel gets no phonogram (its syllable type explains it), except O (ō).
#include <map>

#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

constexpr int kRote = seg::RoteWords;
constexpr int kNone = -1;  // explained by the syllable type

bool isLong(const std::string& key)
{
    return key == "EY" || key == "IY" || key == "AY" || key == "OW" || key == "UW" || key == "Y UW" ||
           key == "Y UH" || key == "Y AH" || key == "Y ER";
}

const std::map<std::string, std::vector<int>>& teams()
{
    static const std::map<std::string, std::vector<int>> m = {
        {"ai/EY", {seg::AI}}, {"ai/AH", {seg::AI}}, {"ai/EH", {kRote}}, {"ai/AY", {kRote}},
        {"ay/EY", {seg::AY}}, {"ay/EH", {kRote}}, {"au/AO", {seg::AU}}, {"au/AA", {seg::AU}},
        {"augh/AO", {seg::AUGH}}, {"augh/AA", {seg::AUGH}}, {"aw/AO", {seg::AW}}, {"aw/AA", {seg::AW}},
        {"ea/IY", {seg::EA_LongE}}, {"ea/EH", {seg::EA_ShortE}}, {"ea/EY", {seg::EA_LongA}},
        {"ee/IY", {seg::EE}}, {"ee/IH", {seg::EE}}, {"ei/IY", {seg::EI_LongE}}, {"ei/EY", {seg::EI_LongA}},
        {"eigh/EY", {seg::EIGH}}, {"eu/Y UW", {seg::EU}}, {"eu/UW", {seg::EU}}, {"ew/UW", {seg::EW}},
        {"ew/Y UW", {seg::EW}}, {"ey/IY", {seg::EY_LongE}}, {"ey/EY", {seg::EY_LongA}},
        {"ie/AY", {seg::IE_LongI}}, {"ie/IY", {seg::IE_LongE}}, {"igh/AY", {seg::IGH}}, {"oa/OW", {seg::OA}},
        {"oe/OW", {seg::OE}}, {"oi/OY", {seg::OI}}, {"oo/UW", {seg::OO_Long}}, {"oo/UH", {seg::OO_Short}},
        {"ou/AW", {seg::OU_Ow}}, {"ou/AH", {seg::OU_ShortU}}, {"ou/UW", {seg::OU_Oo}}, {"ou/OW", {seg::OU_LongO}},
        {"ough/AO", {seg::OUGH_Aw}}, {"ough/AA", {seg::OUGH_Aw}}, {"ough/AA F", {seg::OUGH_Off}}, {"ough/AH F", {seg::OUGH_Uff}}, {"ough/AO F", {seg::OUGH_Off}},
        {"ough/UW", {seg::OUGH_Oo}}, {"ough/OW", {seg::OUGH_LongO}}, {"ow/OW", {seg::OW_LongO}},
        {"ow/AW", {seg::OW_Ou}}, {"oy/OY", {seg::OY}}, {"ue/UW", {seg::UE}}, {"ue/Y UW", {seg::UE}},
        {"ui/UW", {seg::UI}}, {"alk/AO K", {seg::ALK_ALT, seg::K}}, {"alk/AA K", {seg::ALK_ALT, seg::K}},
        {"ar/AA R", {seg::AR}}, {"ar/ER", {seg::AR}}, {"ar/EH R", {seg::AR}}, {"ar/AO R", {seg::AR}},
        {"er/ER", {seg::ER}}, {"ir/ER", {seg::IR}}, {"ur/ER", {seg::UR}}, {"or/AO R", {seg::OR}},
        {"or/OW R", {seg::OR}}, {"or/ER", {seg::OR}}, {"ear/IY R", {seg::EAR_Ear}}, {"ear/IH R", {seg::EAR_Ear}},
        {"ear/EH R", {seg::EAR_Air}}, {"ear/ER", {seg::EAR_Er}}, {"air/EH R", {seg::AI, seg::R}},
        {"eer/IY R", {seg::EE, seg::R}}, {"eer/IH R", {seg::EE, seg::R}}, {"our/AW ER", {seg::OU_Ow, seg::R}},
        {"our/AW R", {seg::OU_Ow, seg::R}}, {"our/AO R", {seg::OU_LongO, seg::R}},
    };
    return m;
}

// A single vowel letter saying `key` with `stress`.
int singleVowel(char letter, const std::string& key, int stress)
{
    const bool reduced = stress == 0;
    switch (letter) {
    case 'a':
        if (key == "AE") return seg::A_Short;
        if (key == "AH" || key == "IH" || key == "EH") return reduced ? seg::A_Schwa : kRote;
        if (key == "EY") return kNone;
        return kRote;
    case 'e':
        if (key == "EH") return seg::E_Short;
        if (key == "AH" || key == "IH") return reduced ? seg::E_Schwa : kRote;
        if (key == "IY" || key.empty()) return kNone;
        return kRote;
    case 'i':
        if (key == "IH") return seg::I_Short;
        if (key == "AH") return reduced ? seg::I_Short : kRote;
        if (key == "AY") return kNone;
        if (key == "IY" || key == "Y") return reduced ? kNone : kRote;
        return kRote;
    case 'o':
        if (key == "AA" || key == "AO") return seg::O_Short;
        if (key == "OW") return seg::O_Long;
        if (key == "UW") return seg::O_Do;
        if (key == "AH") return reduced ? seg::O_Short : kRote;
        return kRote;
    case 'u':
        if (key == "AH") return seg::U_Short;
        if (isLong(key)) return kNone;
        if (key == "W") return kNone;
        return kRote;
    case 'y':
        if (key == "IY") return seg::Y_LongE;
        if (key == "AY") return seg::Y_LongI;
        if (key == "IH" || key == "AH") return seg::Y_ShortI;
        return kRote;
    default: return kRote;
    }
}

bool letterIs(const Grapheme* g, const char* letters) { return g && g->letters == letters; }

}  // namespace

void tagVowels(WordAnalysis& a)
{
    for (std::size_t i = 0; i < a.graphemes.size(); ++i) {
        const Grapheme& g = a.graphemes[i];
        const std::string key = g.key();
        const Grapheme* prev = i > 0 ? a.at(i - 1) : nullptr;
        const Grapheme* next = a.at(i + 1);
        const Grapheme* next2 = a.at(i + 2);
        const bool afterW = letterIs(prev, "w") || letterIs(prev, "wh");
        const bool afterQu = letterIs(prev, "qu");

        if (g.letters.size() == 1 && isVowelLetters(g.letters)) {
            if (g.letters == "y" && key == "Y") continue;  // consonant y
            if (g.phones.empty()) {
                if (g.letters != "e") a.tag(kRote);
                continue;
            }
            const char c = g.letters[0];
            // a before l: ball, talk, salt, also; after w: water, want; after qu: quality.
            if (c == 'a' && (key == "AO" || key == "AA")) {
                if (afterQu) a.tag(seg::QUA);
                else if (afterW) a.tag(seg::WA);
                else if (letterIs(next, "ll")) a.tag(seg::ALL);
                else if (letterIs(next, "l") && (letterIs(next2, "t") || letterIs(next2, "k"))) a.tag(seg::ALK_ALT);
                else if (letterIs(next, "l")) a.tag(seg::ALL);
                else a.tag(kRote);
                continue;
            }
            // Kind Old Words: i or o made long before ld, nd, lt, st, ll, th.
            if ((c == 'i' && key == "AY") || (c == 'o' && key == "OW")) {
                const std::string after = (next ? next->letters : "") + (next2 ? next2->letters : "");
                const bool kow = after.rfind("ld", 0) == 0 || after.rfind("nd", 0) == 0 ||
                                 after.rfind("lt", 0) == 0 || after.rfind("st", 0) == 0 ||
                                 (next && next->letters == "ll") || (next && next->letters == "th");
                const bool silentE = a.silentEAt(i + 2) || a.silentEAt(i + 3);
                if (kow && !silentE && next && next->syllable == g.syllable) a.tag(seg::KindOldWords);
            }
            const int s = singleVowel(c, key, g.stress());
            if (s >= 0) a.tag(s);
            continue;
        }
        if (g.letters.empty() || !(isVowelLetters(g.letters) || teams().count(g.letters + "/" + key) ||
                                   g.letters == "ar" || g.letters == "or" || g.letters == "er" ||
                                   g.letters == "ir" || g.letters == "ur" || g.letters == "ear" ||
                                   g.letters == "our" || g.letters == "air" || g.letters == "eer"))
            continue;
        if (g.letters == "ar" && key == "AO R") {
            a.tag(afterQu ? seg::QUA : (afterW ? seg::WAR : seg::AR));
            if (afterQu) a.tag(seg::AR);
            continue;
        }
        if (g.letters == "or" && key == "ER" && afterW) {
            a.tag(seg::WOR);
            continue;
        }
        auto it = teams().find(g.letters + "/" + key);
        if (it == teams().end()) {
            a.tag(kRote);
            continue;
        }
        for (int s : it->second) a.tag(s);
    }
}

}  // namespace moxlet::wordbase
