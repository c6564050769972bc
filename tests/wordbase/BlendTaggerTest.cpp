// Consonant blends on real words of the lexicon: the blend ids (124..158) a
// word gets from the sound aligner's parse, look-alikes included (digraphs,
// silent letters, syllable breaks).
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "RealLexicon.h"
#include "WordBaseBuilder.h"

namespace mw = moxlet::wordbase;

namespace {

std::set<int> blendsOf(const std::string& word)
{
    const mw::LexiconEntry* e = moxlet::test::realLexicon().find(word);
    if (!e) return {-1};
    const mw::WordAnalysis a = mw::tagWord(*e, moxlet::test::realLexicon());
    std::set<int> out;
    for (int id = 124; id <= 158; ++id)
        if (a.has(id)) out.insert(id);
    return out;
}

}  // namespace

TEST(BlendTagger, BlendsOfRealWords)
{
    struct Case {
        const char* word;
        std::set<int> blends;
        const char* why;
    };
    const Case cases[] = {
        {"church", {}, "ch is CH (ch), not C + H"},
        {"knee", {}, "the k is silent"},
        {"write", {}, "the w is silent"},
        {"winter", {}, "win-ter: n and t in different syllables"},
        {"school", {144}, "S + CH (k)"},
        {"scan", {142}, "S + C (k)"},
        {"scrap", {143}, "SCR, not SC and CR"},
        {"thrill", {156}, "TH + R"},
        {"squint", {138, 152}, "S + QU, and N + T"},
        {"squash", {152}, "the qu of QUA"},
        {"swamp", {136, 155}, "the w of WA, and M + P"},
        {"act", {128}, "C (k) + T"},
        {"kept", {141}, "P + T"},
        {"left", {132}, "F + T"},
        {"lamp", {136}, "M + P"},
        {"hand", {137}, "N + D"},
        {"splash", {150}, "SPL, not SP and PL"},
        {"spring", {151}, "SPR; ng is *NG, no N + G"},
        {"street", {154}, "STR, not ST and TR"},
        {"tempt", {136, 141}, "MP, then PT from the same p"},
        {"table", {}, "b + syllabic le is no BL"},
        {"salt", {}, "the l of -ALT"},
        {"sister", {}, "sis-ter"},
        {"district", {128, 157}, "dis-trict: TR, and the final CT"},
        {"mattress", {157}, "a doubled t straddles the break: mat-tress"},
        {"standing", {137, 153}, "stand-ing keeps the ND of stand"},
        {"password", {}, "pass-word: no SW across the compound"},
        {"jumped", {136}, "MP; the ed said t is -ED, no PT"},
    };
    for (const auto& c : cases) EXPECT_EQ(blendsOf(c.word), c.blends) << c.word << ": " << c.why;
}
