// The open plan: starting and opening plans, saving them (and crediting the
// student with the New segments), the lesson date rules, the reading line
// of the skills application, the questions of the word dialogs, and the
// plan file: deleting plans and what a new plan record holds.

#include "core/plans/PlanSession.h"

#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "core/plans/LessonDate.h"
#include "core/plans/PlanWordCheck.h"
#include "core/plans/ReadingLine.h"
#include "support/DataDirFixture.h"

using namespace moxlet;
using enum moxlet::PlanSection;
using moxlet::test::DataDir;

namespace {

// A student in record 1 who has studied segments 0..4; the New picker's list
// starts with segments 5, 6, ... so position p is segment 5 + p.
struct PlanDir : DataDir {
    PlanDir()
    {
        putProfiles({profile(1, "Ames", "Ann", {0, 1, 2, 3, 4})});
        session.student = listProfiles(ctx)[0].profile;
    }
    // Plans dated as given, appended in order.
    void savePlans(std::initializer_list<const char*> dates)
    {
        std::vector<LessonPlan> plans;
        for (const char* d : dates) plans.push_back(plan(session.student, d));
        putPlans(1, plans);
    }
    LessonPlan saveNew(const std::string& date)
    {
        EXPECT_TRUE(beginNewPlan(ctx, session));
        session.plan.LessonDate.assign(date);
        EXPECT_TRUE(savePlan(ctx, session, options.values));
        return session.plan;
    }
};

}  // namespace

// A new plan starts from the student's range and studied set.
TEST(PlanSession, TheFirstPlanCreatesTheFileAndLaterOnesAppend)
{
    PlanDir d;
    d.session.student.SyllableMin = 2;
    d.session.student.SyllableMax = 4;
    EXPECT_EQ(planCount(d.ctx, 1), 0);
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    EXPECT_TRUE(d.session.isNew);
    EXPECT_EQ(d.session.recordNo, 1);
    EXPECT_EQ(d.session.fileName, "PLNS0001.DAT");
    EXPECT_FALSE(d.fs.exists("PLNS0001.DAT"));  // looking creates nothing
    const LessonPlan& p = d.session.plan;
    EXPECT_EQ(p.SyllableMin, 2);
    EXPECT_EQ(p.SyllableMax, 4);
    EXPECT_EQ(std::string(p.LessonDate.bytes().data(), 8), "  -  -  ");
    EXPECT_EQ(d.session.lists.Studied, (std::vector<SegmentId>{0, 1, 2, 3, 4}));
    EXPECT_EQ(d.session.lists.Unstudied.front(), 5);
    EXPECT_EQ(d.session.lists.Unstudied.size(), 327u);
    EXPECT_TRUE(d.session.masks.studentSet.contains(3));
    EXPECT_FALSE(d.session.masks.studentSet.contains(5));
    d.session.plan.LessonDate.assign("01-05-26");
    ASSERT_TRUE(savePlan(d.ctx, d.session, d.options.values));
    EXPECT_FALSE(d.session.isNew);
    EXPECT_EQ(planCount(d.ctx, 1), 1);
    d.session.plan.LessonDate.assign("01-06-26");
    ASSERT_TRUE(savePlan(d.ctx, d.session, d.options.values));  // same plan again: same record
    EXPECT_EQ(planCount(d.ctx, 1), 1);
    d.saveNew("01-12-26");
    d.saveNew("01-19-26");
    EXPECT_EQ(planCount(d.ctx, 1), 3);

    auto plans = listPlans(d.ctx, 1);
    ASSERT_EQ(plans.size(), 3u);
    EXPECT_EQ(plans[0].date, "01-19-26");
    EXPECT_EQ(plans[0].record, 3);
    EXPECT_EQ(plans[2].date, "01-06-26");
    EXPECT_EQ(plans[2].plan.PlanStudiedSegments.word(24) & 0x6000, 0x6000);
}

TEST(PlanSession, SavingCreditsTheNewSegmentsAndStoresEverySection)
{
    PlanDir d;
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    PlanSession& s = d.session;
    s.plan.NewSegments[0] = 12;  // Unstudied[12] = 17
    s.plan.NewSegments[2] = 25;  // Unstudied[25] = 30
    s.plan.ReviewSegments[1] = 4;
    s.spellWord(1, 1).assign("ship");
    s.spellTag(1, 1) = kTypedWord;
    s.listWord(New, 0, 39).assign("stamp");
    s.listPos(New, 0, 39) = 12;
    s.plan.Sentence[kReadingLine].assign(composeReadingLine("Frog", "4-9"));
    s.thinOffset(Review, 2) = 77;
    s.plan.LessonDate.assign("02-03-26");
    d.options.values.NewListSize = 2;
    s.changed = true;
    ASSERT_TRUE(savePlan(d.ctx, s, d.options.values));
    EXPECT_FALSE(s.changed);
    EXPECT_TRUE(d.prompt.shown().empty());

    // Segment 17 is bit 0x0004 of word 2, 30 is bit 0x0001 of word 3: in
    // memory and in PROFILES.DAT.
    for (const StudentProfile& p : {s.student, listProfiles(d.ctx)[0].profile}) {
        EXPECT_EQ(p.StudiedSegments.word(2) & 0x0004, 0x0004);
        EXPECT_EQ(p.StudiedSegments.word(3) & 0x0001, 0x0001);
        EXPECT_TRUE(p.StudiedSegments.contains(4));
        EXPECT_FALSE(p.StudiedSegments.contains(18));
    }
    auto plans = listPlans(d.ctx, 1);
    ASSERT_EQ(plans.size(), 1u);
    const LessonPlan& stored = plans[0].plan;
    EXPECT_EQ(stored, s.plan);
    EXPECT_EQ(stored.SpellWord[5].trimmed(), "ship");
    EXPECT_EQ(stored.SpellWordTag[5], kTypedWord);
    EXPECT_EQ(stored.ListWord[1][0][39].trimmed(), "stamp");
    EXPECT_EQ(stored.PlanNewListSize, 2);
    EXPECT_EQ(stored.PlanReviewListSize, 1);
    EXPECT_EQ(stored.ReviewThinOffset[2], 77);
    // The plan keeps the studied set it was made with.
    EXPECT_FALSE(stored.PlanStudiedSegments.contains(17));

    // Opened again tomorrow, it is the same plan.
    PlanSession again;
    again.student = listProfiles(d.ctx)[0].profile;
    ASSERT_TRUE(openPlan(d.ctx, again, 1));
    EXPECT_FALSE(again.isNew);
    EXPECT_EQ(again.plan, s.plan);
    EXPECT_EQ(again.slotName(New, 0), segmentName(17));
    EXPECT_EQ(again.slotName(Review, 1), segmentName(4));
    EXPECT_EQ(again.slotName(Review, 0), "");
    EXPECT_EQ(parseReadingLine(again.plan.Sentence[kReadingLine].trimmed()).pages, "4-9");
}

TEST(PlanSession, AFailedPlanWriteKeepsTheWorkAndLeavesTheStudentUncredited)
{
    PlanDir d;
    ASSERT_TRUE(beginNewPlan(d.ctx, d.session));
    d.session.plan.NewSegments[0] = 12;
    d.session.changed = true;
    d.fs.setReadOnly("PLNS0001.DAT.NEW");
    EXPECT_FALSE(savePlan(d.ctx, d.session, d.options.values));
    EXPECT_TRUE(d.session.changed);
    EXPECT_TRUE(d.session.isNew);
    EXPECT_EQ(d.session.plan.NewSegments[0], 12);
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(
        d.prompt.shown()[0].text,
        "Unable to write to Student's plan file." +
            std::string("  File access was denied.  The file has been defined as read-only or hidden."));
    EXPECT_FALSE(d.session.student.StudiedSegments.contains(17));
    EXPECT_FALSE(listProfiles(d.ctx)[0].profile.StudiedSegments.contains(17));
}

TEST(PlanSession, ADamagedPlanOpensWithWhatCouldBeRead)
{
    PlanDir d;
    LessonPlan p = DataDir::plan(d.session.student, "0\x01-0\x02-26");
    p.ReviewSegments[0] = 3;
    p.ReviewSegments[1] = 40;  // the student's Studied list has 5 entries
    p.ProfileNo = 9;           // another student's number
    d.putPlans(1, {p});
    Problems problems;
    const int writes = d.fs.mutationSteps();
    ASSERT_TRUE(openPlan(d.ctx, d.session, 1, &problems));
    EXPECT_EQ(d.fs.mutationSteps(), writes);  // opening writes nothing
    EXPECT_EQ(d.session.plan.ProfileNo, 1);
    EXPECT_EQ(d.session.plan.ReviewSegments[0], 3);
    EXPECT_EQ(d.session.plan.ReviewSegments[1], -1);
    EXPECT_EQ(d.session.plan.LessonDate.trimmed(), "0 -0 -26");
    EXPECT_EQ(problems.size(), 3u);

    // A profile number beyond 9999 keeps no plans.
    PlanSession far;
    far.student.ProfileNo = 10000 % 32768;
    EXPECT_FALSE(beginNewPlan(d.ctx, far));
    EXPECT_EQ(d.prompt.shown().size(), 1u);
}

TEST(LessonDate, UnfilledPositionsAreBlanksWhateverTheBoxShows)
{
    struct Case {
        const char* shown;
        const char* stored;
        bool complete;
        bool empty;
    };
    const Case cases[] = {
        {"__-__-__", "  -  -  ", false, true},  {"  -  -  ", "  -  -  ", false, true},
        {"09-14-26", "09-14-26", true, false},  {"09-14-2_", "09-14-2 ", false, false},
        {"09-14-_6", "09-14- 6", false, false}, {"_9-14-26", " 9-14-26", false, false},
        {"", "  -  -  ", false, true},          {"09-14", "09-14-  ", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storedLessonDate(c.shown), c.stored) << c.shown;
        EXPECT_EQ(lessonDateComplete(storedLessonDate(c.shown)), c.complete) << c.shown;
        EXPECT_EQ(lessonDateEmpty(storedLessonDate(c.shown)), c.empty) << c.shown;
    }
}

TEST(LessonDate, ACompleteDateMustBeOnTheCalendar)
{
    const std::pair<const char*, const char*> cases[] = {
        {"02-29-24", ""},
        {"02-29-00", ""},
        {"12-31-99", ""},
        {"02-3 -23", ""},  // not complete yet
        {"13-05-24", "13-05-24 is not a date: the month comes first and must be 01 to 12."},
        {"00-05-24", "00-05-24 is not a date: the month comes first and must be 01 to 12."},
        {"06-31-24", "06-31-24 is not a date: the day must be 01 to 30 in June."},
        {"01-00-24", "01-00-24 is not a date: the day must be 01 to 31 in January."},
        {"02-29-23", "02-29-23 is not a date: the day must be 01 to 28 in February 2023."},
        {"02-30-24", "02-30-24 is not a date: the day must be 01 to 29 in February 2024."},
    };
    for (const auto& [date, problem] : cases) EXPECT_EQ(lessonDateProblem(date), problem) << date;
}

TEST(ReadingLine, ComposedAndParsedBackAsTheDialogShowsIt)
{
    struct Case {
        const char* title;
        const char* pages;
        const char* line;
    };
    const Case cases[] = {
        {"Frog and Toad", "4-9", "Book:  Frog and Toad    Page(s):  4-9"},
        {"Frog and Toad", "", "Book:  Frog and Toad"},
        {"Frog and Toad  ", "  ", "Book:  Frog and Toad"},
        {"", "12", ""},
        {"A", "1", "Book:  A    Page(s):  1"},
        {"Page(s): the sequel", "3", "Book:  Page(s): the sequel    Page(s):  3"},
    };
    for (const Case& c : cases) {
        const std::string line = composeReadingLine(c.title, c.pages);
        EXPECT_EQ(line, c.line) << c.title;
        const BookReading back = parseReadingLine(line);
        if (std::string(c.title).find("Page(s)") == std::string::npos) {
            EXPECT_EQ(back.title, line.empty() ? "" : composeReadingLine(c.title, "").substr(7)) << c.title;
            EXPECT_EQ(back.pages, line.find("Page(s)") == std::string::npos ? "" : c.pages) << c.title;
        }
    }
    // A line of another shape is kept whole as the title.
    EXPECT_EQ(parseReadingLine("Read chapter 3").title, "Read chapter 3");
}

TEST(PlanWordCheck, AsksAboutTheListTheDialogShows)
{
    PlanSession s;
    s.student = test::DataDir::profile(1, "Ames", "Ann", {0, 1, 2, 3, 4});
    s.plan = newPlanRecord(s.student);
    s.plan.SyllableMin = 2;
    s.plan.SyllableMax = 3;
    s.plan.ReviewSegments[1] = 2;    // studied list position 2: segment 2
    s.plan.NewSegments[0] = 0;       // unstudied list position 0: segment 5
    s.plan.SpellingSegments[3] = 4;  // segment 4
    s.plan.ReviewThinOffset[1] = 3;
    s.plan.NewThinOffset[0] = 5;
    s.plan.NewThinOffset[1] = 6;
    s.plan.SpellingThinOffset[3] = 7;
    s.prepare();

    // The word, the list's segment, whether it is New, its offset and the plan's range.
    using Asked = std::tuple<std::string, SegmentId, bool, std::int16_t, int, int>;
    const auto asked = [&](const WordCheckQuery& q) {
        EXPECT_EQ(q.studied, s.plan.PlanStudiedSegments);
        return Asked{q.word, q.segment, q.newList, q.thinOffset, q.syllableMin, q.syllableMax};
    };
    EXPECT_EQ(asked(planListQuery(s, Review, 1, "cat")), (Asked{"cat", 2, false, 3, 2, 3}));
    EXPECT_EQ(asked(planListQuery(s, New, 0, "cat")), (Asked{"cat", 5, true, 5, 2, 3}));
    EXPECT_EQ(asked(spellingRowQuery(s, 3, "cat")), (Asked{"cat", 4, false, 7, 2, 3}));
}

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
        {{1, 2, 3, 4}, {}},                                       // neither file is left
    };
    for (const Case& c : cases) {
        PlanDir d;
        d.savePlans({"01-01-26", "02-02-26", "03-03-26", "04-04-26"});
        d.fs.put(kPlanTempFileName, {1, 2, 3});  // left by an earlier program
        ASSERT_TRUE(deletePlans(d.ctx, 1, c.deleted));
        EXPECT_EQ(d.fs.exists("PLNS0001.DAT"), !c.left.empty());
        EXPECT_EQ(planCount(d.ctx, 1), static_cast<int>(c.left.size()));
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
