// Consonant phonograms, digraphs and trigraphs.
#include <map>

#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

int defaultOf(char c)
{
    switch (c) {
    case 'b': return seg::B;
    case 'c': return seg::C_K;
    case 'd': return seg::D;
    case 'f': return seg::F;
    case 'g': return seg::G_G;
    case 'h': return seg::H;
    case 'j': return seg::J;
    case 'k': return seg::K;
    case 'l': return seg::L;
    case 'm': return seg::M;
    case 'n': return seg::N;
    case 'p': return seg::P;
    case 'q': return seg::QU;
    case 'r': return seg::R;
    case 's': return seg::S;
    case 't': return seg::T;
    case 'v': return seg::V;
    case 'w': return seg::W;
    case 'x': return seg::X_KS;
    case 'y': return seg::Y_Consonant;
    case 'z': return seg::Z;
    default: return -1;
    }
}

bool nextStartsWithU(const WordAnalysis& a, std::size_t i)
{
    const Grapheme* n = a.at(i + 1);
    return n && !n->letters.empty() && n->letters[0] == 'u';
}

bool nextStartsWith(const WordAnalysis& a, std::size_t i, char c)
{
    const Grapheme* n = a.at(i + 1);
    return n && !n->letters.empty() && n->letters[0] == c;
}

// Fixed grapheme/sound pairs: letters + "/" + phones -> segments.
const std::map<std::string, std::vector<int>>& fixedPairs()
{
    static const std::map<std::string, std::vector<int>> m = {
        {"b/B", {seg::B}}, {"bb/B", {seg::B}}, {"c/K", {seg::C_K}}, {"c/S", {seg::C_S}},
        {"c/SH", {seg::C_S}}, {"cc/K", {seg::C_K}}, {"cc/K S", {seg::C_K, seg::C_S}}, {"ck/K", {seg::CK}},
        {"ch/CH", {seg::CH_CH}}, {"ch/K", {seg::CH_K}}, {"ch/SH", {seg::CH_SH}}, {"tch/CH", {seg::TCH}},
        {"dd/D", {seg::D}}, {"dge/JH", {seg::DGE}}, {"dg/JH", {seg::DGE}}, {"f/F", {seg::F}},
        {"ff/F", {seg::F}}, {"ph/F", {seg::PH}}, {"ph/V", {seg::PH}}, {"gh/G", {seg::GH_G}},
        {"g/G", {seg::G_G}}, {"g/JH", {seg::G_J}}, {"g/ZH", {seg::G_J}}, {"gg/G", {seg::G_G}},
        {"gg/JH", {seg::G_J}}, {"gn/N", {seg::GN}}, {"gue/G", {seg::GUE}}, {"gu/G", {seg::G_G}},
        {"gu/G W", {seg::G_G, seg::W}}, {"h/HH", {seg::H}}, {"wh/W", {seg::WH}}, {"wh/HH", {seg::WH}},
        {"j/JH", {seg::J}}, {"k/K", {seg::K}}, {"kn/N", {seg::KN}}, {"l/L", {seg::L}}, {"ll/L", {seg::L}},
        {"m/M", {seg::M}}, {"mm/M", {seg::M}}, {"mb/M", {seg::MB}}, {"mn/M", {seg::MN}}, {"n/N", {seg::N}},
        {"nn/N", {seg::N}}, {"ng/NG", {seg::NG}}, {"ng/NG G", {seg::NG, seg::G_G}},
        {"ng/N JH", {seg::N, seg::G_J}}, {"nk/NG K", {seg::NK}}, {"p/P", {seg::P}}, {"pp/P", {seg::P}},
        {"ps/S", {seg::S}}, {"pn/N", {seg::N}}, {"q/K", {seg::QU}}, {"qu/K W", {seg::QU}}, {"qu/K", {seg::QU}},
        {"que/K", {seg::QUE}}, {"r/R", {seg::R}}, {"r/ER", {seg::R}}, {"rr/R", {seg::R}}, {"rh/R", {seg::RH}},
        {"wr/R", {seg::WR}}, {"s/S", {seg::S}}, {"s/Z", {seg::S_Z}}, {"ss/S", {seg::S}}, {"ss/Z", {seg::S_Z}},
        {"sc/S", {seg::SC_S}}, {"sc/S K", {seg::S, seg::C_K}}, {"sch/S K", {seg::S, seg::CH_K}},
        {"sch/SH", {seg::SH}}, {"sh/SH", {seg::SH}}, {"stle/S AH L", {seg::STLE}}, {"stle/S L", {seg::STLE}},
        {"t/T", {seg::T}}, {"t/D", {seg::T}}, {"tt/T", {seg::T}}, {"tt/D", {seg::T}}, {"th/TH", {seg::TH}},
        {"th/DH", {seg::TH_Voiced}}, {"th/T", {seg::T}}, {"tion/SH AH N", {seg::TION}},
        {"tion/CH AH N", {seg::TION}}, {"sion/ZH AH N", {seg::SION_Zhen}}, {"sion/SH AH N", {seg::SION_Shen}},
        {"ssion/SH AH N", {seg::SION_Shen}}, {"v/V", {seg::V}}, {"w/W", {seg::W}}, {"x/K S", {seg::X_KS}},
        {"x/G Z", {seg::X_KS}}, {"x/Z", {seg::X_Z}}, {"x/K SH", {seg::X_KS}}, {"x/G ZH", {seg::X_KS}},
        {"y/Y", {seg::Y_Consonant}}, {"z/Z", {seg::Z}}, {"z/S", {seg::Z}}, {"z/ZH", {seg::Z}},
        {"zz/Z", {seg::Z}}, {"le/AH L", {seg::L}}, {"le/L", {seg::L}},
    };
    return m;
}

}  // namespace

void tagConsonants(WordAnalysis& a)
{
    for (std::size_t i = 0; i < a.graphemes.size(); ++i) {
        const Grapheme& g = a.graphemes[i];
        const std::string key = g.key();
        if (g.letters.empty()) continue;
        // Graphemes that begin with a vowel letter (teams, ar, ough, alk) are the vowel tagger's.
        if (std::string("aeiou").find(g.letters[0]) != std::string::npos) continue;
        if (g.letters == "y" && key != "Y") continue;
        // Sounds that depend on the next letter: TU/SU/DU, the -TION "ti", *NK.
        if ((g.letters == "t" || g.letters == "tt") && key == "CH" && nextStartsWithU(a, i)) {
            a.tag(seg::TU_SU_DU);
            continue;
        }
        if ((g.letters == "s" || g.letters == "ss") && (key == "ZH" || key == "SH")) {
            a.tag(nextStartsWithU(a, i) ? seg::TU_SU_DU : (key == "ZH" ? seg::S_Z : seg::S));
            continue;
        }
        if (g.letters == "d" && key == "JH") {
            a.tag(nextStartsWithU(a, i) ? seg::TU_SU_DU : seg::D);
            continue;
        }
        if (g.letters == "d" && (key == "D" || key == "T")) {
            a.tag(seg::D);
            continue;
        }
        if (g.letters == "t" && (key == "SH" || key == "CH")) {
            a.tag(nextStartsWith(a, i, 'i') ? seg::TION : seg::T);
            continue;
        }
        if (g.letters == "n" && key == "NG") {
            const Grapheme* n = a.at(i + 1);
            const bool k = n && !n->letters.empty() && std::string("kcqx").find(n->letters[0]) != std::string::npos;
            a.tag(k ? seg::NK : seg::NG);
            continue;
        }
        if (g.letters == "gh" && g.phones.empty()) {
            a.tag(seg::RoteWords);  // a silent gh outside igh, eigh, ough
            continue;
        }
        if (g.letters == "gh" && key == "F") {
            // tough, cough, enough: the ou + gh of the OUGH family
            const Grapheme* p = i > 0 ? a.at(i - 1) : nullptr;
            if (p && p->letters == "ou") a.tag(p->key() == "AO" ? seg::OUGH_Off : seg::OUGH_Uff);
            else a.tag(seg::RoteWords);
            continue;
        }
        auto it = fixedPairs().find(g.letters + "/" + key);
        if (it != fixedPairs().end()) {
            for (int s : it->second) a.tag(s);
            continue;
        }
        // No reading explains the grapheme: a silent consonant is learnt by
        // rote; an odd sound still needs its letter.
        if (g.phones.empty()) {
            a.tag(seg::RoteWords);
            continue;
        }
        for (char c : g.letters) {
            const int s = defaultOf(c);
            if (s >= 0) a.tag(s);
        }
    }
}

}  // namespace moxlet::wordbase
