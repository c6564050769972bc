// Tagging by sound measured on the hand-checked gold set (tests/data/gold-sounds.tsv):
// precision and recall per family of segments, with a printed table.
#include <gtest/gtest.h>
#include <map>

#include "RealLexicon.h"
#include "SoundAligner.h"
#include "VowelSounds.h"
#include "support/GoldTables.h"

namespace mw = moxlet::wordbase;

namespace {

// The families scored: a name and its ids ("10-12 17": 10, 11, 12 and 17).
const std::pair<const char*, const char*> kFamilies[] = {
    {"short vowels A E I U", "0 19 43 99"},
    {"schwa A E", "1 20"},
    {"O", "58-60"},
    {"Y", "112-115"},
    {"EA", "21-23"},
    {"EAR", "24-26"},
    {"EI", "28-29"},
    {"EY", "34-35"},
    {"IE", "44-45"},
    {"OO", "64-65"},
    {"OU", "67-70"},
    {"OUGH", "71-75"},
    {"OW", "76-77"},
    {"other vowel teams", "2 6-9 27 30 32-33 46 61-63 78 100-101"},
    {"r and w spellings", "3-5 31 47 66 82 102 105-107"},
    {"consonants", "10-18 36-42 48-57 79-81 83-98 103-104 108-111 116"},
    {"Kind Old Words", "117"},
    {"Silent E", "118"},
    {"Consonant-LE", "119"},
    {"Open Syllable", "120"},
    {"Closed Syllable", "121"},
    {"Vowel Pair", "122"},
    {"R-Controlled", "123"},
    {"Rote Words", "331"},
};

}  // namespace

TEST(SoundTaggingGold, EveryFamilyMeetsPrecisionAndRecall)
{
    std::map<std::string, mw::SoundException> exceptions;
    mw::loadSoundExceptions(std::string(MOXLET_SOURCE_DIR) + "/data/curated/aligner-exceptions.tsv",
                            exceptions);
    mw::setSoundExceptions(exceptions);
    std::vector<moxlet::test::FamilyScore> scores;
    for (const auto& [name, ids] : kFamilies) scores.push_back({name, moxlet::test::idRanges(ids)});
    int words = 0, skipped = 0;
    for (const auto& g :
         moxlet::test::readGold(std::string(MOXLET_SOURCE_DIR) + "/tests/data/gold-sounds.tsv")) {
        const mw::LexiconEntry* e = moxlet::test::realLexicon().find(g.word);
        if (!e) {
            ++skipped;
            continue;
        }
        ++words;
        const auto& first = e->pronunciations.front();
        const auto got = mw::tagSoundSegments(g.word, mw::arpabetText(first), e->syllabified);
        const std::set<int> tagged(got.begin(), got.end());
        for (auto& s : scores) s.score(g, &tagged);
        const bool right =
            std::all_of(g.present.begin(), g.present.end(), [&](int id) { return tagged.count(id); }) &&
            std::none_of(g.absent.begin(), g.absent.end(), [&](int id) { return tagged.count(id); });
        if (!right)  // how the letters were aligned with the sounds
            std::printf("  %s [%s]\n", g.word.c_str(),
                        mw::describe(mw::alignSounds(g.word, first, e->syllabified)).c_str());
    }
    mw::setSoundExceptions({});
    ASSERT_GE(words, 300) << "gold words found in the lexicon";
    moxlet::test::printHeading("Sound gold set (" + std::to_string(skipped) + " words not in the lexicon)");
    for (const auto& s : scores) {
        s.print();
        EXPECT_GE(s.precision(), 0.98) << s.name;
        EXPECT_GE(s.recall(), 0.95) << s.name;
    }
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
