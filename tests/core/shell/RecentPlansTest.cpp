// The plans opened last: newest first, one line a plan, five at most,
// written whole or not at all, and checked against the files before they
// are shown (a deleted student or plan goes; a plan renumbered by deleting
// an older one is found by its date).
#include "core/shell/RecentPlans.h"

#include "support/DataDirFixture.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {
std::string stored(MemoryFileSystem& fs)
{
    const auto bytes = fs.get(kRecentPlansFileName);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(none)");
}
}  // namespace

TEST(RecentPlans, NewestFirstOnceEachFiveAtMost)
{
    DataDir d;
    EXPECT_TRUE(readRecentPlans(d.fs).empty());
    for (int r = 1; r <= 6; ++r)
        EXPECT_TRUE(rememberRecentPlan(d.fs, {1, r, "06-0" + std::to_string(r) + "-24"}));
    EXPECT_EQ(stored(d.fs), "1 6 06-06-24\n1 5 06-05-24\n1 4 06-04-24\n1 3 06-03-24\n1 2 06-02-24\n");
    // The same plan again moves to the top; so does a plan whose record
    // changed but whose date did not.
    rememberRecentPlan(d.fs, {1, 4, "06-04-24"});
    rememberRecentPlan(d.fs, {1, 1, "06-02-24"});
    rememberRecentPlan(d.fs, {2, 6, "06-06-24"});  // another student's
    EXPECT_EQ(stored(d.fs), "2 6 06-06-24\n1 1 06-02-24\n1 4 06-04-24\n1 6 06-06-24\n1 5 06-05-24\n");
    EXPECT_EQ(readRecentPlans(d.fs).front(), (RecentPlan{2, 6, "06-06-24"}));
}

TEST(RecentPlans, ADamagedOrUnwritableListIsQuietlyEmptyOrKept)
{
    DataDir d;
    const std::string text = "junk\n0 1 01-01-24\n3 2 05-05-24\n3\n";
    d.fs.put(kRecentPlansFileName, {text.begin(), text.end()});
    EXPECT_EQ(readRecentPlans(d.fs), (std::vector<RecentPlan>{{3, 2, "05-05-24"}}));
    d.fs.failMutationsFrom(d.fs.mutationSteps() + 1, FileErrorNo::DiskFull);
    EXPECT_FALSE(rememberRecentPlan(d.fs, {1, 1, "01-01-24"}));
    EXPECT_EQ(stored(d.fs), text);
    EXPECT_TRUE(d.prompt.shown().empty());
}

TEST(RecentPlans, LinesAreCheckedAgainstTheFiles)
{
    DataDir d;
    const StudentProfile lee = DataDir::profile(1, "Lee", "Ann"), moss = DataDir::profile(2, "Moss", "");
    d.putProfiles({lee, moss});
    d.putPlans(1, {DataDir::plan(lee, "06-01-24"), DataDir::plan(lee, "06-08-24")});
    d.putPlans(2, {DataDir::plan(moss, "06-03-24")});
    for (RecentPlan p : {RecentPlan{1, 2, "06-08-24"},   // became record 1 when the first was deleted
                         RecentPlan{2, 1, "06-03-24"},   //
                         RecentPlan{1, 3, "06-15-24"},   // deleted
                         RecentPlan{3, 1, "06-01-24"}})  // no such student
        rememberRecentPlan(d.fs, p);
    d.putPlans(1, {DataDir::plan(lee, "06-08-24")});
    const std::vector<RecentPlanLine> lines = recentPlanLines(d.ctx);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].plan, (RecentPlan{2, 1, "06-03-24"}));
    EXPECT_EQ(lines[0].student, "Moss");
    EXPECT_EQ(lines[1].plan, (RecentPlan{1, 1, "06-08-24"}));
    EXPECT_EQ(lines[1].student, "Lee, Ann");
}
