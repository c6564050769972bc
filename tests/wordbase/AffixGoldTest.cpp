// The affix, Latin root and spelling-rule tagging against a hand-checked gold
// set (tests/data/gold-affixes.tsv), family by family, on the real lexicon;
// and the derivation machinery on a small made-up lexicon.
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>

#include "AffixRootTagger.h"
#include "Morphology.h"
#include "TableLexicon.h"

using namespace moxlet::wordbase::affixes;

namespace {

struct Family {
    const char* name;
    int first;
    int last;
    int truePositives = 0;
    int falsePositives = 0;
    int falseNegatives = 0;
    std::vector<std::string> errors;
};

bool inFamily(const Family& f, int id)
{
    if (f.first == 215 && id >= 229 && id <= 231) return false;  // -ED is its own family
    return id >= f.first && id <= f.last;
}

std::vector<int> ids(const std::string& text)
{
    std::vector<int> out;
    std::istringstream in(text);
    int id = 0;
    while (in >> id) out.push_back(id);
    return out;
}

const TableLexicon& realLexicon()
{
    static const TableLexicon lex = [] {
        TableLexicon l;
        l.load(MOXLET_SOURCE_DIR "/data/lexicon.tsv", MOXLET_SOURCE_DIR "/data/baseforms.tsv");
        return l;
    }();
    return lex;
}

}  // namespace

TEST(AffixGold, PrecisionAndRecallPerFamily)
{
    const auto& lex = realLexicon();
    ASSERT_TRUE(lex.contains("the")) << "data/lexicon.tsv not readable";
    std::ifstream gold(MOXLET_SOURCE_DIR "/tests/data/gold-affixes.tsv");
    ASSERT_TRUE(gold.good());

    std::vector<Family> families = {{"rules", 159, 164},    {"prefixes", 165, 206}, {"chameleon", 207, 214},
                                    {"suffixes", 215, 272}, {"-ED", 229, 231},      {"roots", 273, 330}};
    std::string line;
    int words = 0;
    while (std::getline(gold, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cols;
        std::istringstream in(line);
        for (std::string col; std::getline(in, col, '\t');) cols.push_back(col);
        cols.resize(3);
        const std::string& word = cols[0];
        ASSERT_TRUE(lex.contains(word)) << word << " is not in the lexicon";
        const auto prons = lex.pronunciations(word);
        const auto tags = tagAffixesRootsRules(word, prons.front(), lex);
        const auto has = [&](int id) { return std::find(tags.begin(), tags.end(), id) != tags.end(); };
        ++words;
        for (auto& f : families) {
            for (int id : ids(cols[1]))
                if (inFamily(f, id)) {
                    if (has(id))
                        ++f.truePositives;
                    else
                        ++f.falseNegatives, f.errors.push_back(word + " misses " + std::to_string(id));
                }
            for (int id : ids(cols[2]))
                if (inFamily(f, id) && has(id)) {
                    ++f.falsePositives;
                    f.errors.push_back(word + " wrongly has " + std::to_string(id));
                }
        }
    }
    EXPECT_GE(words, 250);
    for (const auto& f : families) {
        const int tp = f.truePositives;
        const double precision = tp + f.falsePositives == 0 ? 1.0 : double(tp) / (tp + f.falsePositives);
        const double recall = tp + f.falseNegatives == 0 ? 1.0 : double(tp) / (tp + f.falseNegatives);
        std::ostringstream report;
        report << std::fixed << std::setprecision(3) << f.name << ": precision " << precision << " recall "
               << recall << " (" << tp << " found, " << f.falsePositives << " wrong, " << f.falseNegatives
               << " missed)";
        for (const auto& e : f.errors) report << "\n    " << e;
        std::cout << report.str() << '\n';
        EXPECT_GE(precision, 0.97) << report.str();
        EXPECT_GE(recall, 0.93) << report.str();
    }
}

TEST(AffixGold, RootFlagMarksEverydayRootWordsOnly)
{
    const auto& lex = realLexicon();
    const auto flag = [&](const std::string& w) {
        return needsNoRootStudy(w, tagAffixesRootsRules(w, lex.pronunciations(w).front(), lex), lex);
    };
    EXPECT_TRUE(flag("important"));  // PORT, but every student meets it early
    EXPECT_TRUE(flag("visit"));
    EXPECT_FALSE(flag("contradict"));  // academic: study DICT first
    EXPECT_FALSE(flag("happy"));       // no root at all
}

namespace {

TableLexicon smallLexicon()
{
    TableLexicon lex;
    lex.addWord("hop", 900, "HH AA1 P");
    lex.addWord("hope", 800, "HH OW1 P");
    lex.addWord("hopping", 0, "HH AA1 P IH0 NG");
    lex.addWord("hoping", 0, "HH OW1 P IH0 NG");
    lex.addWord("cry", 500, "K R AY1");
    lex.addWord("cried", 0, "K R AY1 D");
    lex.addWord("even", 300, "IY1 V AH0 N");
    lex.addWord("evening", 0, "IY1 V N IH0 NG");
    lex.addWord("good", 10, "G UH1 D");
    lex.addWord("bet", 700, "B EH1 T");
    lex.addWord("better", 0, "B EH1 T ER0");
    lex.addBaseForms("better", "good,well");
    return lex;
}

}  // namespace

TEST(Morphology, FindsTheBaseTheWordIsHeardOn)
{
    const auto lex = smallLexicon();
    const Morphology morph(lex);
    struct Case {
        const char* word;
        const char* suffix;
        const char* base;  // "" = none
        StemChange change;
    };
    const Case cases[] = {
        {"hopping", "ing", "hop", StemChange::Doubled},
        {"hoping", "ing", "hope", StemChange::DropE},
        {"cried", "ed", "cry", StemChange::YtoI},
        {"evening", "ing", "", StemChange::None},  // not even + ing: the sound differs
        {"better", "er", "", StemChange::None},    // the inflection list says good, not bet
    };
    for (const auto& c : cases) {
        const auto stems = morph.basesFor(c.word, c.suffix);
        if (std::string(c.base).empty()) {
            EXPECT_TRUE(stems.empty()) << c.word;
        } else {
            ASSERT_EQ(stems.size(), 1u) << c.word;
            EXPECT_EQ(stems[0].base, c.base);
            EXPECT_EQ(stems[0].change, c.change) << c.word;
        }
    }
}

TEST(Morphology, RuleTagsFollowTheSpellingChange)
{
    const auto lex = smallLexicon();
    const auto tags = [&](const std::string& w) { return tagAffixesRootsRules(w, "", lex); };
    const auto has = [](const std::vector<int>& t, int id) {
        return std::find(t.begin(), t.end(), id) != t.end();
    };
    EXPECT_TRUE(has(tags("hopping"), 159));
    EXPECT_FALSE(has(tags("hopping"), 162));
    EXPECT_TRUE(has(tags("hoping"), 162));
    EXPECT_FALSE(has(tags("hoping"), 159));
    EXPECT_TRUE(has(tags("cried"), 163));
    EXPECT_TRUE(has(tags("cried"), 230));
}
