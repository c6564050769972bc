// Candidate collection: the record run of a segment and syllable range, the
// eligibility test with the segment-159 rule and the New admission, thinning
// from a remembered offset, and the bound on the candidate list.

#include "core/words/CandidateCollector.h"

#include <gtest/gtest.h>

#include "support/ScriptedPrompt.h"
#include "support/ScriptedRandom.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

constexpr SegmentId kSeg = 43;  // I (ĭ): not studied unless a test says so

using TestBase = moxlet::test::TestWordBase;

StudentMasks masksWith(std::initializer_list<int> studied)
{
    SegmentSet s;
    s.add(0);
    for (int id : studied) s.add(id);
    return StudentMasks::fromStudied(s);
}

Candidates collect(TestBase& tb, const StudentMasks& m, CandidateQuery q, std::int16_t& offset, Random& rnd)
{
    auto wb = tb.open();
    return collectCandidates(*wb, tb.index, m, q, offset, rnd);
}

TEST(CandidateCollector, CollectsTheEligibleRecordsOfTheRunInOrder)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 3, 2);
    tb.addBlock(kSeg, 2, 4, 0);
    tb.addBlock(kSeg, 3, 5, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.5});
    std::int16_t offset = -1;
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, offset, rnd);
    // Block 1 is records 1..5 with the ineligible ones at 1 and 3.
    EXPECT_EQ(c.records, (std::vector<std::int32_t>{2, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(c.eligible, 7);
    EXPECT_EQ(offset, 0);  // below 1000 candidates the offset becomes 0
    WordRecord w;
    ASSERT_TRUE(c.word(2, w));
    EXPECT_EQ(w.WordText.trimmed(), "w5");
    EXPECT_FALSE(c.word(7, w));
}

TEST(CandidateCollector, NewSegmentAdmitsItselfOnlyWhenAsked)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 6, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::int16_t offset = -1;
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, false}, offset, rnd).size(), 0u);
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, true}, offset, rnd).size(), 6u);
}

TEST(CandidateCollector, RuleOneOneOneAlsoAdmitsTwoOneOne)
{
    TestBase tb;
    tb.addBlock(159, 2, 4, 0, {160});
    tb.addBlock(160, 2, 4, 0, {159});
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::int16_t offset = -1;
    const StudentMasks m = masksWith({159});
    EXPECT_EQ(collect(tb, m, {159, 2, 2}, offset, rnd).size(), 4u);
    EXPECT_EQ(collect(tb, masksWith({160}), {160, 2, 2}, offset, rnd).size(), 0u);  // the rule is one-way
    EXPECT_FALSE(m.studentSet.contains(160));  // the student's sets are not changed
}

TEST(CandidateCollector, EmptyRunReadsNothing)
{
    TestBase tb;
    tb.addBlock(kSeg, 2, 3, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::int16_t offset = -1;
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kSeg, 3, 9}, offset, rnd).empty());
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kSeg, 1, 1}, offset, rnd).empty());
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kNoSegment, 1, 9}, offset, rnd).empty());
}

TEST(CandidateCollector, AWordBaseShorterThanItsIndexGivesWhatCanBeRead)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 10, 0);
    tb.closeIndex();
    tb.bytes.resize(6 * kWordRecordLength + 30);  // six whole records and a torn one
    ScriptedRandom rnd({0.0});
    std::int16_t offset = -1;
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 9}, offset, rnd);
    EXPECT_EQ(c.records, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(tb.prompt.shown().size(), 1u);
    EXPECT_EQ(tb.prompt.shown()[0].text.rfind(kWordBaseReadMessage, 0), 0u);
}

struct ThinCase {
    std::int32_t count;
    std::int16_t offsetIn;
    double rnd;
    std::int16_t offsetOut;
    std::size_t kept;
    std::int32_t firstKept;  // 0-based index of the first candidate kept
};

TEST(CandidateCollector, ThinningTable)
{
    const ThinCase cases[] = {
        {999, -1, 0.9, 0, 999, 0},                                // below 1000: nothing dropped, offset 0
        {999, 5, 0.9, 0, 999, 0},                                 // even a remembered offset becomes 0
        {1000, -1, 0.9, 0, 1000, 0},                              // step 1: the offset is always 0
        {1499, -1, 0.9, 0, 1499, 0}, {1500, -1, 0.6, 1, 750, 1},  // step 2 from the random offset 1
        {1500, -1, 0.2, 0, 750, 0},  {1500, 0, 0.9, 0, 750, 0},   // a remembered offset is kept
        {2999, -1, 0.99, 2, 999, 2},                              // step 3
        {6000, 7, 0.0, 7, 750, 7},                                // step 8
        {1000, 3, 0.0, 3, 997, 3},  // a remembered offset beyond the step still applies
    };
    for (const auto& c : cases) {
        std::vector<std::int32_t> list(static_cast<std::size_t>(c.count));
        for (std::int32_t i = 0; i < c.count; ++i) list[static_cast<std::size_t>(i)] = 1000 + i;
        std::int16_t offset = c.offsetIn;
        ScriptedRandom rnd({c.rnd});
        const auto kept = thinCandidates(list, offset, rnd);
        EXPECT_EQ(offset, c.offsetOut) << c.count << " " << c.offsetIn;
        EXPECT_EQ(kept, c.kept) << c.count << " " << c.offsetIn;
        EXPECT_EQ(list.size(), c.kept);
        EXPECT_EQ(list.front(), 1000 + c.firstKept) << c.count << " " << c.offsetIn;
        const std::int32_t step = c.count < 1000 ? 1 : c.count / 750;
        EXPECT_EQ(list.back(), 1000 + c.firstKept + static_cast<std::int32_t>(kept - 1) * step);
    }
}

TEST(CandidateCollector, NeverListsMoreThanTheBound)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 7000, 0);  // more eligible words than any list holds
    tb.addBlock(kSeg, 2, 1400, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.999});
    std::int16_t offset = -1;
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, offset, rnd);
    EXPECT_EQ(offset, 10);  // step 8400 / 750 = 11, offset 0.999 * 11 truncated = 10
    EXPECT_EQ(c.size(), static_cast<std::size_t>((8400 - 10 + 10) / 11));
    EXPECT_EQ(c.step, 11);
    EXPECT_EQ(c.eligible, 8400);
    EXPECT_LE(c.size(), static_cast<std::size_t>(kMaxCandidates));
    EXPECT_EQ(c.records.front(), 11);

    // The worst case of the bound: 1499 candidates with step 1.
    TestBase worst;
    worst.addBlock(kSeg, 1, 1499, 0);
    worst.closeIndex();
    offset = -1;
    EXPECT_EQ(collect(worst, masksWith({kSeg}), {kSeg, 1, 9}, offset, rnd).size(), 1499u);
}

}  // namespace
}  // namespace moxlet
