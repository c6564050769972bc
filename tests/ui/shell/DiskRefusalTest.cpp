// When the disk refuses a save, the tutor is told in the program's own
// words, the window keeps what was typed so that nothing is lost, the files
// on disk stay as they were, and the same command works once the disk
// takes writes again.  The refusal is real: a folder stands where the save
// writes its new file, which fails even for the superuser (who ignores
// permissions).
#include <QMdiSubWindow>
#include <filesystem>
#include <map>

#include "UiFixture.h"
#include "ui/options/HomophoneOptionsDialog.h"
#include "ui/plans/DeletePlansDialog.h"
#include "ui/profiles/ProfileEditor.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::type;
using moxlet::test::typeDate;
namespace fs = std::filesystem;

namespace {

using Files = std::map<std::string, std::string>;

// Lee, Ann, and the main window shown.
struct Fixture : moxlet::test::AnnsPlanFixture {
    Fixture() : AnnsPlanFixture(false) {}
    // Every file of the data folder and its bytes (folders left out).
    Files files() const
    {
        Files all;
        for (const auto& e : fs::directory_iterator(dir.path().toStdString())) {
            if (!e.is_regular_file() || e.path().filename() == "MOXLET.LCK") continue;
            all[e.path().filename().string()] = get(e.path().filename().string());
        }
        return all;
    }
    // The disk refuses to write `name`: a folder (with a file in it) stands there.
    void refuse(const std::string& name) { fs::create_directories(file(name) / "kept"); }
    void allow(const std::string& name) { fs::remove_all(file(name)); }
};

}  // namespace

TEST(DiskRefusal, AProfileThatCannotBeSavedStaysInItsEditor)
{
    Fixture f;
    const Files before = f.files();
    f.refuse("PROFILES.DAT.NEW");

    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.window<ProfileEditor>();
    ASSERT_NE(ed, nullptr);
    type(ed, "LastName", QStringLiteral("Bell"));
    type(ed, "FirstName", QStringLiteral("Bo"));
    f.prompt.clear();
    click(ed, "OK");
    ASSERT_FALSE(f.prompt.shown().empty());
    EXPECT_NE(f.prompt.shown()[0].text.find("PROFILES.DAT"), std::string::npos) << f.prompt.shown()[0].text;
    EXPECT_EQ(f.window<ProfileEditor>(), ed);
    EXPECT_EQ(child<QLineEdit>(ed, "LastName")->text(), QStringLiteral("Bell"));
    EXPECT_EQ(child<QLineEdit>(ed, "FirstName")->text(), QStringLiteral("Bo"));
    EXPECT_EQ(f.files(), before);

    f.allow("PROFILES.DAT.NEW");
    click(ed, "OK");
    EXPECT_EQ(f.window<ProfileEditor>(), nullptr);
    EXPECT_EQ(f.record(2).LastName.trimmed(), "Bell");
}

TEST(DiskRefusal, APlanThatCannotBeSavedStaysOpenAndChanged)
{
    Fixture f;
    PlanWindow* w = f.newPlan();
    ASSERT_NE(w, nullptr);
    typeDate(w, QStringLiteral("120626"));
    const Files before = f.files();
    f.refuse("PLNS0001.DAT.NEW");

    f.prompt.clear();
    click(w, "Save");
    ASSERT_FALSE(f.prompt.shown().empty());
    EXPECT_NE(f.prompt.shown()[0].text.find("plan file"), std::string::npos) << f.prompt.shown()[0].text;
    EXPECT_TRUE(w->session().changed);
    EXPECT_EQ(f.files(), before);

    // Closing asks to save; saving fails again and the window stays.
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(w, "Close");
    EXPECT_GE(f.prompt.shown().size(), 2u);
    EXPECT_EQ(f.window<PlanWindow>(), w);
    EXPECT_EQ(child<QLineEdit>(w, "LessonDate")->text(), QStringLiteral("12-06-26"));
    EXPECT_EQ(f.files(), before);

    f.allow("PLNS0001.DAT.NEW");
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(w, "Close");
    EXPECT_EQ(f.window<PlanWindow>(), nullptr);
    ASSERT_EQ(listPlans(f.ctx, 1).size(), 1u);
    EXPECT_EQ(listPlans(f.ctx, 1)[0].date, "12-06-26");
}

TEST(DiskRefusal, OptionsThatCannotBeSavedStillHoldForThisSession)
{
    Fixture f;
    f.refuse("OPTION.PRM.NEW");
    f.trigger("mnuHomoOptions");
    auto* dialog = f.window<HomophoneOptionsDialog>();
    ASSERT_NE(dialog, nullptr);
    auto* second = child<QAbstractButton>(dialog, "HomoOpt2");
    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(8, second->height() / 2));
    f.prompt.clear();
    click(dialog, "OK");
    ASSERT_FALSE(f.prompt.shown().empty());
    EXPECT_NE(f.prompt.shown()[0].text.find("OPTION.PRM"), std::string::npos) << f.prompt.shown()[0].text;
    EXPECT_EQ(f.options.values.HomophoneMode, 1);
    EXPECT_FALSE(fs::exists(f.file("OPTION.PRM")));
}

TEST(DiskRefusal, PlansThatCannotBeDeletedAreAllKept)
{
    Fixture f;
    f.addPlans({"12-01-26", "12-02-26"});
    const Files before = f.files();
    f.refuse("PLNSTEMP.DAT");

    f.trigger("mnuDelPlan");
    auto* chooser = f.window<DeletePlansDialog>();
    ASSERT_NE(chooser, nullptr);
    clickLine(chooser->studentList(), 0);
    clickLine(chooser->planList(), 0);
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(chooser, "Del");
    ASSERT_FALSE(f.prompt.shown().empty());
    EXPECT_EQ(f.prompt.shown().back().text, "Unable to delete Student's Plan file (PLNS0001.DAT).");
    EXPECT_EQ(f.files(), before);
    EXPECT_TRUE(fs::is_directory(f.file("PLNSTEMP.DAT") / "kept"));
}
