// "Why is this word not in my list?" against hand-worked students: each
// case gives the answer and the words a tutor reads.

#include "core/words/WordCheck.h"

#include <gtest/gtest.h>

#include "core/catalogue/Marks.h"
#include "core/words/WordCheckText.h"
#include "support/Segments.h"
#include "support/ShippedListing.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

using test::lexiconWord;
using test::LexiconWord;
using test::TestWordBase;

std::vector<LexiconWord> lexicon()
{
    using namespace seg;
    return {
        lexiconWord("cat", 1, {A_Short, C_K, T, ClosedSyllable}),
        lexiconWord("stripe", 1, {P, R, S, T, SilentE, 154 /* STR */}),
        lexiconWord("transport", 2,
                    {A_Short, N, OR, P, R, S, T, ClosedSyllable, RControlled, 149, 157, 203, 309}, true),
        lexiconWord("import", 2, {I_Short, M, OR, P, T, ClosedSyllable, RControlled, 179, 309}),
        lexiconWord(
            "forgetting", 3,
            {F, OR, G_G, E_Short, T, I_Short, NG, ClosedSyllable, RControlled, Rule111, Rule211, 245}),
        lexiconWord("said", 1, {S, D, VowelPair, RoteWords}),
        lexiconWord("i", 1, {OpenSyllable}),
    };
}

SegmentSet studied(std::initializer_list<int> ids) { return test::segmentSet(ids); }

WordCheckQuery query(const char* word, SegmentSet set, int min, int max, SegmentId segment,
                     bool newList = false)
{
    WordCheckQuery q;
    q.word = word;
    q.studied = set;
    q.syllableMin = min;
    q.syllableMax = max;
    q.segment = segment;
    q.newList = newList;
    return q;
}

// The hand-worked students.  Ava has studied the short a and i, some
// consonants and closed syllables; Bo a few consonants; Cy the words of
// transport and import and their prefixes, but no Latin root; Dee the 1-1-1
// Rule but not the 2-1-1 Rule.
const SegmentSet kAva = studied({seg::A_Short, seg::B, seg::C_K, seg::D, seg::I_Short, seg::M, seg::N, seg::P,
                                 seg::R, seg::S, seg::T, seg::ClosedSyllable});
const SegmentSet kDee = studied({seg::F, seg::OR, seg::G_G, seg::E_Short, seg::T, seg::I_Short, seg::NG,
                                 seg::ClosedSyllable, seg::RControlled, seg::Rule111, 245});

SegmentSet student(const std::string& name)
{
    if (name == "ava") return kAva;
    if (name == "bo") return studied({seg::R, seg::S, seg::T, seg::ClosedSyllable});
    if (name == "cy")
        return studied({seg::A_Short, seg::I_Short, seg::M, seg::N, seg::OR, seg::P, seg::R, seg::S, seg::T,
                        seg::ClosedSyllable, seg::RControlled, 179, 203});
    if (name == "dee") return kDee;
    SegmentSet s = kDee;
    s.remove(seg::Rule111);
    if (name == "dee-111") return s;
    if (name == "rst") return studied({seg::R, seg::S, seg::T});
    EXPECT_EQ(name, "open");
    return studied({seg::OpenSyllable});
}

// In the order of WordVerdict.
const char* const kVerdicts[] = {"Offered",        "NotInWordBase", "OutsideSyllableRange", "LacksSegment",
                                 "NeedsUnstudied", "BeyondLevel",   "ThinnedOut",           "ThinnedAtRandom",
                                 "NoListSegment",  "Unreadable"};

// Every question of tests/data/word-check/answers.tsv, answered as the
// table says: the verdict, the unstudied segments named, the text.
TEST(WordCheck, HandWorkedStudents)
{
    TestWordBase base(lexicon());
    int rows = 0;
    for (const auto& f : test::dataRows(MOXLET_TEST_DATA_DIR "/word-check/answers.tsv")) {
        ASSERT_EQ(f.size(), 8u);
        SCOPED_TRACE(f[0] + " " + f[1] + " " + f[3] + " " + f[4]);
        ++rows;
        const int min = f[2][0] - '0', max = f[2][2] - '0';
        const SegmentId segment = f[4] == "-" ? kNoSegment : test::segmentNamed(f[4]);
        const WordCheckResult r = checkWord(
            *base.wordBase, base.index, query(f[1].c_str(), student(f[0]), min, max, segment, f[3] == "New"));
        EXPECT_EQ(kVerdicts[static_cast<int>(r.verdict)], f[5]);
        std::string unstudied;
        for (SegmentId s : r.unstudied)
            unstudied += (unstudied.empty() ? "" : ", ") + displayText(segmentName(s));
        EXPECT_EQ(unstudied, f[6]);
        EXPECT_EQ(displayText(wordCheckText(r)), f[7]);
    }
    EXPECT_EQ(rows, 26);
    EXPECT_EQ(base.prompt.shown().size(), 0U);
}

// Without a segment, every list of the word's studied segments is asked.
TEST(WordCheck, WithoutASegmentEveryListOfTheWordIsAsked)
{
    TestWordBase base(lexicon());
    const WordCheckResult f =
        checkWord(*base.wordBase, base.index, query("forgetting", kDee, 1, 3, kNoSegment));
    ASSERT_EQ(f.lists.size(), 11U);  // every studied segment of the word
    for (const auto& l : f.lists) {
        EXPECT_EQ(l.verdict, l.segment == seg::Rule111 ? WordVerdict::Offered : WordVerdict::NeedsUnstudied);
        if (l.segment != seg::Rule111) {
            EXPECT_EQ(l.unstudied, std::vector<SegmentId>{seg::Rule211});
        }
    }
}

// A long list: 1531 words of T and Closed Syllable, then "bat", so that
// "bat" is candidate 1532 of 1532 in both runs.
std::vector<LexiconWord> longLexicon(int fillers)
{
    std::vector<LexiconWord> words;
    for (int i = 0; i < fillers; ++i) {
        std::string text = "t";
        for (int n = i, k = 0; k < 3; ++k, n /= 26) text += static_cast<char>('a' + n % 26);
        words.push_back(lexiconWord(text, 1, {seg::T, seg::ClosedSyllable}));
    }
    words.push_back(lexiconWord("bat", 1, {seg::A_Short, seg::B, seg::T, seg::ClosedSyllable}));
    return words;
}

TEST(WordCheck, ThinnedLongLists)
{
    TestWordBase base(longLexicon(1531));
    const SegmentSet s = studied({seg::A_Short, seg::B, seg::T, seg::ClosedSyllable});
    auto q = query("bat", s, 1, 1, seg::ClosedSyllable);

    q.thinOffset = 0;
    WordCheckResult r = checkWord(*base.wordBase, base.index, q);
    EXPECT_EQ(r.verdict, WordVerdict::ThinnedOut);
    EXPECT_EQ(r.thinning.candidates, 1532);
    EXPECT_EQ(r.thinning.position, 1532);
    EXPECT_EQ(r.thinning.step, 2);
    EXPECT_EQ(r.thinning.includingOffset, 1);
    EXPECT_EQ(wordCheckText(r),
              "\x93"
              "bat\x94 was left out when the long list of Closed Syllable words (1,532 words) was "
              "thinned to "
              "every 2nd word; it is in the list that starts at offset 1 (this plan uses offset 0).");

    q.thinOffset = 1;
    EXPECT_EQ(checkWord(*base.wordBase, base.index, q).verdict, WordVerdict::Offered);

    q.thinOffset = -1;  // the word list tool: a fresh offset each time
    r = checkWord(*base.wordBase, base.index, q);
    EXPECT_EQ(r.verdict, WordVerdict::ThinnedAtRandom);
    EXPECT_EQ(wordCheckText(r), "\x93"
                                "bat\x94 is in the long list of Closed Syllable words (1,532 "
                                "words), which is thinned to every "
                                "2nd word from a random start each time the list is made: a list "
                                "that starts at offset 1 holds it (1 "
                                "chance in 2), so making the list again may bring it in.");

    // Without a segment every long list is a fresh one; B's list is short.
    r = checkWord(*base.wordBase, base.index, query("bat", s, 1, 1, kNoSegment));
    EXPECT_EQ(r.verdict, WordVerdict::Offered);
    EXPECT_EQ(wordCheckText(r), "\x93"
                                "bat\x94 is offered in the Review lists of A (\xB2), B. It may "
                                "also be in the long lists of T (1 "
                                "chance in 2) and Closed Syllable (1 in 2), which are thinned from "
                                "a new random start each time a list "
                                "is made.");
}

TEST(WordCheck, ARememberedOffsetBeyondTheStepStillApplies)
{
    TestWordBase base(longLexicon(1199));  // 1200 candidates in a run of 1200 records
    auto q = query("bat", studied({seg::A_Short, seg::B, seg::T, seg::ClosedSyllable}), 1, 1, seg::T);
    q.thinOffset = 3;
    q.word = "taaa";  // candidate 1
    const WordCheckResult r = checkWord(*base.wordBase, base.index, q);
    EXPECT_EQ(r.verdict, WordVerdict::ThinnedOut);
    EXPECT_EQ(wordCheckText(r), "\x93taaa\x94 was left out of the long list of T words (1,200 "
                                "words) because this plan's list starts at "
                                "offset 3; it is in the list that starts at offset 0.");
}

TEST(WordCheck, ReadsOnlyTheSegmentsRunWhenTheWordIsInIt)
{
    TestWordBase base(longLexicon(1531));
    const auto q = query("bat", studied({seg::B}), 1, 1, seg::B);
    const WordCheckResult r = checkWord(*base.wordBase, base.index, q);
    EXPECT_EQ(r.verdict, WordVerdict::NeedsUnstudied);
    EXPECT_EQ(r.recordsRead, recordRun(base.index, seg::B, 1, 9).size());
}

TEST(WordCheck, NormalizedWordAndKeySegments)
{
    EXPECT_EQ(normalizedWord("  Cat *"), "cat");
    EXPECT_EQ(normalizedWord("meet*"), "meet*");  // a mark stands after a blank
    EXPECT_EQ(normalizedWord("I"), "i");

    // The phonograms spelled in the word, by the letters of their names, and Rote Words.
    auto has = [](const std::vector<SegmentId>& keys, int s) {
        return std::find(keys.begin(), keys.end(), s) != keys.end();
    };
    const auto knight = keySegments("knight");
    for (int s : {seg::KN, seg::K, seg::N, seg::I_Short, seg::IGH, seg::G_G, seg::G_J, seg::GH_G, seg::H,
                  seg::T, seg::RoteWords})
        EXPECT_TRUE(has(knight, s)) << s;
    for (int s : {seg::GN, seg::IE_LongI, seg::OpenSyllable}) EXPECT_FALSE(has(knight, s)) << s;
    // A word of one letter may be explained by its open syllable alone.
    EXPECT_TRUE(has(keySegments("i"), seg::OpenSyllable));
    EXPECT_TRUE(has(keySegments("i"), seg::I_Short));
}

}  // namespace
}  // namespace moxlet
