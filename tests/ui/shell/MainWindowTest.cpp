// The main window: which entries a tutor can use with and without students,
// how windows that work on a student take the menu away and give it back,
// closing and exiting, and the one box that tells of damaged files.
#include <QMenu>
#include <QMenuBar>

#include "UiFixture.h"
#include "ui/common/MarkFont.h"
#include "ui/profiles/ProfileEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/shell/Program.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::UiFixture;

namespace {
const char* const kNeedAStudent[] = {"mnuPlan_0",    "mnuPlan_1",  "mnuPlan_2",
                                     "mnuProfile_1", "mnuDelPlan", "mnuDelProfile"};
const char* const kAlwaysUsable[] = {"mnuExit",        "mnuProfile_0", "mnuHomoOptions", "mnuPrintOptions",
                                     "mnuWordOptions", "mnuContents",  "mnuSearchHelp",  "mnuAbout"};
}  // namespace

TEST(MainWindow, WithoutStudentsOnlyProfileCreationOptionsHelpAndExitAreUsable)
{
    UiFixture f;
    f.start();
    EXPECT_EQ(f.main->objectName(), QStringLiteral("MDIForm1"));
    for (const char* name : kNeedAStudent) EXPECT_FALSE(f.enabled(name)) << name;
    for (const char* name : kAlwaysUsable) EXPECT_TRUE(f.enabled(name)) << name;
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(f.options.values, Options{});  // no OPTION.PRM: the defaults
    EXPECT_FALSE(std::filesystem::exists(f.file("OPTION.PRM")));

    // Every menu entry is reachable by its underlined letter, and no two
    // entries of a menu share one.
    for (QAction* head : f.main->menuBar()->actions()) {
        QSet<QKeySequence> letters;
        for (QAction* a : head->menu()->actions()) {
            if (a->isSeparator()) continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
            EXPECT_FALSE(mnemonic.isEmpty()) << a->objectName().toStdString();
            EXPECT_FALSE(letters.contains(mnemonic)) << a->objectName().toStdString();
            letters.insert(mnemonic);
        }
    }
}

TEST(MainWindow, WindowsOnAStudentTakeThePlanAndProfileEntriesUntilTheyClose)
{
    moxlet::test::AnnsPlanFixture f(false);
    for (const char* name : kNeedAStudent) EXPECT_TRUE(f.enabled(name)) << name;

    f.trigger("mnuProfile_1");  // the chooser is open
    for (const char* name : {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuDelPlan", "mnuProfile_0",
                             "mnuProfile_1", "mnuDelProfile"})
        EXPECT_FALSE(f.enabled(name)) << name;
    for (const char* name : {"mnuExit", "mnuHomoOptions", "mnuPrintOptions", "mnuContents", "mnuAbout"})
        EXPECT_TRUE(f.enabled(name)) << name;
    f.window<StudentChooser>()->reject();
    QApplication::processEvents();
    for (const char* name : kNeedAStudent) EXPECT_TRUE(f.enabled(name)) << name;

    f.trigger("mnuProfile_0");
    ASSERT_NE(f.window<ProfileEditor>(), nullptr);
    EXPECT_FALSE(f.enabled("mnuProfile_0"));
    f.window<ProfileEditor>()->cancel();
    QApplication::processEvents();
    for (const char* name : kNeedAStudent) EXPECT_TRUE(f.enabled(name)) << name;
}

TEST(MarkFont, TheLiteracyFontIsFoundOnThisMachine)
{
    EXPECT_TRUE(MarkFont::available()) << "install the fonts-sil-andika package";
    EXPECT_EQ(MarkFont::font(14).pointSize(), 14);
}

TEST(MainWindow, DamagedDataFilesAreToldOnceAfterTheLoad)
{
    UiFixture f;
    f.put("PROFILES.DAT", std::string(100, 'x'));
    f.start();
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    const auto& box = f.prompt.shown()[0];
    EXPECT_EQ(box.title, "Moxlet");
    EXPECT_NE(box.text.find("PROFILES.DAT: 100 bytes after the last whole record"), std::string::npos)
        << box.text;
    EXPECT_FALSE(f.enabled("mnuPlan_0"));
    EXPECT_TRUE(f.enabled("mnuProfile_0"));
}

TEST(MainWindow, ASecondMoxletOnTheSameFolderIsToldAndStops)
{
    UiFixture f;
    InstanceLock running;
    ASSERT_TRUE(claimDataFolder(f.services.dataDir, f.prompt, running));
    EXPECT_TRUE(f.prompt.shown().empty());
    InstanceLock second;
    EXPECT_FALSE(claimDataFolder(f.services.dataDir, f.prompt, second));
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_NE(f.prompt.shown()[0].text.find("Moxlet is already running with the data folder"),
              std::string::npos);
    running.release();
    EXPECT_TRUE(claimDataFolder(f.services.dataDir, f.prompt, second));
}
