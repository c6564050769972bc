// Candidate collection: the record run of a segment and syllable range, the
// eligibility test with the segment-159 rule and the New admission, thinning
// from a remembered offset, and the bound on the candidate list.

#include <gtest/gtest.h>

#include "words/CandidateCollector.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedRandom.h"

namespace moxlet {
namespace {

constexpr SegmentId kSeg = 43;  // I (ĭ): not studied unless a test says so

// A word base in memory: blocks of records for one segment by syllable count.
struct TestBase {
    OffsetIndex index;
    std::vector<std::uint8_t> bytes;
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    std::int32_t next = 1;

    void addRecord(const SegmentSet& segments, int syllables)
    {
        WordRecord w;
        w.OrderKey = static_cast<std::int16_t>(syllables);
        w.Length = 2;
        w.Segments = segments;
        w.WordText.assign("ab");
        const auto raw = encodeWordRecord(w, next, static_cast<std::int16_t>(next % 32768));
        bytes.insert(bytes.end(), raw.begin(), raw.end());
        ++next;
    }
    // For segment s and syllable count k: `eligible` records that a student
    // with masks() may take and `other` that contain E (ĕ) as well.
    void addBlock(SegmentId s, int k, int eligible, int other, std::initializer_list<int> extra = {})
    {
        SegmentSet yes;
        yes.add(s);
        yes.add(0);
        for (int e : extra) yes.add(e);
        SegmentSet no = yes;
        no.add(19);
        const std::int32_t first = next;
        for (int i = 0; i < eligible + other; ++i) addRecord(i % 2 == 0 && other > 0 && i / 2 < other ? no : yes, k);
        index.set(s, k - 1, first, next - 1);
    }
    // Empty blocks everywhere else, so that runs are well formed.
    void closeIndex()
    {
        for (int s = 0; s <= 331; ++s)
            for (int k = 0; k < kIndexSyllables; ++k)
                if (index.FirstRecord[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)] == 0)
                    index.set(s, k, next, next - 1);
    }
    std::unique_ptr<WordBase> wordBase()
    {
        fs.put(kWordBaseFileName, bytes);
        return WordBase::open(FileContext{fs, prompt, random});
    }
};

StudentMasks masksWith(std::initializer_list<int> studied)
{
    SegmentSet s;
    s.add(0);
    for (int id : studied) s.add(id);
    return StudentMasks::fromStudied(s);
}

std::int32_t collect(TestBase& tb, const StudentMasks& m, CandidateQuery q, std::int16_t& offset, Random& rnd,
                     std::vector<std::int32_t>& list)
{
    auto wb = tb.wordBase();
    return collectCandidates(*wb, tb.index, m, q, offset, rnd, list);
}

TEST(CandidateCollector, CollectsTheEligibleRecordsOfTheRunInOrder)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 3, 2);
    tb.addBlock(kSeg, 2, 4, 0);
    tb.addBlock(kSeg, 3, 5, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.5});
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    std::int16_t offset = -1;
    const auto n = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, offset, rnd, list);
    // Block 1 is records 1..5 with the ineligible ones at 1 and 3.
    EXPECT_EQ(n, 7);
    EXPECT_EQ(std::vector<std::int32_t>(list.begin() + 1, list.begin() + 8),
              (std::vector<std::int32_t>{2, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(offset, 0);  // below 1000 candidates the offset becomes 0
    EXPECT_EQ(list[8], 0);
}

TEST(CandidateCollector, NewSegmentAdmitsItselfOnlyWhenAsked)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 6, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    std::int16_t offset = -1;
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, false}, offset, rnd, list), 0);
    EXPECT_EQ(collect(tb, masksWith({}), {kSeg, 1, 9, true}, offset, rnd, list), 6);
}

TEST(CandidateCollector, RuleOneOneOneAlsoAdmitsTwoOneOne)
{
    TestBase tb;
    tb.addBlock(159, 2, 4, 0, {160});
    tb.addBlock(160, 2, 4, 0, {159});
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    std::int16_t offset = -1;
    const StudentMasks m = masksWith({159});
    EXPECT_EQ(collect(tb, m, {159, 2, 2}, offset, rnd, list), 4);
    EXPECT_EQ(collect(tb, masksWith({160}), {160, 2, 2}, offset, rnd, list), 0);  // the rule is one-way
    EXPECT_FALSE(m.studentSet.contains(160));  // the student's sets are not changed
}

TEST(CandidateCollector, EmptyRunReadsNothing)
{
    TestBase tb;
    tb.addBlock(kSeg, 2, 3, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.0});
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    std::int16_t offset = -1;
    EXPECT_EQ(collect(tb, masksWith({kSeg}), {kSeg, 3, 9}, offset, rnd, list), 0);
    EXPECT_EQ(collect(tb, masksWith({kSeg}), {kSeg, 1, 1}, offset, rnd, list), 0);
    EXPECT_EQ(collect(tb, masksWith({kSeg}), {kNoSegment, 1, 9}, offset, rnd, list), 0);
}

struct ThinCase {
    std::int32_t count;
    std::int16_t offsetIn;
    double rnd;
    std::int16_t offsetOut;
    std::int32_t kept;
    std::int32_t firstKept;  // 1-based index of the first candidate kept
};

TEST(CandidateCollector, ThinningTable)
{
    const ThinCase cases[] = {
        {999, -1, 0.9, 0, 999, 1},      // below 1000: nothing dropped, offset 0
        {999, 5, 0.9, 0, 999, 1},       // even a remembered offset becomes 0
        {1000, -1, 0.9, 0, 1000, 1},    // step 1: the offset is always 0
        {1499, -1, 0.9, 0, 1499, 1},
        {1500, -1, 0.6, 1, 750, 2},     // step 2 from the random offset 1
        {1500, -1, 0.2, 0, 750, 1},
        {1500, 0, 0.9, 0, 750, 1},      // a remembered offset is kept
        {2999, -1, 0.99, 2, 999, 3},    // step 3
        {6000, 7, 0.0, 7, 750, 8},      // step 8
        {1000, 3, 0.0, 3, 997, 4},      // a remembered offset beyond the step still applies
    };
    for (const auto& c : cases) {
        std::vector<std::int32_t> list(static_cast<std::size_t>(c.count) + 1);
        for (std::int32_t i = 1; i <= c.count; ++i) list[static_cast<std::size_t>(i)] = 1000 + i;
        std::int16_t offset = c.offsetIn;
        ScriptedRandom rnd({c.rnd});
        const auto kept = thinCandidates(list, c.count, offset, rnd);
        EXPECT_EQ(offset, c.offsetOut) << c.count << " " << c.offsetIn;
        EXPECT_EQ(kept, c.kept) << c.count << " " << c.offsetIn;
        EXPECT_EQ(list[1], 1000 + c.firstKept) << c.count << " " << c.offsetIn;
        const std::int32_t step = c.count < 1000 ? 1 : c.count / 750;
        EXPECT_EQ(list[static_cast<std::size_t>(kept)], 1000 + c.firstKept + (kept - 1) * step);
    }
}

TEST(CandidateCollector, LongRunsOnlyListsRunsOfUpTo1500RecordsWhole)
{
    for (const auto& [records, thinned] : {std::pair{1500, false}, std::pair{1501, true}}) {
        TestBase tb;
        tb.addBlock(kSeg, 1, records - 300, 300);  // 1200 or 1201 eligible
        tb.closeIndex();
        ScriptedRandom rnd({0.9});
        std::vector<std::int32_t> list(kCandidateSlots, 0);
        std::int16_t offset = -1;
        const auto n = collect(tb, masksWith({kSeg}), {kSeg, 1, 9, false, ThinningMode::LongRunsOnly}, offset, rnd, list);
        EXPECT_EQ(n, records - 300);  // 1000..1499 candidates: step 1 keeps all
        EXPECT_EQ(offset, thinned ? 0 : -1) << records;  // a directly listed run leaves the offset alone
    }
}

TEST(CandidateCollector, NeverWritesMoreThanTheBound)
{
    TestBase tb;
    tb.addBlock(kSeg, 1, 7000, 0);  // more eligible words than the candidate list holds
    tb.addBlock(kSeg, 2, 1400, 0);
    tb.closeIndex();
    ScriptedRandom rnd({0.999});
    std::vector<std::int32_t> list(kCandidateSlots, -7);
    std::int16_t offset = -1;
    const auto n = collect(tb, masksWith({kSeg}), {kSeg, 1, 2}, offset, rnd, list);
    EXPECT_EQ(offset, 10);  // step 8400 / 750 = 11, offset 0.999 * 11 truncated = 10
    EXPECT_EQ(n, (8400 - 10 + 10) / 11);
    EXPECT_LE(n, kMaxCandidates);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(kCandidateSlots));
    EXPECT_EQ(list[static_cast<std::size_t>(n) + 1], -7);  // nothing written past the list
    EXPECT_EQ(list[1], 11);

    // The worst case of the bound: 1499 candidates with step 1.
    TestBase worst;
    worst.addBlock(kSeg, 1, 1499, 0);
    worst.closeIndex();
    std::vector<std::int32_t> small(10, 0);  // a short table is enlarged, never overrun
    offset = -1;
    EXPECT_EQ(collect(worst, masksWith({kSeg}), {kSeg, 1, 9}, offset, rnd, small), 1499);
    EXPECT_GE(small.size(), static_cast<std::size_t>(kMaxCandidates) + 1);
}

}  // namespace
}  // namespace moxlet
