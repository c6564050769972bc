// The main window on an empty data directory: its menu, captions, control
// names and the entries a tutor can use before any profile exists.
#include <QAction>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "MDIForm1.h"
#include "MarkFont.h"

using namespace moxlet;
using namespace moxlet::ui;

namespace {
// A fresh, empty data directory as the working directory.
struct Fixture {
    QTemporaryDir dir;
    std::filesystem::path previous = std::filesystem::current_path();
    Globals globals;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    MemoryClipboard clipboard;
    Services services{globals, prompt, random, clipboard, {}};

    Fixture() { std::filesystem::current_path(dir.path().toStdString()); }
    ~Fixture() { std::filesystem::current_path(previous); }
};

struct Entry {
    const char* name;
    const char* caption;
    bool enabledWithoutProfiles;
};

// Menu by menu, in display order; separators have an empty caption.
const std::vector<std::pair<Entry, std::vector<Entry>>> kMenu = {
    {{"mnuLPlan", "&Plan", true},
     {{"mnuPlan_0", "&New Lesson Plan...", false},
      {"mnuPlan_1", "&Open Lesson Plan...", false},
      {"mnuPlan_2", "&Create Word List...", false},
      {"blank0", "", true},
      {"mnuDelPlan", "&Delete Lesson Plan...", false},
      {"blank3", "", true},
      {"mnuExit", "E&xit", true}}},
    {{"mnuSProfile", "P&rofile", true},
     {{"mnuProfile_0", "&New Student Profile", true},
      {"mnuProfile_1", "&Open Student Profile...", false},
      {"blank2", "", true},
      {"mnuDelProfile", "&Delete Student Profile...", false}}},
    {{"mnuOptions", "&Options", true},
     {{"mnuHomoOptions", "&Homophones...", true}, {"mnuPrintOptions", "Lesson &Print...", true}}},
    {{"mnuHelp", "&Help", true},
     {{"mnuContents", "&Contents", true},
      {"mnuSearchHelp", "&Search for Help on...", true},
      {"blank4", "", true},
      {"mnuAbout", "&About Moxlet...", true}}},
};
}  // namespace

TEST(MDIForm1, EmptyDataDirectoryShowsTheWholeMenuWithOnlyProfileCreationUsable)
{
    Fixture f;
    MDIForm1 form(f.services);
    ASSERT_TRUE(form.load());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quillory Moxlet"));
    EXPECT_EQ(form.objectName(), QStringLiteral("MDIForm1"));

    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<int>(kMenu.size()));
    for (std::size_t m = 0; m < kMenu.size(); ++m) {
        const auto& [head, entries] = kMenu[m];
        QMenu* menu = menus[static_cast<int>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QString::fromLatin1(head.name));
        EXPECT_EQ(menu->title(), QString::fromLatin1(head.caption));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<int>(entries.size())) << head.name;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            QAction* a = items[static_cast<int>(i)];
            const Entry& e = entries[i];
            EXPECT_EQ(a->objectName(), QString::fromLatin1(e.name));
            EXPECT_EQ(a->isSeparator(), *e.caption == '\0') << e.name;
            if (!a->isSeparator()) {
                EXPECT_EQ(a->text(), QString::fromLatin1(e.caption)) << e.name;
                EXPECT_EQ(a->isEnabled(), e.enabledWithoutProfiles) << e.name;
            }
        }
    }
    EXPECT_TRUE(f.prompt.shown().empty());
}

TEST(MDIForm1, MenusFollowTheProfileCountAndOpenWindows)
{
    Fixture f;
    MDIForm1 form(f.services);
    ASSERT_TRUE(form.load());

    f.globals.ActiveProfileCount = 1;
    form.restoreMenus();
    for (const char* name : {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuProfile_1", "mnuDelPlan",
                             "mnuDelProfile"})
        EXPECT_TRUE(form.action(QString::fromLatin1(name))->isEnabled()) << name;

    form.setPlanAndProfileMenusEnabled(false);
    for (const char* name : {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuDelPlan", "mnuProfile_0",
                             "mnuProfile_1", "mnuDelProfile"})
        EXPECT_FALSE(form.action(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name : {"mnuExit", "mnuHomoOptions", "mnuPrintOptions", "mnuContents", "mnuAbout"})
        EXPECT_TRUE(form.action(QString::fromLatin1(name))->isEnabled()) << name;

    f.globals.ActiveProfileCount = 0;
    form.restoreMenus();
    EXPECT_TRUE(form.action(QStringLiteral("mnuProfile_0"))->isEnabled());
    EXPECT_FALSE(form.action(QStringLiteral("mnuPlan_0"))->isEnabled());
}

namespace {
// A child window that refuses to close, as a plan window does when the tutor
// answers Cancel to its save question.
class StubbornChild : public QWidget {
protected:
    void closeEvent(QCloseEvent* e) override { e->ignore(); }
};
}  // namespace

TEST(MDIForm1, CloseBoxKeepsRunningWhenAChildRefusesButExitEndsAnyway)
{
    Fixture f;
    MDIForm1 form(f.services);
    ASSERT_TRUE(form.load());
    form.show();
    auto* sub = form.mdiArea()->addSubWindow(new StubbornChild);
    sub->show();

    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());

    form.action(QStringLiteral("mnuExit"))->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST(MarkFont, TheLiteracyFontIsFoundOnThisMachine)
{
    EXPECT_TRUE(MarkFont::available()) << "install the fonts-sil-andika package";
    EXPECT_EQ(MarkFont::font(14).pointSize(), 14);
}

TEST(MDIForm1, DamagedDataFilesAreToldOnceAfterTheLoad)
{
    Fixture f;
    std::ofstream(f.dir.filePath(QStringLiteral("PROFILES.DAT")).toStdString(), std::ios::binary)
        << std::string(100, 'x');
    MDIForm1 form(f.services);
    EXPECT_TRUE(form.load());
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    const auto& box = f.prompt.shown()[0];
    EXPECT_EQ(box.title, "Moxlet");
    EXPECT_NE(box.text.find("PROFILES.DAT: 100 bytes after the last whole record"), std::string::npos)
        << box.text;
    EXPECT_FALSE(form.action(QStringLiteral("mnuPlan_0"))->isEnabled());
    EXPECT_TRUE(form.action(QStringLiteral("mnuProfile_0"))->isEnabled());
}
