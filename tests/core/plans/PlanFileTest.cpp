#include <gtest/gtest.h>

#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

TEST(PlanFile, PlanFileNamesHaveFourDigitsAndStopAt9999)
{
    EXPECT_EQ(planFileName(7), "PLNS0007.DAT");
    EXPECT_EQ(planFileName(1), "PLNS0001.DAT");
    EXPECT_EQ(planFileName(9999), "PLNS9999.DAT");
    EXPECT_FALSE(planFileName(0));
    EXPECT_FALSE(planFileName(10000));
    EXPECT_FALSE(planFileName(-3));
    EXPECT_EQ(planFileProfileNo("PLNS0042.DAT"), 42);
    EXPECT_FALSE(planFileProfileNo("PLNSTEMP.DAT"));
    EXPECT_FALSE(planFileProfileNo("PROFILES.DAT"));
}

namespace {

// A student in record 1 who has studied segments 0..4; the New picker's list
// starts with segments 5, 6, ... so position p is segment 5 + p.
struct PlanDir : DataDir {
    PlanState state;
    PlanDir()
    {
        putProfiles({profile(1, "Ames", "Ann", {0, 1, 2, 3, 4})});
        session.student = listProfiles(ctx)[0].profile;
        for (SegmentId s = 5; s < 332; ++s) state.UnstudiedList.push_back(s);
        state.StudiedSet = session.student.StudiedSegments;
    }
    LessonPlan savePlan(const std::string& date)
    {
        EXPECT_TRUE(beginNewPlan(ctx, session));
        state.LessonDate = date;
        EXPECT_TRUE(moxlet::savePlan(ctx, session, state, options.values));
        return session.plan;
    }
};

}  // namespace

TEST(PlanFile, TheFirstPlanCreatesTheFileAndLaterOnesAppend)
{
    PlanDir d;
    EXPECT_EQ(planCount(d.ctx, 1), 0);
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    EXPECT_EQ(d.session.recordNo, 1);
    EXPECT_EQ(d.session.fileName, "PLNS0001.DAT");
    EXPECT_FALSE(d.fs.exists("PLNS0001.DAT"));  // looking creates nothing
    d.state.LessonDate = "01-05-26";
    ASSERT_TRUE(savePlan(d.ctx, d.session, d.state, d.options.values));
    EXPECT_EQ(planCount(d.ctx, 1), 1);
    d.state.LessonDate = "01-06-26";
    ASSERT_TRUE(savePlan(d.ctx, d.session, d.state, d.options.values));  // same plan again: same record
    EXPECT_EQ(planCount(d.ctx, 1), 1);
    d.savePlan("01-12-26");
    d.savePlan("01-19-26");
    EXPECT_EQ(planCount(d.ctx, 1), 3);

    auto plans = listPlans(d.ctx, 1);
    ASSERT_EQ(plans.size(), 3u);
    EXPECT_EQ(plans[0].date, "01-19-26");
    EXPECT_EQ(plans[0].record, 3);
    EXPECT_EQ(plans[2].date, "01-06-26");
    EXPECT_EQ(plans[2].plan.PlanStudiedSegments.word(24) & 0x6000, 0x6000);
}

TEST(PlanFile, SavePlanWithNewSegments17And30UpdatesTheProfile)
{
    PlanDir d;
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    d.state.SectionSegments[New][0] = 12;  // UnstudiedList[12] = 17
    d.state.SectionSegments[New][2] = 25;  // UnstudiedList[25] = 30
    d.state.SectionSegments[New][3] = 400; // beyond the list: ignored
    d.state.SpellCells[5] = "ship";
    d.state.SpellTags[5] = -9;
    d.state.WordList[1][0][39] = {"stamp", 12};
    d.state.Sentences[10] = "Pages 4 to 9";
    d.options.values.NewListSize = 2;
    d.session.plan.ReviewThinOffset[2] = 77;
    d.state.PlanChanged = true;
    ASSERT_TRUE(savePlan(d.ctx, d.session, d.state, d.options.values));
    EXPECT_FALSE(d.state.PlanChanged);
    EXPECT_TRUE(d.prompt.shown().empty());

    for (const StudentProfile& p : {d.session.student, listProfiles(d.ctx)[0].profile}) {
        EXPECT_EQ(p.StudiedSegments.word(2) & 0x0004, 0x0004);
        EXPECT_EQ(p.StudiedSegments.word(3) & 0x0001, 0x0001);
        EXPECT_TRUE(p.StudiedSegments.contains(4));
        EXPECT_FALSE(p.StudiedSegments.contains(18));
    }
    auto plans = listPlans(d.ctx, 1);
    ASSERT_EQ(plans.size(), 1u);
    const LessonPlan& stored = plans[0].plan;
    EXPECT_EQ(d.session.plan.NewSegments[3], 400);  // stored as the window had it,
    EXPECT_EQ(stored.NewSegments[3], -1);            // cleared when read as a position beyond any list
    LessonPlan expected = d.session.plan;
    expected.NewSegments[3] = -1;
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(stored.NewSegments[0], 12);
    EXPECT_EQ(stored.NewSegments[1], -1);
    EXPECT_EQ(stored.SpellWord[5].trimmed(), "ship");
    EXPECT_EQ(stored.SpellWordTag[5], -9);
    EXPECT_EQ(stored.ListWord[1][0][39].trimmed(), "stamp");
    EXPECT_EQ(stored.ListWordPos[1][0][39], 12);
    EXPECT_EQ(stored.Sentence[10].trimmed(), "Pages 4 to 9");
    EXPECT_EQ(stored.PlanNewListSize, 2);
    EXPECT_EQ(stored.PlanReviewListSize, 1);
    EXPECT_EQ(stored.ReviewThinOffset[2], 77);
    EXPECT_EQ(stored.SpellingThinOffset[0], -1);
    // The plan keeps the studied set it was made with.
    EXPECT_FALSE(stored.PlanStudiedSegments.contains(17));
}

TEST(PlanFile, AFailedPlanWriteLeavesProfileAndMemoryAsTheyWere)
{
    PlanDir d;
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    d.state.SectionSegments[New][0] = 12;
    d.fs.setReadOnly("PLNS0001.DAT.NEW");
    EXPECT_FALSE(savePlan(d.ctx, d.session, d.state, d.options.values));
    EXPECT_TRUE(d.state.PlanChanged);
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(d.prompt.shown()[0].text, "Unable to write to Student's plan file." + std::string(
                                             "  File access was denied.  The file has been defined as read-only or hidden."));
    EXPECT_FALSE(d.session.student.StudiedSegments.contains(17));
    EXPECT_FALSE(listProfiles(d.ctx)[0].profile.StudiedSegments.contains(17));
}

TEST(PlanFile, DeletingTheMiddleOfThreeRenumbersTheOthers)
{
    PlanDir d;
    d.savePlan("01-01-26");
    d.savePlan("02-02-26");
    d.savePlan("03-03-26");
    ASSERT_TRUE(deletePlans(d.ctx, 1, {2}));
    auto plans = listPlans(d.ctx, 1);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].record, 2);
    EXPECT_EQ(plans[0].date, "03-03-26");
    EXPECT_EQ(plans[1].record, 1);
    EXPECT_EQ(plans[1].date, "01-01-26");
    EXPECT_FALSE(d.fs.exists(kPlanTempFileName));
}

TEST(PlanFile, DeletingEveryPlanLeavesNeitherFile)
{
    PlanDir d;
    d.savePlan("01-01-26");
    d.savePlan("02-02-26");
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

TEST(PlanFile, ProfilesBeyond9999CannotStartPlans)
{
    DataDir d;
    PlanSession session;
    session.student.ProfileNo = 10000 % 32768;
    EXPECT_FALSE(beginNewPlan(d.ctx, session));
    EXPECT_EQ(d.prompt.shown().size(), 1u);
}

TEST(PlanFile, SectionEntriesArePositionsInTheStudiedOrUnstudiedList)
{
    LessonPlan p = newPlanRecord(DataDir::profile(1, "A", "", {2, 5, 9}));
    p.AuditorySegments[0] = 2;   // Studied = 2, 5, 9
    p.AuditorySegments[1] = 3;   // beyond the list: left out
    p.NewSegments[0] = 0;        // Unstudied = 0, 1, 3, 4, 6, ...
    p.NewSegments[1] = 4;
    EXPECT_EQ(sectionSegmentIds(p, Auditory), (std::vector<SegmentId>{9}));
    EXPECT_EQ(sectionSegmentIds(p, New), (std::vector<SegmentId>{0, 6}));
    EXPECT_TRUE(sectionSegmentIds(p, Review).empty());
    auto lists = planSegmentLists(p.PlanStudiedSegments);
    EXPECT_EQ(lists.Studied.size() + lists.Unstudied.size(), 332u);
}
