// Every window a tutor can reach, opened as a tutor opens it, and every
// control in it checked for a name a screen reader announces (the shared
// expectAccessibleNames: focusable controls, lists and grids, combo boxes'
// drop-down lists, caption-less buttons' tooltips, group titles), and its
// caption found in the manual's index, as F1 looks it up.  A new window gets
// a new row.
#include <functional>

#include "ManualIndex.h"
#include "UiFixture.h"
#include "ui/output/PrintStatus.h"
#include "ui/plans/PlanChooser.h"
#include "ui/shell/ContextHelp.h"
#include "ui/words/SegmentPickerDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::click;
using moxlet::test::clickLine;

namespace {

struct Fixture : moxlet::test::AnnsPlanFixture {
    Fixture() : AnnsPlanFixture(false) {}
    // A plan whose first Review slot (and Spelling row) holds a segment.
    PlanWindow* planWithLists()
    {
        w = newPlan();
        for (const char* section : {"Cmd_1", "Cmd_2"}) {
            click(w, section);
            auto* picker = w->findChild<SegmentPickerDialog*>();
            clickLine(picker->list(), 0);
            click(picker, "OK");
        }
        return w;
    }
    QWidget* shown(const QString& form)
    {
        QApplication::processEvents();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == form && top->isVisible()) return top;
            for (QWidget* found : top->findChildren<QWidget*>(form))
                if (found->isVisible()) return found;
        }
        return nullptr;
    }
};

struct Row {
    const char* form;
    std::function<void(Fixture&)> open;
};

}  // namespace

TEST(AccessibleNames, EveryControlOfEveryWindowHasAName)
{
    const Row rows[] = {
        {"MDIForm1", [](Fixture&) {}},  // with the start page
        {"Profile", [](Fixture& f) { f.trigger("mnuProfile_0"); }},
        {"Personal",
         [](Fixture& f) {
             f.trigger("mnuProfile_0");
             click(f.shown(QStringLiteral("Profile")), "Personal_Info");
         }},
        {"GetName", [](Fixture& f) { f.trigger("mnuProfile_1"); }},
        {"DelName", [](Fixture& f) { f.trigger("mnuDelProfile"); }},
        {"Plan", [](Fixture& f) { f.newPlan(); }},
        {"GetPlan", [](Fixture& f) { f.trigger("mnuPlan_1"); }},
        {"DelPlan", [](Fixture& f) { f.trigger("mnuDelPlan"); }},
        {"READING", [](Fixture& f) { click(f.newPlan(), "ReadCmd"); }},
        {"SelOldPh", [](Fixture& f) { click(f.newPlan(), "Cmd_1"); }},
        {"SelNewPh", [](Fixture& f) { click(f.newPlan(), "Cmd_3"); }},
        {"WordCnt", [](Fixture& f) { f.planWithLists(); }},
        {"SelWrd40", [](Fixture& f) { click(f.planWithLists(), "Cmd2X_0"); }},
        {"SelWord", [](Fixture& f) { click(f.planWithLists(), "Cmd3X_0"); }},
        {"EntrWord",
         [](Fixture& f) {
             click(f.planWithLists(), "Cmd3X_0");
             click(f.shown(QStringLiteral("SelWord")), "Type");
         }},
        {"WordCheck",
         [](Fixture& f) {
             click(f.planWithLists(), "Cmd3X_0");
             click(f.shown(QStringLiteral("SelWord")), "CheckWord");
         }},
        {"WordList", [](Fixture& f) { f.trigger("mnuPlan_2"); }},
        {"SelPhn",
         [](Fixture& f) {
             f.trigger("mnuPlan_2");
             QWidget* tool = f.shown(QStringLiteral("WordList"));
             clickLine(moxlet::test::child<QListWidget>(tool, "StudentList"), 0);
             click(tool, "PhnCmd");
         }},
        {"PrntOpts", [](Fixture& f) { f.trigger("mnuPrintOptions"); }},
        {"HomoOpts", [](Fixture& f) { f.trigger("mnuHomoOptions"); }},
        {"WordOpts", [](Fixture& f) { f.trigger("mnuWordOptions"); }},
        {"CnclPrnt", [](Fixture& f) { (new PrintStatus(f.main.get()))->show(); }},
        {"About", [](Fixture& f) { f.trigger("mnuAbout"); }},
        {"HelpWindow", [](Fixture& f) { f.trigger("mnuContents"); }},
    };
    moxlet::test::ManualIndex manual;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.form);
        Fixture f;
        row.open(f);
        QWidget* window = f.shown(QString::fromLatin1(row.form));
        ASSERT_NE(window, nullptr);
        moxlet::test::expectAccessibleNames(window);
        const QString keyword = ContextHelp::keywordFor(window, f.main.get(), f.main->mdiArea());
        if (std::string_view(row.form) != "HelpWindow") {  // F1 there leaves the page as it is
            EXPECT_TRUE(manual.hasKeyword(keyword)) << keyword.toStdString();
        }
        f.prompt.answerOthersWith([](Buttons) { return Answer::No; });  // a plan closes unsaved
    }
}
