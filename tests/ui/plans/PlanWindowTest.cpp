// Lesson plans driven as a tutor drives them: from the menu through the
// choosers to a saved plan and back, the close question, the skills
// application, deleting plans, and the menu after every window closes.
#include "ui/plans/PlanWindow.h"

#include <QLabel>
#include <QStatusBar>

#include "UiFixture.h"
#include "core/output/PlanText.h"
#include "ui/common/CellGrid.h"
#include "ui/plans/DeletePlansDialog.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/SkillsDialog.h"
#include "ui/profiles/StudentChooser.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::type;
using moxlet::test::typeDate;
using Fixture = moxlet::test::AnnsPlanFixture;

namespace {

const char* const kPlanAndProfile[] = {"mnuPlan_0",     "mnuPlan_1",      "mnuPlan_2",
                                       "mnuDelPlan",    "mnuProfile_0",   "mnuProfile_1",
                                       "mnuDelProfile", "mnuHomoOptions", "mnuPrintOptions"};

}  // namespace

TEST(PlanWindow, ATutorCreatesAPlanSavesItAndFindsItAgainTomorrow)
{
    Fixture f;
    PlanWindow* w = f.w;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Lesson Plan for Ann Lee[*]"));
    EXPECT_EQ(w->objectName(), QStringLiteral("Plan"));
    for (const char* e : kPlanAndProfile) EXPECT_FALSE(f.enabled(e)) << e;
    EXPECT_TRUE(f.enabled("mnuExit"));
    EXPECT_EQ(child<QLineEdit>(w, "LessonDate")->displayText(), QStringLiteral("__-__-__"));
    auto* save = child<QPushButton>(w, "Save");
    EXPECT_FALSE(save->isEnabled());
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_FALSE(child<QPushButton>(w, QStringLiteral("Cmd2X_%1").arg(slot).toLatin1())->isEnabled());
        EXPECT_FALSE(child<QPushButton>(w, QStringLiteral("Cmd4X_%1").arg(slot).toLatin1())->isEnabled());
    }

    typeDate(w, QStringLiteral("09142"));
    EXPECT_FALSE(save->isEnabled());  // the last digit is missing
    typeDate(w, QStringLiteral("091426"));
    EXPECT_TRUE(save->isEnabled());

    click(w, "ReadCmd");
    auto* skills = w->findChild<SkillsDialog*>();
    ASSERT_NE(skills, nullptr);
    EXPECT_EQ(skills->windowTitle(), QStringLiteral("Skills Application"));
    auto* pages = child<QLineEdit>(skills, "BookPage");
    EXPECT_FALSE(pages->isEnabled());
    type(skills, "Sent_0", QStringLiteral("The cat sat on the mat."));
    type(skills, "Sent_9", QStringLiteral("The tenth sentence."));
    type(skills, "BookName", QStringLiteral("Frog and Toad"));
    EXPECT_TRUE(pages->isEnabled());
    type(skills, "BookPage", QStringLiteral("4-9"));
    click(skills, "OK");
    EXPECT_EQ(w->readGrid()->cell(0, 0), QStringLiteral("The cat sat on the mat."));
    EXPECT_EQ(w->readGrid()->cell(9, 0), QStringLiteral("Book:  Frog and Toad    Page(s):  4-9"));

    EXPECT_TRUE(w->parentWidget()->isWindowModified());  // the caption's "*"
    click(w, "Save");
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_FALSE(w->parentWidget()->isWindowModified());
    EXPECT_EQ(child<QStatusBar>(f.main.get(), "StatusBar")->currentMessage(),
              QStringLiteral("Saved the lesson plan of 09-14-26 (Lee, Ann)."));
    click(w, "Close");  // saved: no question
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(f.plan(), nullptr);
    for (const char* e : kPlanAndProfile) EXPECT_TRUE(f.enabled(e)) << e;

    auto stored = listPlans(f.ctx, 1);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].date, "09-14-26");
    EXPECT_EQ(stored[0].plan.Sentence[9].trimmed(), "The tenth sentence.");

    // Reopen: everything as saved, no question on closing.
    w = f.openPlan(0, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->session().isNew);
    EXPECT_EQ(child<QLineEdit>(w, "LessonDate")->displayText(), QStringLiteral("09-14-26"));
    EXPECT_TRUE(child<QPushButton>(w, "Save")->isEnabled());
    EXPECT_EQ(w->readGrid()->cell(9, 0), QStringLiteral("Book:  Frog and Toad    Page(s):  4-9"));
    click(w, "ReadCmd");
    skills = w->findChild<SkillsDialog*>();
    ASSERT_NE(skills, nullptr);
    EXPECT_EQ(child<QLineEdit>(skills, "BookName")->text(), QStringLiteral("Frog and Toad"));
    EXPECT_EQ(child<QLineEdit>(skills, "BookPage")->text(), QStringLiteral("4-9"));
    EXPECT_EQ(child<QLineEdit>(skills, "Sent_9")->text(), QStringLiteral("The tenth sentence."));
    click(skills, "Cancel");
    click(w, "Close");
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(f.plan(), nullptr);
}

// Cancel at the save question cancels the Close button, E&xit and the
// close box alike: the program runs on with the plan and the change in it.
TEST(PlanWindow, TheCloseQuestionKeepsWorkUntilTheTutorDecides)
{
    Fixture f;
    PlanWindow* w = f.w;
    typeDate(w, QStringLiteral("0914"));  // the year is still missing
    EXPECT_TRUE(w->session().changed);

    // Cancel: stays open.
    f.prompt.answer(Answer::Cancel);
    click(w, "Close");
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].text, "Save changes to the lesson plan?");
    EXPECT_EQ(f.prompt.shown()[0].title, "Close Lesson Plan");
    EXPECT_EQ(f.prompt.shown()[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(f.plan(), w);
    for (bool exit : {true, false}) {
        f.prompt.clear();
        f.prompt.answer(Answer::Cancel);
        if (exit)
            f.trigger("mnuExit");
        else
            EXPECT_FALSE(f.main->close());
        EXPECT_EQ(f.texts(), std::vector<std::string>{"Save changes to the lesson plan?"});
        EXPECT_TRUE(f.main->isVisible());
        ASSERT_EQ(f.plan(), w);
        EXPECT_TRUE(w->session().changed);
        EXPECT_EQ(child<QLineEdit>(w, "LessonDate")->displayText(), QStringLiteral("09-14-__"));
    }

    // Yes with an incomplete date: told, stays open, the date has the focus.
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(w, "Close");
    EXPECT_EQ(f.texts(), (std::vector<std::string>{
                             "Save changes to the lesson plan?",
                             "The Lesson Date field must be entered before saving a Lesson Plan."}));
    EXPECT_EQ(f.prompt.shown()[1].title, "Save Lesson Plan");
    EXPECT_EQ(f.plan(), w);
    EXPECT_EQ(w->focusWidget(), child<QLineEdit>(w, "LessonDate"));
    EXPECT_FALSE(std::filesystem::exists(f.file("PLNS0001.DAT")));

    // No: closes without saving.
    f.prompt.clear();
    f.prompt.answer(Answer::No);
    click(w, "Close");
    EXPECT_EQ(f.plan(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(f.file("PLNS0001.DAT")));

    // Yes with a complete date saves, then closes.
    w = f.newPlan();
    ASSERT_NE(w, nullptr);
    typeDate(w, QStringLiteral("100126"));
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(w, "Close");
    EXPECT_EQ(f.plan(), nullptr);
    ASSERT_EQ(listPlans(f.ctx, 1).size(), 1u);
    EXPECT_EQ(listPlans(f.ctx, 1)[0].date, "10-01-26");

    // No at E&xit ends the program without saving.
    w = f.newPlan();
    ASSERT_NE(w, nullptr);
    typeDate(w, QStringLiteral("1102"));
    f.prompt.clear();
    f.prompt.answer(Answer::No);
    f.trigger("mnuExit");
    EXPECT_FALSE(f.main->isVisible());
    EXPECT_EQ(listPlans(f.ctx, 1).size(), 1u);
}

TEST(PlanWindow, TheDateFillsFromItsFirstGapAndMustBeOnTheCalendar)
{
    Fixture f;
    PlanWindow* w = f.w;
    auto* date = child<QLineEdit>(w, "LessonDate");
    auto* problem = child<QLabel>(w, "DateProblem");
    // A click into the middle of the empty box, with and without the focus.
    for (int i = 0; i < 2; ++i) {
        date->clear();
        QTest::mouseClick(date, Qt::LeftButton, {}, date->rect().center());
        QApplication::processEvents();
        QTest::keyClicks(date, QStringLiteral("0615"));
        EXPECT_EQ(date->displayText(), QStringLiteral("06-15-__")) << i;
    }
    // A click on a digit already typed corrects it.
    QTest::mouseClick(date, Qt::LeftButton, {}, QPoint(2, date->height() / 2));
    QTest::keyClicks(date, QStringLiteral("1"));
    EXPECT_EQ(date->displayText(), QStringLiteral("16-15-__"));

    // Which dates are on the calendar, and the problem's words: PlanSessionTest.
    const std::pair<const char*, const char*> dates[] = {
        {"133024", "13-30-24 is not a date: the month comes first and must be 01 to 12."},
        {"022924", ""},
    };
    for (const auto& [digits, why] : dates) {
        f.prompt.clear();
        typeDate(w, QString::fromLatin1(digits));
        EXPECT_EQ(problem->isVisibleTo(w), *why != 0) << digits;
        EXPECT_EQ(problem->text().toStdString(), why);
        click(w, "Save");
        EXPECT_EQ(f.texts(), *why ? std::vector<std::string>{why} : std::vector<std::string>{}) << digits;
        EXPECT_EQ(listPlans(f.ctx, 1).size(), *why ? 0u : 1u) << digits;
    }
}

TEST(PlanWindow, SkillsOkMarksThePlanChangedAndCancelDoesNot)
{
    Fixture f;
    PlanWindow* w = f.w;
    click(w, "ReadCmd");
    click(w->findChild<SkillsDialog*>(), "Cancel");
    EXPECT_FALSE(w->session().changed);
    click(w, "ReadCmd");
    auto* skills = w->findChild<SkillsDialog*>();
    type(skills, "BookName", QStringLiteral("Frog"));
    type(skills, "BookPage", QStringLiteral("12"));
    auto* title = child<QLineEdit>(skills, "BookName");
    title->selectAll();
    QTest::keyClick(title, Qt::Key_Delete);  // clearing the title empties the pages
    EXPECT_FALSE(child<QLineEdit>(skills, "BookPage")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(skills, "BookPage")->text().isEmpty());
    type(skills, "Sent_3", QStringLiteral("Four."));
    click(skills, "Clear");
    EXPECT_TRUE(child<QLineEdit>(skills, "Sent_3")->text().isEmpty());
    click(skills, "OK");  // nothing edited, still a change
    EXPECT_TRUE(w->session().changed);
}

TEST(PlanWindow, DeletingTheMiddleOfThreePlansKeepsTheOthersInOrder)
{
    Fixture f(false);
    for (const char* date : {"010126", "020226", "030326"}) {
        PlanWindow* w = f.newPlan();
        ASSERT_NE(w, nullptr);
        typeDate(w, QString::fromLatin1(date));
        click(w, "Save");
        click(w, "Close");
    }
    ASSERT_EQ(listPlans(f.ctx, 1).size(), 3u);

    f.trigger("mnuDelPlan");
    auto* dialog = f.window<DeletePlansDialog>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Delete Lesson Plans"));
    clickLine(dialog->studentList(), 0);
    ASSERT_EQ(dialog->planList()->count(), 3);
    EXPECT_EQ(dialog->planList()->item(0)->text(), QStringLiteral("03-03-26"));  // newest first
    QTest::mouseDClick(dialog->planList()->viewport(), Qt::LeftButton, {},
                       dialog->planList()->visualItemRect(dialog->planList()->item(1)).center());
    QApplication::processEvents();
    EXPECT_EQ(listPlans(f.ctx, 1).size(), 3u);  // a double click deletes nothing

    f.prompt.answer(Answer::No);
    click(dialog, "Del");
    EXPECT_EQ(listPlans(f.ctx, 1).size(), 3u);
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(dialog, "Del");
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].text, "Are you sure you want to delete the selected Lesson Plan(s)?");
    EXPECT_EQ(f.prompt.shown()[0].title, "Delete");
    auto left = listPlans(f.ctx, 1);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].date, "03-03-26");
    EXPECT_EQ(left[0].record, 2);
    EXPECT_EQ(left[1].date, "01-01-26");
    EXPECT_EQ(left[1].record, 1);
    EXPECT_FALSE(std::filesystem::exists(f.file("PLNSTEMP.DAT")));
    ASSERT_EQ(dialog->planList()->count(), 2);  // listed afresh, with the new numbers

    // Nothing chosen: told, nothing deleted.
    f.prompt.clear();
    dialog->planList()->clearSelection();
    dialog->deleteSelected();
    EXPECT_EQ(f.texts(), std::vector<std::string>{
                             "You must choose a student and a lesson plan date before clicking Delete."});
    click(dialog, "Close");
    for (const char* e : kPlanAndProfile) EXPECT_TRUE(f.enabled(e)) << e;
}

TEST(PlanWindow, ChoosersAskForAChoiceAndCancelRestoresTheMenu)
{
    Fixture f(false);
    f.trigger("mnuPlan_1");
    auto* chooser = f.window<PlanChooser>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Select Lesson Plan"));
    clickLine(chooser->studentList(), 0);
    EXPECT_EQ(chooser->planList()->count(), 0);
    click(chooser, "OK");
    EXPECT_EQ(f.texts(), std::vector<std::string>{
                             "You must choose a student and a lesson plan date before clicking OK."});
    EXPECT_TRUE(chooser->isVisible());
    click(chooser, "Cancel");
    for (const char* e : kPlanAndProfile) EXPECT_TRUE(f.enabled(e)) << e;

    f.trigger("mnuPlan_0");
    click(f.window<StudentChooser>(), "Cancel");
    for (const char* e : kPlanAndProfile) EXPECT_TRUE(f.enabled(e)) << e;
}

TEST(PlanWindow, CopyPutsTheSavedPlansTextOnTheClipboard)
{
    Fixture f;
    PlanWindow* w = f.w;
    w->session().plan.AuditorySegments[0] = 1;
    w->session().plan.ReviewSegments[0] = 3;
    w->session().spellWord(0, 0).assign("cab");
    w->session().spellTag(0, 0) = kTypedWord;
    typeDate(w, QStringLiteral("091426"));
    click(w, "Save");
    click(w, "Copy");
    // What moxlet-cli plan-text prints for the saved plan.
    const auto stored = listPlans(f.ctx, 1);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(f.clipboard.text.toStdString(), planText({"Ann", "Lee", stored[0].plan, f.options.values, 0}));
    EXPECT_NE(f.clipboard.text.indexOf(QStringLiteral("LESSON PLAN for Ann Lee")), -1);
}
