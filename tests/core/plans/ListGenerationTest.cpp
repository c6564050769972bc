// Word-list generation from the arithmetic of picking and thinning, with a
// scripted random source: which words a slot gets, where its list comes from
// when segments are reordered, the counts shown, and the questions asked
// when a plan was made under another list size.  A property over the
// shipped word base: every generated word is one the student can decode.

#include "core/plans/ListGeneration.h"

#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "core/words/CandidateCollector.h"
#include "support/ScriptedRandom.h"
#include "support/Segments.h"
#include "support/ShippedWordBase.h"
#include "support/TestWordBase.h"

namespace moxlet {
using enum moxlet::PlanSection;
namespace {

constexpr SegmentId kSeg = 43;  // I (short i)

// A plan whose student studied A (short a), I and `named`: Review slot 0
// names `named`.
PlanSession reviewPlan(SegmentId named = kSeg)
{
    PlanSession session;
    session.student.ProfileNo = 1;
    session.student.SyllableMin = 1;
    session.student.SyllableMax = 9;
    session.student.StudiedSegments = test::studiedSet({0, kSeg, named});
    session.plan = newPlanRecord(session.student);
    session.prepare();
    const auto& studied = session.lists.Studied;
    session.plan.ReviewSegments[0] =
        static_cast<std::int16_t>(std::find(studied.begin(), studied.end(), named) - studied.begin());
    return session;
}

std::vector<std::int16_t> positions(const PlanSession& s, PlanSection kind, int slot)
{
    std::vector<std::int16_t> out;
    for (int k = 0; k < kListPositions && s.listPos(kind, slot, k) != kEmptyCell; ++k)
        out.push_back(s.listPos(kind, slot, k));
    return out;
}

std::vector<std::int16_t> range(int first, int count, int step)
{
    std::vector<std::int16_t> out;
    for (int i = 0; i < count; ++i) out.push_back(static_cast<std::int16_t>(first + i * step));
    return out;
}

TEST(ListGeneration, PicksAtAnEvenStepFromARandomStart)
{
    struct Case {
        int eligible;
        int sizeOption;  // 1: 40 words, 2: 24
        std::vector<double> rnd;
        std::vector<std::int16_t> expected;
        std::int16_t offsetAfter;
    };
    const Case cases[] = {
        {30, 2, {0.9}, range(0, 24, 1), 0},   // at least N: step 30 / 24 = 1, the first 24
        {60, 2, {0.0}, range(0, 24, 2), 0},   // step 2 from 0
        {60, 2, {0.6}, range(1, 24, 2), 0},   // step 2 from 1
        {10, 1, {0.9}, range(0, 10, 1), 0},   // fewer than N: all of them
        {0, 1, {0.9}, {}, 0},                 // none (seven it cannot take)
        {80, 1, {0.99}, range(1, 40, 2), 0},  // 40 words, step 2 from 1
    };
    for (const Case& c : cases) {
        test::TestWordBase tb;
        tb.addBlock(kSeg, 1, c.eligible, c.eligible >= 7 ? 7 : 0);  // some it cannot take, interleaved
        tb.closeIndex();
        auto wb = tb.open();
        PlanSession s = reviewPlan();
        Options o;
        o.ReviewListSize = static_cast<std::int16_t>(c.sizeOption);
        ScriptedRandom rnd(c.rnd);
        const int n = generateSlot(s, Review, 0, wb.get(), tb.index, o, rnd);
        EXPECT_EQ(n, static_cast<int>(c.expected.size())) << c.eligible;
        EXPECT_EQ(positions(s, Review, 0), c.expected) << c.eligible;
        EXPECT_EQ(s.thinOffset(Review, 0), c.offsetAfter) << c.eligible;
        // A slot with a list keeps it: only its words are counted.
        EXPECT_EQ(generateSlot(s, Review, 0, wb.get(), tb.index, o, rnd), n);
    }
}

TEST(ListGeneration, LongListsAreThinnedFromAnOffsetThePlanRemembers)
{
    for (const auto& [offsetIn, rnd, offsetOut] :
         {std::tuple{-1, 0.6, 1}, std::tuple{-1, 0.2, 0}, std::tuple{0, 0.9, 0}, std::tuple{1, 0.0, 1}}) {
        test::TestWordBase tb;
        tb.addBlock(kSeg, 2, 1500, 0);
        tb.closeIndex();
        auto wb = tb.open();
        PlanSession s = reviewPlan();
        s.thinOffset(Review, 0) = static_cast<std::int16_t>(offsetIn);
        Options o;  // 40 words
        // The thinning draws first (when it must), then the pick: 750 / 40 = 18.
        ScriptedRandom random(offsetIn < 0 ? std::vector<double>{rnd, 0.5} : std::vector<double>{0.5});
        EXPECT_EQ(generateSlot(s, Review, 0, wb.get(), tb.index, o, random), 40);
        EXPECT_EQ(s.thinOffset(Review, 0), offsetOut);
        EXPECT_EQ(positions(s, Review, 0), range(9, 40, 18));  // start 0.5 * 18 = 9
        // Position k of the thinned list is record offset + 1 + 2k.
        EXPECT_EQ(s.listWord(Review, 0, 0).trimmed(), "w" + std::to_string(offsetOut + 1 + 2 * 9));
    }
}

// The level filter comes before thinning and picking: 60 everyday and 60
// common words among 1380 wider ones still make full lists of 40 at
// Everyday and Common (filtering the list thinned at Wider would leave about
// 30 everyday words), and no word above the level.
TEST(ListGeneration, AListAtALevelIsFullWhenTheLevelHasWordsEnough)
{
    test::TestWordBase tb;
    for (int n = 1; n <= 1500; ++n)
        tb.levels["w" + std::to_string(n)] = n % 25 == 0   ? WordLevel::Everyday
                                             : n % 25 == 1 ? WordLevel::Common
                                                           : WordLevel::Wider;
    tb.addBlock(kSeg, 2, 1500, 0);
    tb.closeIndex();
    auto wb = tb.open();
    for (WordLevel upTo : {WordLevel::Everyday, WordLevel::Common, WordLevel::Wider}) {
        PlanSession s = reviewPlan();
        Options o;  // 40 words
        o.OfferUpTo = upTo;
        SeededRandom random(3);
        ASSERT_EQ(generateSlot(s, Review, 0, wb.get(), tb.index, o, random), 40) << levelName(upTo);
        for (int k = 0; k < 40; ++k) {
            const std::string word = s.listWord(Review, 0, k).trimmed();
            EXPECT_TRUE(offeredUpTo(tb.levels.at(word), upTo)) << word << " at " << levelName(upTo);
        }
    }
}

TEST(ListGeneration, HomophoneMarksAreCutToTwentyCharacters)
{
    SegmentSet homophone = test::segmentSet({kSeg, seg::A_Short, seg::HomophoneFlag});
    struct Case {
        int mode;
        std::string word;
        std::string listed;
    };
    // 18 letters and the mark fill 20; of 19 only the blank fits; 20 take no mark.
    const Case cases[] = {{1, "pair", "pair *"},
                          {2, "pair", "pair *"},
                          {0, "pair", "pair"},
                          {1, "abcdefghijklmnopqr", "abcdefghijklmnopqr *"},
                          {1, "abcdefghijklmnopqrs", "abcdefghijklmnopqrs "},
                          {1, "abcdefghijklmnopqrst", "abcdefghijklmnopqrst"}};
    for (const Case& c : cases) {
        test::TestWordBase tb;
        tb.addWords(kSeg, 1, {{c.word, homophone}});
        tb.closeIndex();
        auto wb = tb.open();
        PlanSession s = reviewPlan();
        Options o;
        o.HomophoneMode = static_cast<std::int16_t>(c.mode);
        ScriptedRandom rnd({0.0});
        generateSlot(s, Review, 0, wb.get(), tb.index, o, rnd);
        EXPECT_EQ(std::string(s.listWord(Review, 0, 0).bytes().data(), 20),
                  c.listed + std::string(20 - c.listed.size(), ' '))
            << c.word;
    }
}

TEST(ListGeneration, TheOneOneOneRuleAlsoTakesTwoOneOneWords)
{
    test::TestWordBase tb;
    tb.addBlock(seg::Rule111, 2, 5, 0, {seg::Rule211});
    tb.closeIndex();
    auto wb = tb.open();
    PlanSession s = reviewPlan(seg::Rule111);
    ScriptedRandom rnd({0.0});
    EXPECT_EQ(generateSlot(s, Review, 0, wb.get(), tb.index, Options{}, rnd), 5);
    EXPECT_FALSE(s.masks.studentSet.contains(seg::Rule211));
}

TEST(ListGeneration, ReorderedSegmentsKeepTheirListsAndOffsetsOnlyWhenMovedEarlier)
{
    PlanSession s = reviewPlan();
    auto mark = [&](int slot, const char* word) {
        blankList(s, Review, slot);
        s.listWord(Review, slot, 0).assign(word);
        s.listPos(Review, slot, 0) = 0;
        s.thinOffset(Review, slot) = static_cast<std::int16_t>(slot + 1);
    };
    struct Case {
        std::array<std::int16_t, 4> previous;
        std::array<std::int16_t, 4> now;
        std::array<const char*, 4> lists;  // "" for a blank list
        std::array<std::int16_t, 4> offsets;
    };
    const Case cases[] = {
        {{10, 11, 12, 13}, {11, 12, 13, -1}, {"b", "c", "d", ""}, {2, 3, 4, -1}},  // the first removed
        {{10, 11, 12, 13}, {10, 12, 13, -1}, {"a", "c", "d", ""}, {1, 3, 4, -1}},
        {{10, 11, 12, -1}, {11, 10, 12, -1}, {"b", "", "c", "d"}, {2, -1, 3, 4}},  // 10 moved later: new list
        {{10, 11, -1, -1}, {10, 11, 14, -1}, {"a", "b", "", "d"}, {1, 2, -1, 4}},  // an added segment
        {{10, 11, 12, 13}, {10, 11, 12, 13}, {"a", "b", "c", "d"}, {1, 2, 3, 4}},  // nothing moved
    };
    for (const Case& c : cases) {
        mark(0, "a");
        mark(1, "b");
        mark(2, "c");
        mark(3, "d");
        std::copy(c.now.begin(), c.now.end(), s.plan.ReviewSegments.begin());
        keepMovedLists(s, Review, c.previous);
        for (int slot = 0; slot < 4; ++slot) {
            const auto at = static_cast<std::size_t>(slot);
            EXPECT_EQ(s.listWord(Review, slot, 0).trimmed(), c.lists[at]) << slot << " of case " << c.now[0];
            EXPECT_EQ(s.thinOffset(Review, slot), c.offsets[at]) << slot << " of case " << c.now[0];
        }
    }
}

TEST(ListGeneration, CountsAreRightAlignedForTheSummary)
{
    EXPECT_EQ(countText(0), "   0");
    EXPECT_EQ(countText(9), "   9");
    EXPECT_EQ(countText(10), " 10");
    EXPECT_EQ(countText(40), " 40");
}

TEST(ListGeneration, PlansMadeUnderOtherSizesAreOfferedNewLists)
{
    PlanSession s = reviewPlan();
    s.listWord(Review, 0, 0).assign("kept");
    s.listPos(Review, 0, 0) = 0;
    Options o;  // 40 words
    s.plan.PlanReviewListSize = 1;
    EXPECT_TRUE(regenerationQuestion(s, Review, o).text.empty());  // same size
    EXPECT_TRUE(regenerationQuestion(s, New, o).text.empty());     // no New segment
    s.plan.PlanReviewListSize = 2;
    const RegenerationQuestion q = regenerationQuestion(s, Review, o);
    EXPECT_EQ(q.title, "Review Word Segments");
    EXPECT_EQ(q.text,
              "This lesson plan was created with a different list size option than is currently set.  "
              "Would you like Moxlet to generate new word lists for the Review section based on the "
              "current setting?");
    o.ReviewListSize = 0;
    EXPECT_TRUE(regenerationQuestion(s, Review, o).text.empty());  // no lists wanted
    o.ReviewListSize = 1;

    // No keeps 24-word lists; after noting the sizes the question is not asked again.
    answerRegeneration(s, Review, false);
    EXPECT_EQ(s.listWord(Review, 0, 0).trimmed(), "kept");
    EXPECT_FALSE(s.changed);
    noteListSizes(s, o);
    EXPECT_TRUE(regenerationQuestion(s, Review, o).text.empty());

    // A plan made with size 0: No empties the lists, Yes makes new ones.
    s.plan.PlanReviewListSize = 0;
    EXPECT_NE(regenerationQuestion(s, Review, o).text.find("previous version of Moxlet"), std::string::npos);
    answerRegeneration(s, Review, false);
    EXPECT_EQ(s.listPos(Review, 0, 0), kEmptyCell);
    s.listPos(Review, 0, 0) = 0;
    answerRegeneration(s, Review, true);
    EXPECT_EQ(s.listPos(Review, 0, 0), kEmptyCell);
    EXPECT_TRUE(s.changed);

    // The New question lacks the "a".
    PlanSession n = reviewPlan();
    n.plan.NewSegments[0] = 0;
    n.plan.PlanNewListSize = 2;
    EXPECT_NE(regenerationQuestion(n, New, o).text.find("created with different list size option"),
              std::string::npos);
}

// Over the shipped word base: for random students, ranges, segments and
// levels offered, every generated word passes the eligibility test, fits
// the range and is no more advanced than the level.
TEST(ListGeneration, EveryGeneratedWordFitsTheStudentAndTheLevel)
{
    test::ShippedWordBase shipped;
    ASSERT_NE(shipped.wordBase, nullptr);
    SeededRandom random(20261205);
    int words = 0;
    std::array<int, 3> byLevel{};
    for (int trial = 0; trial < 60; ++trial) {
        PlanSession s;
        StudentProfile& student = s.student;
        student.ProfileNo = 1;
        student.SyllableMin = static_cast<std::int16_t>(1 + random.below(3));
        student.SyllableMax = static_cast<std::int16_t>(student.SyllableMin + random.below(4));
        const int studied = random.below(332);
        for (int k = 0; k < studied; ++k) student.StudiedSegments.add(random.below(332));
        student.StudiedSegments.setFlagBits();
        s.plan = newPlanRecord(student);
        s.prepare();
        for (PlanSection section : {Review, New}) {
            const auto& list = s.lists.forSection(section);
            if (list.empty()) continue;
            for (int slot = 0; slot < 4; ++slot)
                sectionSlots(s.plan, section)[static_cast<std::size_t>(slot)] =
                    static_cast<std::int16_t>(random.below(static_cast<int>(list.size())));
            Options o;
            o.OfferUpTo = static_cast<WordLevel>(trial % 3);
            for (int slot = 0; slot < 4; ++slot) {
                const int n =
                    generateSlot(s, section, slot, shipped.wordBase.get(), shipped.index, o, random);
                const SegmentId segment = s.slotSegment(section, slot);
                // Rebuild the same list and check every chosen word.
                std::int16_t offset = s.thinOffset(section, slot);
                const Candidates c = collectCandidates(
                    *shipped.wordBase, shipped.index, s.masks,
                    {segment, s.plan.SyllableMin, s.plan.SyllableMax, section == New, o.OfferUpTo}, offset,
                    random);
                for (int k = 0; k < n; ++k) {
                    const std::int16_t pos = s.listPos(section, slot, k);
                    WordRecord w;
                    ASSERT_TRUE(c.word(static_cast<std::size_t>(pos), w));
                    EXPECT_EQ(s.listWord(section, slot, k).trimmed(), w.WordText.trimmed());
                    EXPECT_TRUE(test::fitsList(w, s.masks, segment, section == New)) << w.WordText.trimmed();
                    EXPECT_GE(w.OrderKey, s.plan.SyllableMin);
                    EXPECT_LE(w.OrderKey, s.plan.SyllableMax);
                    EXPECT_TRUE(offeredUpTo(w.Level, o.OfferUpTo)) << w.WordText.trimmed();
                    ++byLevel[static_cast<std::size_t>(w.Level)];
                    ++words;
                }
            }
        }
    }
    EXPECT_GT(words, 900);
    EXPECT_GT(byLevel[static_cast<std::size_t>(WordLevel::Wider)], 0);  // the filter had words to leave out
    EXPECT_TRUE(shipped.prompt.shown().empty());
}

}  // namespace
}  // namespace moxlet
