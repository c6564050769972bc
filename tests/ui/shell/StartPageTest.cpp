// The start page on the main window's empty area: what it offers in an
// empty folder, with students, and with plans opened before; it hides
// while a window is open and returns when the last one closes; its first
// button opens the profile editor and a recent plan opens with one click.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "UiFixture.h"
#include "core/shell/RecentPlans.h"
#include "ui/plans/PlanWindow.h"
#include "ui/profiles/ProfileEditor.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {

QWidget* page(UiFixture& f) { return f.main->findChild<QWidget*>(QStringLiteral("StartPage")); }

std::vector<std::string> recentButtons(UiFixture& f)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 5; ++i)
        if (auto* b = f.main->findChild<QPushButton*>(QStringLiteral("RecentPlan_%1").arg(i)))
            texts.push_back(b->text().toStdString());
    return texts;
}

}  // namespace

TEST(StartPage, ShowsWhatATutorCanDoFirst)
{
    struct Row {
        const char* folder;
        bool students;
        std::vector<std::pair<int, const char*>> opened;  // plan records remembered, newest last
        bool hint;
        std::vector<std::string> recent;
    } rows[] = {
        {"empty", false, {}, true, {}},
        {"students", true, {}, false, {}},
        {"recent plans",
         true,
         {{1, "06-01-24"}, {2, "06-08-24"}, {9, "06-15-24"}},  // the third is gone
         false,
         {"&1   Lee, Ann, lesson of 06-08-24", "&2   Lee, Ann, lesson of 06-01-24"}},
    };
    for (const Row& row : rows) {
        UiFixture f;
        if (row.students) {
            f.addProfile("Lee", "Ann");
            f.addPlans({"06-01-24", "06-08-24"});
        }
        for (const auto& [record, date] : row.opened) rememberRecentPlan(f.fs, {1, record, date});
        f.start();
        ASSERT_NE(page(f), nullptr);
        EXPECT_TRUE(page(f)->isVisible()) << row.folder;
        auto* hint = child<QLabel>(f.main.get(), "StartHint");
        EXPECT_EQ(hint->isVisible(), row.hint) << row.folder;
        EXPECT_EQ(child<QPushButton>(f.main.get(), "StartNewStudent")->isEnabled(), true);
        for (const char* needsAStudent : {"StartOpenPlan", "StartWordList"})
            EXPECT_EQ(child<QPushButton>(f.main.get(), needsAStudent)->isEnabled(), row.students)
                << row.folder;
        EXPECT_EQ(recentButtons(f), row.recent) << row.folder;
        expectAccessibleNames(f.main.get());
    }
}

// The Done-when path: a fresh folder, the start page's first button, the
// profile editor; the page hides meanwhile and comes back, up to date.
TEST(StartPage, CreateAStudentOpensTheProfileEditorAndThePageReturnsWhenItCloses)
{
    UiFixture f;
    f.start();
    click(f.main.get(), "StartNewStudent");
    auto* editor = f.window<ui::ProfileEditor>();
    ASSERT_NE(editor, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(page(f)->isVisible());
    type(editor, "LastName", QStringLiteral("Lee"));
    click(editor, "OK");
    QApplication::processEvents();
    EXPECT_TRUE(page(f)->isVisible());
    EXPECT_FALSE(child<QLabel>(f.main.get(), "StartHint")->isVisible());
    EXPECT_TRUE(child<QPushButton>(f.main.get(), "StartOpenPlan")->isEnabled());
}

// A plan opened through the menu is first in the list when its window
// closes, and one click opens it again.
TEST(StartPage, APlanOpenedIsOneClickAwayAfterwards)
{
    AnnsPlanFixture f(false);
    f.addPlans({"06-01-24", "06-08-24"});
    f.main->openLessonPlanAt(1, 1);
    ui::PlanWindow* plan = f.window<ui::PlanWindow>();
    ASSERT_NE(plan, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(page(f)->isVisible());
    click(plan, "Close");
    QApplication::processEvents();
    ASSERT_TRUE(page(f)->isVisible());
    ASSERT_EQ(recentButtons(f), (std::vector<std::string>{"&1   Lee, Ann, lesson of 06-01-24"}));

    click(f.main.get(), "RecentPlan_0");
    plan = f.window<ui::PlanWindow>();
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->session().recordNo, 1);
    EXPECT_EQ(plan->session().plan.LessonDate.trimmed(), "06-01-24");
    // A save counts at once, before the window closes.
    moxlet::test::typeDate(plan, QStringLiteral("061524"));
    click(plan, "Save");
    EXPECT_EQ(readRecentPlans(f.fs).at(0), (RecentPlan{1, 1, "06-15-24"}));
}
