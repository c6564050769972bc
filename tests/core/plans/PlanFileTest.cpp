#include <gtest/gtest.h>

#include "support/DataDirFixture.h"

using namespace moxlet;
using enum moxlet::PlanSection;
using moxlet::test::DataDir;

namespace {

// A student in record 1 with plans dated as given, appended in order.
struct PlanDir : DataDir {
    PlanDir() { putProfiles({profile(1, "Ames", "Ann", {0, 1, 2, 3, 4})}); }
    void savePlans(std::initializer_list<const char*> dates)
    {
        std::vector<LessonPlan> plans;
        for (const char* d : dates) plans.push_back(plan(listProfiles(ctx)[0].profile, d));
        putPlans(1, plans);
    }
};

}  // namespace

TEST(PlanFile, DeletingPlansKeepsTheOthersInOrderRenumbered)
{
    struct Case {
        std::vector<std::int32_t> deleted;
        std::vector<std::string> left;  // oldest first, as records 1, 2, ...
    };
    const Case cases[] = {
        {{1}, {"02-02-26", "03-03-26", "04-04-26"}},
        {{2}, {"01-01-26", "03-03-26", "04-04-26"}},
        {{4}, {"01-01-26", "02-02-26", "03-03-26"}},
        {{1, 3}, {"02-02-26", "04-04-26"}},
        {{}, {"01-01-26", "02-02-26", "03-03-26", "04-04-26"}},
        {{9}, {"01-01-26", "02-02-26", "03-03-26", "04-04-26"}},  // no such plan
    };
    for (const Case& c : cases) {
        PlanDir d;
        d.savePlans({"01-01-26", "02-02-26", "03-03-26", "04-04-26"});
        ASSERT_TRUE(deletePlans(d.ctx, 1, c.deleted));
        auto plans = listPlans(d.ctx, 1);
        ASSERT_EQ(plans.size(), c.left.size());
        for (std::size_t i = 0; i < c.left.size(); ++i) {
            const PlanEntry& e = plans[plans.size() - 1 - i];  // listed newest first
            EXPECT_EQ(e.record, static_cast<std::int32_t>(i + 1));
            EXPECT_EQ(e.date, c.left[i]);
        }
        EXPECT_FALSE(d.fs.exists(kPlanTempFileName));
        EXPECT_TRUE(d.prompt.shown().empty());
    }
}

TEST(PlanFile, DeletingEveryPlanLeavesNeitherFile)
{
    PlanDir d;
    d.savePlans({"01-01-26", "02-02-26"});
    d.fs.put(kPlanTempFileName, {1, 2, 3});  // left by an earlier program
    ASSERT_TRUE(deletePlans(d.ctx, 1, {1, 2}));
    EXPECT_FALSE(d.fs.exists("PLNS0001.DAT"));
    EXPECT_FALSE(d.fs.exists(kPlanTempFileName));
    EXPECT_EQ(planCount(d.ctx, 1), 0);
}

TEST(PlanFile, NewPlanRecordStartsBlank)
{
    StudentProfile s = DataDir::profile(7, "A", "", {3});
    s.SyllableMin = 2;
    s.SyllableMax = 3;
    LessonPlan p = newPlanRecord(s);
    EXPECT_EQ(p.ProfileNo, 7);
    EXPECT_EQ(std::string(p.LessonDate.bytes().data(), 8), "  -  -  ");
    EXPECT_EQ(p.SyllableMin, 2);
    EXPECT_EQ(p.SyllableMax, 3);
    EXPECT_EQ(p.PlanStudiedSegments, s.StudiedSegments);
    EXPECT_EQ(p.NewSegments[4], -1);
    EXPECT_EQ(p.SpellingThinOffset[14], -1);
    EXPECT_EQ(p.ListWordPos[1][3][39], -1);
    EXPECT_EQ(p.FormatVersion, kFormatVersion);
    EXPECT_EQ(p.InUse, 1);
}

TEST(PlanFile, SectionEntriesArePositionsInTheStudiedOrUnstudiedList)
{
    LessonPlan p = newPlanRecord(DataDir::profile(1, "A", "", {2, 5, 9}));
    p.AuditorySegments[0] = 2;  // Studied = 2, 5, 9
    p.AuditorySegments[1] = 3;  // beyond the list: left out
    p.NewSegments[0] = 0;       // Unstudied = 0, 1, 3, 4, 6, ...
    p.NewSegments[1] = 4;
    EXPECT_EQ(sectionSegmentIds(p, Auditory), (std::vector<SegmentId>{9}));
    EXPECT_EQ(sectionSegmentIds(p, New), (std::vector<SegmentId>{0, 6}));
    EXPECT_TRUE(sectionSegmentIds(p, Review).empty());
    auto lists = planSegmentLists(p.PlanStudiedSegments);
    EXPECT_EQ(lists.Studied.size() + lists.Unstudied.size(), 332u);
}
