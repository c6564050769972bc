// Candidate collection: the record run of a segment and syllable range, the
// eligibility test with the segment-159 rule and the New admission, thinning
// from a remembered offset, and the bound on the candidate list.  The
// eligibility test alone: normal mask, extended mask for words with the root
// flag, a New segment admitting itself, and the word flags never refusing.

#include "core/words/CandidateCollector.h"

#include <gtest/gtest.h>

#include "core/words/Eligibility.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedRandom.h"
#include "support/Segments.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

constexpr SegmentId kSeg = 43;  // I (ĭ): not studied unless a test says so

using TestBase = moxlet::test::TestWordBase;

StudentMasks masksWith(std::initializer_list<int> studied)
{
    SegmentSet s = test::segmentSet(studied);
    s.add(seg::A_Short);
    return StudentMasks::fromStudied(s);
}

// One collection of a fresh list (offset -1) with the random draw `rnd`;
// `offset` is left as the collection leaves it.
Candidates collect(TestBase& tb, const StudentMasks& m, CandidateQuery q, double rnd = 0.0,
                   std::int16_t* offset = nullptr)
{
    tb.closeIndex();
    std::int16_t fresh = -1;
    std::int16_t& thin = offset ? *offset : fresh;
    thin = -1;
    ScriptedRandom random({rnd});
    return collectCandidates(*tb.open(), tb.index, m, q, thin, random);
}

TEST(CandidateCollector, CollectsTheEligibleRecordsOfTheRunInOrder)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 3, 2);
    tb.addBlock(kSeg, 2, 4, 0);
    tb.addBlock(kSeg, 3, 5, 0);
    std::int16_t offset;
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, 0.5, &offset);
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
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, false}).size(), 0u);
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, true}).size(), 6u);
}

TEST(CandidateCollector, RuleOneOneOneAlsoAdmitsTwoOneOne)
{
    TestBase tb;
    tb.addBlock(159, 2, 4, 0, {160});
    tb.addBlock(160, 2, 4, 0, {159});
    const StudentMasks m = masksWith({159});
    EXPECT_EQ(collect(tb, m, {159, 2, 2}).size(), 4u);
    EXPECT_EQ(collect(tb, masksWith({160}), {160, 2, 2}).size(), 0u);  // the rule is one-way
    EXPECT_FALSE(m.studentSet.contains(160));                          // the student's sets are not changed
}

TEST(CandidateCollector, EmptyRunReadsNothing)
{
    TestBase tb;
    tb.addBlock(kSeg, 2, 3, 0);
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kSeg, 3, 9}).empty());
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kSeg, 1, 1}).empty());
    EXPECT_TRUE(collect(tb, masksWith({kSeg}), {kNoSegment, 1, 9}).empty());
}

TEST(CandidateCollector, AWordBaseShorterThanItsIndexGivesWhatCanBeRead)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 10, 0);
    tb.bytes.resize(6 * kWordRecordLength + 30);  // six whole records and a torn one
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 9});
    EXPECT_EQ(c.records, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tb.prompt.texts(),
              std::vector<std::string>{
                  "Unable to read WordBase file, WORDBASE.WDB.  This file has a nonstandard end-of-file "
                  "marker,or an attempt was made to read beyond the end-of-file marker."});
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
    std::int16_t offset;
    const Candidates c = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, 0.999, &offset);
    EXPECT_EQ(offset, 10);  // step 8400 / 750 = 11, offset 0.999 * 11 truncated = 10
    EXPECT_EQ(c.size(), static_cast<std::size_t>((8400 - 10 + 10) / 11));
    EXPECT_EQ(c.step, 11);
    EXPECT_EQ(c.eligible, 8400);
    EXPECT_LE(c.size(), static_cast<std::size_t>(kMaxCandidates));
    EXPECT_EQ(c.records.front(), 11);

    TestBase worst;  // the worst case of the bound: 1499 candidates with step 1
    worst.addBlock(kSeg, 1, 1499, 0);
    EXPECT_EQ(collect(worst, masksWith({kSeg}), {kSeg, 1, 9}, 0.999).size(), 1499u);
}

SegmentSet setOf(std::initializer_list<int> ids, std::int16_t flags = 0)
{
    SegmentSet s = test::segmentSet(ids);
    s.word(24) = static_cast<std::int16_t>(s.word(24) | flags);
    return s;
}

struct EligibilityCase {
    const char* what;
    std::initializer_list<int> word;
    std::int16_t flags;
    SegmentId admitted;
    bool eligible;
};

TEST(Eligibility, TableOfCases)
{
    // The student has studied A (ă), C (k), T, Closed Syllable, S and P.
    const StudentMasks masks = StudentMasks::fromStudied(setOf({0, 11, 93, 121, 86, 79}));
    const EligibilityCase cases[] = {
        {"all studied", {0, 11, 93, 121}, 0, kNoSegment, true},
        {"one unstudied segment", {0, 11, 93, 121, 43}, 0, kNoSegment, false},
        {"blends are always admitted", {0, 86, 93, 79, 121, 153}, 0, kNoSegment, true},
        {"vowel pair and r-controlled are always admitted", {0, 93, 122, 123}, 0, kNoSegment, true},
        {"open syllable is not", {0, 93, 120}, 0, kNoSegment, false},
        {"root refused with the normal mask", {0, 93, 309}, 0, kNoSegment, false},
        {"root admitted with the extended mask", {0, 93, 309}, kRootFlag, kNoSegment, true},
        {"the extended mask admits roots only", {0, 93, 309, 43}, kRootFlag, kNoSegment, false},
        {"homophone flag never refuses", {0, 11, 93}, kHomophoneFlag, kNoSegment, true},
        {"a New segment admits itself", {0, 11, 93, 43}, 0, 43, true},
        {"only itself", {0, 11, 93, 43, 19}, 0, 43, false},
        {"Rote Words as the New segment", {0, 93, 331}, 0, 331, true},
        {"admission with the extended mask", {0, 93, 309, 43}, kRootFlag, 43, true},
        {"Rote Words not studied", {0, 93, 331}, 0, kNoSegment, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isEligible(setOf(c.word, c.flags), masks, c.admitted), c.eligible) << c.what;
}

TEST(Eligibility, MasksHoldTheAlwaysAdmittedSegments)
{
    const StudentMasks m = StudentMasks::fromStudied(SegmentSet{});
    for (int s = 0; s <= 331; ++s) {
        const bool always = s >= 122 && s <= 158;
        const bool root = s >= 273 && s <= 330;
        EXPECT_EQ(m.studentSet.contains(s), always) << s;
        EXPECT_EQ(m.studentRootSet.contains(s), always || root) << s;
    }
    EXPECT_EQ(m.studentSet.word(24) & (kRootFlag | kHomophoneFlag), kRootFlag | kHomophoneFlag);
}

}  // namespace
}  // namespace moxlet
