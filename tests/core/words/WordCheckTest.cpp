// "Why is this word not in my list?" against hand-worked students: each
// case gives the answer and the words a tutor reads.

#include "core/words/WordCheck.h"

#include <gtest/gtest.h>

#include "WordListBase.h"
#include "core/words/WordCheckText.h"

namespace moxlet {
namespace {

using test::listedWord;
using test::ListedWord;
using test::WordListBase;

std::vector<ListedWord> lexicon()
{
    using namespace seg;
    return {
        listedWord("cat", 1, {A_Short, C_K, T, ClosedSyllable}),
        listedWord("stripe", 1, {P, R, S, T, SilentE, 154 /* STR */}),
        listedWord("transport", 2,
                   {A_Short, N, OR, P, R, S, T, ClosedSyllable, RControlled, 149, 157, 203, 309}, true),
        listedWord("import", 2, {I_Short, M, OR, P, T, ClosedSyllable, RControlled, 179, 309}),
        listedWord("forgetting", 3,
                   {F, OR, G_G, E_Short, T, I_Short, NG, ClosedSyllable, RControlled, Rule111, Rule211, 245}),
        listedWord("said", 1, {S, D, VowelPair, RoteWords}),
        listedWord("i", 1, {OpenSyllable}),
    };
}

SegmentSet studied(std::initializer_list<int> ids)
{
    SegmentSet s;
    for (int id : ids) s.add(id);
    return s;
}

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

// Ava has studied the short a and i, some consonants and closed syllables.
const SegmentSet kAva = studied({seg::A_Short, seg::B, seg::C_K, seg::D, seg::I_Short, seg::M, seg::N, seg::P,
                                 seg::R, seg::S, seg::T, seg::ClosedSyllable});

struct Case {
    const char* name;
    WordCheckQuery q;
    WordVerdict verdict;
    std::vector<SegmentId> unstudied;
    const char* text;
};

TEST(WordCheck, HandWorkedStudents)
{
    WordListBase base(lexicon());
    const SegmentSet bo = studied({seg::R, seg::S, seg::T, seg::ClosedSyllable});
    // Cy knows the words of transport and import, and their prefixes, but no Latin root.
    const SegmentSet cy = studied({seg::A_Short, seg::I_Short, seg::M, seg::N, seg::OR, seg::P, seg::R,
                                   seg::S, seg::T, seg::ClosedSyllable, seg::RControlled, 179, 203});
    // Dee has studied the 1-1-1 Rule but not the 2-1-1 Rule.
    const SegmentSet dee = studied({seg::F, seg::OR, seg::G_G, seg::E_Short, seg::T, seg::I_Short, seg::NG,
                                    seg::ClosedSyllable, seg::RControlled, seg::Rule111, 245});
    const SegmentSet deeWithout111 = [&] {
        SegmentSet s = dee;
        s.remove(seg::Rule111);
        return s;
    }();

    const Case cases[] = {
        {"offered",
         query("cat", kAva, 1, 1, seg::T),
         WordVerdict::Offered,
         {},
         "\x93"
         "cat\x94 is offered."},
        {"typed as a list shows it",
         query(" Cat * ", kAva, 1, 1, seg::T),
         WordVerdict::Offered,
         {},
         "\x93"
         "cat\x94 is offered."},
        {"not in the word base",
         query("hummed", kAva, 1, 1, seg::T),
         WordVerdict::NotInWordBase,
         {},
         "\x93hummed\x94 is not in Moxlet's word base."},
        {"too long for any word",
         query("antidisestablishmentarianism", kAva, 1, 9, seg::T),
         WordVerdict::NotInWordBase,
         {},
         "\x93"
         "antidisestablishmentarianism\x94 is not in Moxlet's word base."},
        {"outside the range, and more",
         query("transport", kAva, 1, 1, seg::T),
         WordVerdict::OutsideSyllableRange,
         {seg::OR, 203},
         "\x93transport\x94 has 2 syllables; this student's range is 1 to 1. It also needs "
         "segments this student "
         "has not studied: OR, TRANS-."},
        {"outside the range, without the segment",
         query("transport", kAva, 3, 4, seg::I_Short),
         WordVerdict::OutsideSyllableRange,
         {seg::OR, 203},
         "\x93transport\x94 has 2 syllables; this student's range is 3 to 4. It does not contain I "
         "(\xB3) either. "
         "It also needs segments this student has not studied: OR, TRANS-."},
        {"lacks the segment",
         query("cat", kAva, 1, 1, 157),
         WordVerdict::LacksSegment,
         {},
         "\x93"
         "cat\x94 does not contain TR."},
        {"one unstudied segment",
         query("stripe", kAva, 1, 1, seg::T),
         WordVerdict::NeedsUnstudied,
         {seg::SilentE},
         "\x93stripe\x94 needs a segment this student has not studied: Silent E."},
        {"two unstudied segments",
         query("stripe", bo, 1, 1, seg::T),
         WordVerdict::NeedsUnstudied,
         {seg::P, seg::SilentE},
         "\x93stripe\x94 needs segments this student has not studied: P, Silent E."},
        {"a New list admits its own segment",
         query("stripe", kAva, 1, 1, seg::SilentE, true),
         WordVerdict::Offered,
         {},
         "\x93stripe\x94 is offered."},
        {"but only its own",
         query("stripe", bo, 1, 1, seg::SilentE, true),
         WordVerdict::NeedsUnstudied,
         {seg::P},
         "\x93stripe\x94 needs a segment this student has not studied: P."},
        {"a Review list of an unstudied segment",
         query("stripe", kAva, 1, 1, seg::SilentE),
         WordVerdict::NeedsUnstudied,
         {seg::SilentE},
         "\x93stripe\x94 needs a segment this student has not studied: Silent E. A New list of "
         "Silent E would admit "
         "Silent E itself."},
        {"a root-flag word needs no root",
         query("transport", cy, 1, 2, seg::T),
         WordVerdict::Offered,
         {},
         "\x93transport\x94 is offered."},
        {"an unflagged word needs its root",
         query("import", cy, 1, 2, seg::T),
         WordVerdict::NeedsUnstudied,
         {309},
         "\x93import\x94 needs a segment this student has not studied: PORT."},
        {"the list of 1-1-1 Rule admits 2-1-1 Rule",
         query("forgetting", dee, 1, 3, seg::Rule111),
         WordVerdict::Offered,
         {},
         "\x93"
         "forgetting\x94 is offered."},
        {"other lists do not",
         query("forgetting", dee, 1, 3, seg::T),
         WordVerdict::NeedsUnstudied,
         {seg::Rule211},
         "\x93"
         "forgetting\x94 needs a segment this student has not studied: 2-1-1 Rule."},
        {"a New 1-1-1 list admits both rules",
         query("forgetting", deeWithout111, 1, 3, seg::Rule111, true),
         WordVerdict::Offered,
         {},
         "\x93"
         "forgetting\x94 is offered."},
        {"a New 2-1-1 list admits only its own",
         query("forgetting", deeWithout111, 1, 3, seg::Rule211, true),
         WordVerdict::NeedsUnstudied,
         {seg::Rule111},
         "\x93"
         "forgetting\x94 needs a segment this student has not studied: 1-1-1 Rule."},
    };
    for (const auto& c : cases) {
        const WordCheckResult r = checkWord(*base.wordBase, base.index, c.q);
        EXPECT_EQ(r.verdict, c.verdict) << c.name;
        EXPECT_EQ(r.unstudied, c.unstudied) << c.name;
        EXPECT_EQ(wordCheckText(r), c.text) << c.name;
    }
    EXPECT_EQ(base.prompt.shown().size(), 0U);
}

TEST(WordCheck, WithoutASegmentNamesTheListsThatOfferTheWord)
{
    WordListBase base(lexicon());
    const SegmentSet dee = studied({seg::F, seg::OR, seg::G_G, seg::E_Short, seg::T, seg::I_Short, seg::NG,
                                    seg::ClosedSyllable, seg::RControlled, seg::Rule111, 245});
    struct AnyCase {
        WordCheckQuery q;
        WordVerdict verdict;
        const char* text;
    };
    const AnyCase cases[] = {
        {query("cat", kAva, 1, 1, kNoSegment), WordVerdict::Offered,
         "\x93"
         "cat\x94 is offered in the Review lists of A (\xB2), C (k), T, Closed Syllable."},
        {query("forgetting", dee, 1, 3, kNoSegment), WordVerdict::Offered,
         "\x93"
         "forgetting\x94 is offered in the Review list of 1-1-1 Rule."},
        {query("stripe", kAva, 1, 1, kNoSegment), WordVerdict::NeedsUnstudied,
         "\x93stripe\x94 needs a segment this student has not studied: Silent E."},
        {query("stripe", kAva, 1, 1, kNoSegment, true), WordVerdict::Offered,
         "\x93stripe\x94 is offered in the New list of Silent E."},
        {query("stripe", studied({seg::R, seg::S, seg::T}), 1, 1, kNoSegment, true),
         WordVerdict::NeedsUnstudied,
         "\x93stripe\x94 needs segments this student has not studied: P, Silent E. A New list "
         "admits only its own "
         "segment."},
        {query("cat", kAva, 1, 1, kNoSegment, true), WordVerdict::NoListSegment,
         "\x93"
         "cat\x94 contains no segment this student has not studied, so no New list offers it."},
        {query("i", studied({seg::OpenSyllable}), 1, 1, kNoSegment), WordVerdict::Offered,
         "\x93i\x94 is offered in the Review list of Open Syllable."},
        {query("said", kAva, 1, 1, kNoSegment), WordVerdict::NeedsUnstudied,
         "\x93said\x94 needs a segment this student has not studied: Rote Words."},
    };
    for (const auto& c : cases) {
        const WordCheckResult r = checkWord(*base.wordBase, base.index, c.q);
        EXPECT_EQ(r.verdict, c.verdict) << c.q.word;
        EXPECT_EQ(wordCheckText(r), c.text) << c.q.word;
    }
    const WordCheckResult f =
        checkWord(*base.wordBase, base.index, query("forgetting", dee, 1, 3, kNoSegment));
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
std::vector<ListedWord> longLexicon(int fillers)
{
    std::vector<ListedWord> words;
    for (int i = 0; i < fillers; ++i) {
        std::string text = "t";
        for (int n = i, k = 0; k < 3; ++k, n /= 26) text += static_cast<char>('a' + n % 26);
        words.push_back(listedWord(text, 1, {seg::T, seg::ClosedSyllable}));
    }
    words.push_back(listedWord("bat", 1, {seg::A_Short, seg::B, seg::T, seg::ClosedSyllable}));
    return words;
}

TEST(WordCheck, ThinnedLongLists)
{
    WordListBase base(longLexicon(1531));
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
    WordListBase base(longLexicon(1199));  // 1200 candidates in a run of 1200 records
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
    WordListBase base(longLexicon(1531));
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
