// Consonant blends: two or three adjacent consonant sounds in one syllable,
// each spelled by its own grapheme, as the catalogue's blend components list
// them (stop, strap, lamp, hand, act, left, kept).  A three-consonant blend
// (str, spl, spr, scr) is tagged instead of the two-consonant blends inside
// it.  "sc" and "sch" saying S K are one grapheme and give SC (sk), SCR and
// SCH (sk) directly.
#include "Catalogue.h"
#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

// The consonant segment a grapheme contributes to a blend, or -1.
int componentOf(const Grapheme& g)
{
    const std::string key = g.key();
    const std::string& l = g.letters;
    if (key == "B" && (l == "b" || l == "bb")) return seg::B;
    if (key == "K" && (l == "c" || l == "cc")) return seg::C_K;
    if (key == "K" && l == "k") return seg::K;
    if (key == "K" && l == "ch") return seg::CH_K;
    if (key == "D" && (l == "d" || l == "dd")) return seg::D;
    if (key == "F" && (l == "f" || l == "ff")) return seg::F;
    if (key == "G" && (l == "g" || l == "gg")) return seg::G_G;
    if (key == "L" && (l == "l" || l == "ll")) return seg::L;
    if (key == "M" && (l == "m" || l == "mm")) return seg::M;
    if (key == "N" && (l == "n" || l == "nn")) return seg::N;
    if (key == "P" && (l == "p" || l == "pp")) return seg::P;
    if (key == "R" && (l == "r" || l == "rr")) return seg::R;
    if (key == "S" && (l == "s" || l == "ss")) return seg::S;
    if (key == "T" && (l == "t" || l == "tt")) return seg::T;
    if (key == "TH" && l == "th") return seg::TH;
    if (key == "W" && l == "w") return seg::W;
    if (key == "K W" && l == "qu") return seg::QU;
    return -1;
}

int blendOf(const std::vector<int>& parts)
{
    for (std::size_t b = 0; b < BlendPart.size(); ++b) {
        const auto& p = BlendPart[b];
        const std::size_t n = p[2] < 0 ? 2 : 3;
        if (n != parts.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < n && same; ++k) same = p[k] == parts[k];
        if (same) return static_cast<int>(b) + seg::FirstBlend;
    }
    return -1;
}

}  // namespace

void tagBlends(WordAnalysis& a)
{
    const auto& gs = a.graphemes;
    const std::size_t n = gs.size();
    std::size_t i = 0;
    while (i < n) {
        const Grapheme& g = gs[i];
        if ((g.letters == "sc" && g.key() == "S K")) {
            const bool r = i + 1 < n && componentOf(gs[i + 1]) == seg::R && gs[i + 1].syllable == g.syllable;
            a.tag(r ? 143 : 142);
            i += r ? 2 : 1;
            continue;
        }
        if (g.letters == "sch" && g.key() == "S K") {
            a.tag(144);
            ++i;
            continue;
        }
        bool found = false;
        for (std::size_t len = 3; len >= 2 && !found; --len) {
            if (i + len > n) continue;
            std::vector<int> parts;
            for (std::size_t k = 0; k < len; ++k) {
                const int c = componentOf(gs[i + k]);
                if (c < 0 || gs[i + k].syllable != g.syllable) break;
                parts.push_back(c);
            }
            if (parts.size() != len) continue;
            const int blend = blendOf(parts);
            if (blend < 0) continue;
            a.tag(blend);
            // The blend's last consonant may begin the next blend (lamp + s? no: "mp" then "t" in "tempt").
            i += len - 1;
            found = true;
        }
        if (!found) ++i;
    }
}

}  // namespace moxlet::wordbase
