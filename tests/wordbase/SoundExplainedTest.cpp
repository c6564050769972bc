// Every word of the built word base is explained by its segments or is a Rote
// Word, and the taggers themselves do that work: the builder's safety net
// (a word with an unexplained part becomes a Rote Word) catches only a few
// compounds whose base the lexicon lacks.
#include <gtest/gtest.h>
#include <map>

#include "RealLexicon.h"
#include "WordBaseBuilder.h"

namespace mw = moxlet::wordbase;

namespace {

struct Built {
    std::map<std::string, moxlet::SegmentSet> words;
    std::vector<std::string> unexplained;
};

const Built& built()
{
    static const Built b = [] {
        Built out;
        for (const auto& w :
             mw::buildWords(moxlet::test::realLexicon(), std::string(MOXLET_SOURCE_DIR) + "/data/curated",
                            &out.unexplained))
            out.words[w.word] = w.segments;
        return out;
    }();
    return b;
}

}  // namespace

TEST(SoundExplained, SafetyNetCatchesOnlyAFewWords)
{
    const auto& u = built().unexplained;
    std::string list;
    for (const auto& w : u) list += " " + w;
    EXPECT_LE(u.size(), 15U) << list;
}

TEST(SoundExplained, RoteWordsAreTheOnesNoSegmentExplains)
{
    struct Case {
        const char* word;
        bool rote;
        int present;  // -1: none checked
    };
    const Case cases[] = {
        {"said", true, -1},       {"of", true, -1},           {"was", true, -1},       {"one", true, -1},
        {"friend", true, -1},     {"son", true, -1},          {"cat", false, 0},       {"rain", false, 2},
        {"hair", false, 123},     {"marry", false, 0},        {"personal", false, 58}, {"decided", false, 20},
        {"panicked", false, 231}, {"especially", false, 225}, {"sickness", false, 16}, {"knee", false, 50},
        {"lamb", false, 53},      {"muscles", false, 88},
    };
    for (const auto& c : cases) {
        const auto it = built().words.find(c.word);
        ASSERT_NE(it, built().words.end()) << c.word;
        EXPECT_EQ(it->second.contains(331), c.rote) << c.word;
        if (c.present >= 0) {
            EXPECT_TRUE(it->second.contains(c.present)) << c.word << " lacks " << c.present;
        }
    }
    // A silent letter gets a consonant phonogram only through a spelling that explains it.
    EXPECT_FALSE(built().words.at("sickness").contains(50)) << "sick-ness has no KN-";
    EXPECT_FALSE(built().words.at("muscles").contains(11)) << "the c of muscles is silent";
}
