// Tagging by sound measured on the hand-checked gold set (tests/data/gold-sounds.tsv):
// precision and recall per family of segments, with a printed table.
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

#include "SoundAligner.h"
#include "VowelSounds.h"

namespace mw = moxlet::wordbase;

namespace {

struct LexiconLine {
    std::string pronunciations, syllabified;
};

std::vector<std::string> columns(const std::string& line)
{
    std::vector<std::string> cols;
    std::string col;
    std::istringstream in(line);
    while (std::getline(in, col, '\t')) cols.push_back(col);
    return cols;
}

std::set<int> ids(const std::string& field)
{
    std::set<int> out;
    std::string item;
    std::istringstream in(field);
    while (std::getline(in, item, ','))
        if (!item.empty()) out.insert(std::stoi(item));
    return out;
}

const std::map<std::string, LexiconLine>& lexicon()
{
    static const std::map<std::string, LexiconLine> lex = [] {
        std::map<std::string, LexiconLine> m;
        std::ifstream in(std::string(MOXLET_SOURCE_DIR) + "/data/lexicon.tsv");
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            auto c = columns(line);
            if (c.size() >= 3) m[c[0]] = {c[2], c.size() >= 5 ? c[4] : ""};
        }
        return m;
    }();
    return lex;
}

struct Family {
    const char* name;
    std::set<int> members;
};

const std::vector<Family>& families()
{
    static const std::vector<Family> f = {
        {"short vowels A E I U", {0, 19, 43, 99}},
        {"schwa A E", {1, 20}},
        {"O", {58, 59, 60}},
        {"Y", {112, 113, 114, 115}},
        {"EA", {21, 22, 23}},
        {"EAR", {24, 25, 26}},
        {"EI", {28, 29}},
        {"EY", {34, 35}},
        {"IE", {44, 45}},
        {"OO", {64, 65}},
        {"OU", {67, 68, 69, 70}},
        {"OUGH", {71, 72, 73, 74, 75}},
        {"OW", {76, 77}},
        {"other vowel teams", {2, 6, 7, 8, 9, 27, 30, 32, 33, 46, 61, 62, 63, 78, 100, 101}},
        {"r and w spellings", {3, 4, 5, 31, 47, 66, 82, 102, 105, 106, 107}},
        {"consonants", {10, 11, 12, 13, 14, 15, 16, 17, 18, 36,  37,  38,  39,  40,  41,  42, 48, 49,
                        50, 51, 52, 53, 54, 55, 56, 57, 79, 80,  81,  83,  84,  85,  86,  87, 88, 89,
                        90, 91, 92, 93, 94, 95, 96, 97, 98, 103, 104, 108, 109, 110, 111, 116}},
        {"Kind Old Words", {117}},
        {"Silent E", {118}},
        {"Consonant-LE", {119}},
        {"Open Syllable", {120}},
        {"Closed Syllable", {121}},
        {"Vowel Pair", {122}},
        {"R-Controlled", {123}},
        {"Rote Words", {331}},
    };
    return f;
}

struct Score {
    int tp = 0, fn = 0, fp = 0, tn = 0;
    double precision() const { return tp + fp == 0 ? 1.0 : double(tp) / (tp + fp); }
    double recall() const { return tp + fn == 0 ? 1.0 : double(tp) / (tp + fn); }
};

struct GoldRun {
    std::map<std::string, Score> scores;
    std::vector<std::string> failures;
    int words = 0, skipped = 0;
};

GoldRun runGold()
{
    GoldRun run;
    std::map<std::string, mw::SoundException> exceptions;
    mw::loadSoundExceptions(std::string(MOXLET_SOURCE_DIR) + "/data/curated/aligner-exceptions.tsv",
                            exceptions);
    mw::setSoundExceptions(exceptions);
    std::ifstream in(std::string(MOXLET_SOURCE_DIR) + "/tests/data/gold-sounds.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        auto c = columns(line);
        c.resize(3);
        const auto it = lexicon().find(c[0]);
        if (it == lexicon().end()) {
            ++run.skipped;
            continue;
        }
        ++run.words;
        const auto got = mw::tagSoundSegments(c[0], it->second.pronunciations, it->second.syllabified);
        const std::set<int> tagged(got.begin(), got.end());
        std::string wrong;
        for (int id : ids(c[1])) {
            for (const auto& f : families())
                if (f.members.count(id)) (tagged.count(id) ? run.scores[f.name].tp : run.scores[f.name].fn)++;
            if (!tagged.count(id)) wrong += " missing " + std::to_string(id);
        }
        for (int id : ids(c[2])) {
            for (const auto& f : families())
                if (f.members.count(id)) (tagged.count(id) ? run.scores[f.name].fp : run.scores[f.name].tn)++;
            if (tagged.count(id)) wrong += " extra " + std::to_string(id);
        }
        if (!wrong.empty()) {
            const auto first = it->second.pronunciations.substr(0, it->second.pronunciations.find('|'));
            run.failures.push_back(c[0] + ":" + wrong + "   [" +
                                   mw::describe(mw::alignSounds(c[0], moxlet::wordbase::parsePhones(first),
                                                                it->second.syllabified)) +
                                   "]");
        }
    }
    mw::setSoundExceptions({});
    return run;
}

}  // namespace

TEST(SoundTaggingGold, EveryFamilyMeetsPrecisionAndRecall)
{
    const GoldRun run = runGold();
    ASSERT_GE(run.words, 300) << "gold words found in the lexicon";
    std::printf("%-24s %5s %5s %5s %9s %7s\n", "family", "tp", "fn", "fp", "precision", "recall");
    for (const auto& f : families()) {
        const Score s = run.scores.count(f.name) ? run.scores.at(f.name) : Score{};
        std::printf("%-24s %5d %5d %5d %8.1f%% %6.1f%%\n", f.name, s.tp, s.fn, s.fp, 100 * s.precision(),
                    100 * s.recall());
        EXPECT_GE(s.precision(), 0.98) << f.name;
        EXPECT_GE(s.recall(), 0.95) << f.name;
    }
    std::printf("%d gold words, %d not in the lexicon\n", run.words, run.skipped);
    for (const auto& w : run.failures) std::printf("  %s\n", w.c_str());
}

// Spellings that look alike must come out by their sound.
TEST(SoundTagging, LookAlikesTakeTheirSound)
{
    struct Case {
        const char* word;
        const char* arpabet;
        const char* syllabified;
        int present, absent;
    };
    const Case cases[] = {
        {"meat", "M IY1 T", "", 21, 22},
        {"bread", "B R EH1 D", "", 22, 21},
        {"great", "G R EY1 T", "", 23, 21},
        {"moon", "M UW1 N", "", 64, 65},
        {"book", "B UH1 K", "", 65, 64},
        {"go", "G OW1", "", 59, 60},
        {"do", "D UW1", "", 60, 59},
        {"hot", "HH AA1 T", "", 58, 59},
        {"son", "S AH1 N", "", 331, 58},
        {"happy", "HH AE1 P IY0", "HH AE1 . P IY0", 113, 112},
        {"my", "M AY1", "", 112, 113},
        {"gym", "JH IH1 M", "", 114, 112},
        {"kind", "K AY1 N D", "", 117, 331},
        {"pint", "P AY1 N T", "", 331, 117},
        // The u of qu is a consonant: the syllable is closed, not a vowel pair.
        {"squash", "S K W AA1 SH", "", 121, 122},
        {"quantity", "K W AA1 N T AH0 T IY0", "K W AA1 N . T AH0 . T IY0", 121, 122},
    };
    for (const auto& c : cases) {
        const auto got = mw::tagSoundSegments(c.word, c.arpabet, c.syllabified);
        const std::set<int> s(got.begin(), got.end());
        EXPECT_TRUE(s.count(c.present)) << c.word << " lacks " << c.present;
        EXPECT_FALSE(s.count(c.absent)) << c.word << " has " << c.absent;
    }
}

// Syllables are divided as tutors divide them: a consonant after a stressed
// short vowel closes its syllable, a long vowel leaves it open.
TEST(SoundTagging, SyllableDivision)
{
    const auto lemon = mw::alignSounds("lemon", mw::parsePhones("L EH1 M AH0 N"), "L EH1 . M AH0 N");
    const auto robot = mw::alignSounds("robot", mw::parsePhones("R OW1 B AA2 T"), "R OW1 . B AA2 T");
    ASSERT_EQ(lemon.syllables, 2);
    EXPECT_EQ(lemon.units[2].syllable, 0) << mw::describe(lemon);  // lem-on
    EXPECT_EQ(robot.units[2].syllable, 1) << mw::describe(robot);  // ro-bot
}

TEST(SoundTagging, ExceptionsAddAndRemove)
{
    mw::setSoundExceptions({{"cat", mw::SoundException{{331}, {121}}}});
    const auto got = mw::tagSoundSegments("cat", "K AE1 T", "");
    mw::setSoundExceptions({});
    const std::set<int> s(got.begin(), got.end());
    EXPECT_TRUE(s.count(331));
    EXPECT_FALSE(s.count(121));
}
