// The profile windows driven as a tutor drives them: menu commands, typing,
// clicks, Ctrl+clicks, space and double clicks, with message boxes answered
// through the scripted prompt and PROFILES.DAT checked in a temporary data
// directory.
#include "ui/profiles/ProfileEditor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "UiFixture.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "ui/common/MnemonicScope.h"
#include "ui/profiles/DeleteProfilesDialog.h"
#include "ui/profiles/PersonalInfoDialog.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/shell/MainWindow.h"

using namespace moxlet;
using namespace moxlet::ui;

namespace {

const int S = 86, Ck = 11, R = 84, B = 10, L = 51, BL = 124, SCR = 143, Rote = 331;

using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::type;

struct Fixture : moxlet::test::UiFixture {
    ProfileEditor* editor() { return window<ProfileEditor>(); }
    template <class T>
    T* dialog()
    {
        return window<T>();
    }
};

void doubleClickLine(QListWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

std::vector<int> selectedRows(QListWidget* list)
{
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

std::vector<int> studied(const StudentProfile& p)
{
    std::vector<int> ids;
    for (int i = 0; i < 332; ++i)
        if (p.StudiedSegments.contains(i)) ids.push_back(i);
    return ids;
}

const char* const kSevenEntries[] = {"mnuPlan_0",    "mnuPlan_1",    "mnuPlan_2",    "mnuDelPlan",
                                     "mnuProfile_0", "mnuProfile_1", "mnuDelProfile"};

}  // namespace

TEST(ProfileEditor, TutorCreatesReopensAndChangesAProfile)
{
    Fixture f;
    f.start();
    EXPECT_FALSE(f.enabled("mnuProfile_1"));
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);
    for (const char* e : kSevenEntries) EXPECT_FALSE(f.enabled(e)) << e;
    EXPECT_EQ(ed->windowTitle(), QStringLiteral("Student Profile"));
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("1"));
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMax")->text(), QStringLiteral("9"));
    auto* list = child<QListWidget>(ed, "PList");
    ASSERT_EQ(list->count(), 332);
    EXPECT_TRUE(selectedRows(list).empty());
    EXPECT_TRUE(f.prompt.shown().empty());  // no advice while the form fills

    type(ed, "LastName", QStringLiteral("Lee"));
    type(ed, "FirstName", QStringLiteral("Ann"));
    type(ed, "SyllableMin", QStringLiteral("2"));
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].title, "Syllable Minimum");
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("2"));
    clickLine(list, B);
    clickLine(list, L, Qt::ControlModifier);
    clickLine(list, BL);
    clickLine(list, Rote);
    EXPECT_EQ(selectedRows(list), (std::vector<int>{B, L, BL, Rote}));

    click(ed, "Personal_Info");
    PersonalInfoDialog* personal = ed->personalInfo();
    ASSERT_TRUE(personal->isVisible());
    type(personal, "ParentName", QStringLiteral("Jo Lee"));
    type(personal, "StudentGrade", QStringLiteral("123"));  // two characters fit
    click(personal, "OK");
    EXPECT_FALSE(personal->isVisible());

    click(ed, "OK");
    EXPECT_EQ(f.editor(), nullptr);
    StudentProfile p = f.record(1);
    EXPECT_EQ(p.InUse, 1);
    EXPECT_EQ(p.ProfileNo, 1);
    EXPECT_EQ(p.LastName.trimmed(), "Lee");
    EXPECT_EQ(p.FirstName.trimmed(), "Ann");
    EXPECT_EQ(p.SyllableMin, 2);
    EXPECT_EQ(p.SyllableMax, 9);
    EXPECT_EQ(p.ParentName.trimmed(), "Jo Lee");
    EXPECT_EQ(p.StudentGrade.trimmed(), "12");
    EXPECT_EQ(studied(p), (std::vector<int>{B, L, BL, Rote}));
    EXPECT_EQ(f.main->activeProfileCount(), 1);
    for (const char* e : kSevenEntries) EXPECT_TRUE(f.enabled(e)) << e;

    // Reopen by a double click in the chooser, change it and save it again.
    f.prompt.clear();
    f.trigger("mnuProfile_1");
    auto* chooser = f.dialog<StudentChooser>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Select Student"));
    auto* students = child<QListWidget>(chooser, "StudentList");
    ASSERT_EQ(students->count(), 1);
    EXPECT_EQ(students->item(0)->text(), QStringLiteral("Lee, Ann"));
    doubleClickLine(students, 0);
    ed = f.editor();
    ASSERT_NE(ed, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(f.prompt.shown().empty());  // the stored minimum 2 gives no advice
    list = child<QListWidget>(ed, "PList");
    EXPECT_EQ(selectedRows(list), (std::vector<int>{B, L, BL, Rote}));
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("2"));
    EXPECT_EQ(ed->personalInfo()->box(QStringLiteral("ParentName"))->text(), QStringLiteral("Jo Lee"));
    for (const char* e : kSevenEntries) EXPECT_FALSE(f.enabled(e)) << e;

    // Space toggles the current line: unselect L, select S.
    list->setFocus();
    list->setCurrentRow(L, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Space);
    list->setCurrentRow(S, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Space);
    type(ed, "FirstName", QStringLiteral("Anne"));
    click(ed, "OK");  // its own record is no duplicate
    EXPECT_EQ(f.editor(), nullptr);
    p = f.record(1);
    EXPECT_EQ(p.FirstName.trimmed(), "Anne");
    EXPECT_EQ(studied(p), (std::vector<int>{B, S, BL, Rote}));
    EXPECT_EQ(openProfileFile(f.ctx).recordCount(), 1);
}

TEST(ProfileEditor, SaveIsRefusedWithTheExactMessages)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.start();
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);

    struct Step {
        const char* box;
        QString text;
        std::string message;
        const char* focus;
    };
    const Step steps[] = {
        {"LastName", QStringLiteral("   "),
         "The Last Name field must be entered in order to complete a Student Profile.", "LastName"},
        {"LastName", QStringLiteral("Lee"),
         "There is already a Student Profile with this First Name and Last Name.", "LastName"},
        {"FirstName", QStringLiteral("Ann"),
         "There is already a Student Profile with this First Name and Last Name.", "LastName"},
        {"LastName", QStringLiteral("lee"),
         "The minimum number of syllables can not be greater than the maximum number of syllables.",
         "SyllableMin"},
    };
    // Minimum 3, maximum 2 for the last step.
    f.prompt.clear();
    type(ed, "SyllableMax", QStringLiteral("2"));
    type(ed, "SyllableMin", QStringLiteral("3"));
    type(ed, "FirstName", QStringLiteral("Ann"));
    ASSERT_EQ(f.prompt.shown().size(), 1u);  // the "no higher than 2" advice
    EXPECT_NE(f.prompt.shown()[0].text.find("no higher than 2"), std::string::npos);
    for (const Step& s : steps) {
        f.prompt.clear();
        type(ed, s.box, s.text);
        click(ed, "OK");
        ASSERT_EQ(f.prompt.shown().size(), 1u) << s.message;
        EXPECT_EQ(f.prompt.shown()[0].text, s.message);
        EXPECT_EQ(f.prompt.shown()[0].title, "Save Profile");
        EXPECT_EQ(f.prompt.shown()[0].icon, Icon::None);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(ed, s.focus)) << s.message;
        EXPECT_EQ(f.editor(), ed);
    }

    // An emptied syllable field, then 2..2 which is accepted.
    auto* min = child<QLineEdit>(ed, "SyllableMin");
    min->setFocus();
    min->selectAll();
    QTest::keyClick(min, Qt::Key_Delete);
    EXPECT_EQ(min->displayText(), QStringLiteral("_"));
    f.prompt.clear();
    click(ed, "OK");
    EXPECT_EQ(f.texts(),
              std::vector<std::string>{"The minimun number of syllables must be a number between 1 and 9."});
    f.prompt.clear();
    type(ed, "SyllableMax", QStringLiteral("0"));
    type(ed, "SyllableMin", QStringLiteral("2"));
    click(ed, "OK");
    ASSERT_EQ(f.prompt.shown().size(), 2u);
    EXPECT_EQ(f.prompt.shown()[1].text, "The maximum number of syllables must be a number between 1 and 9.");
    type(ed, "SyllableMax", QStringLiteral("2"));
    f.prompt.clear();
    click(ed, "OK");
    EXPECT_EQ(f.texts(), std::vector<std::string>{});
    EXPECT_EQ(f.editor(), nullptr);
    StudentProfile p = f.record(2);
    EXPECT_EQ(p.LastName.trimmed(), "lee");
    EXPECT_EQ(p.SyllableMin, 2);
    EXPECT_EQ(p.SyllableMax, 2);
}

TEST(ProfileEditor, BlendNeedsItsConsonantsSelectedFirst)
{
    Fixture f;
    f.start();
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    auto* list = child<QListWidget>(ed, "PList");
    clickLine(list, S);
    clickLine(list, Ck);
    f.prompt.clear();
    clickLine(list, SCR);
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].text,
              "You may not select consonant blend SCR until its component consonants have been "
              "selected.");
    EXPECT_EQ(f.prompt.shown()[0].icon, Icon::Exclamation);
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, S}));

    f.prompt.clear();
    clickLine(list, R);
    doubleClickLine(list, SCR);  // a double click selects it once
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, R, S, SCR}));
    clickLine(list, R);  // unselecting a component leaves the blend
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, S, SCR}));
    EXPECT_TRUE(f.prompt.shown().empty());
}

TEST(ProfileEditor, CancelAndPersonalCancelWriteNothing)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.start();
    f.trigger("mnuProfile_1");
    auto* chooser = f.dialog<StudentChooser>();
    click(chooser, "OK");
    EXPECT_EQ(f.texts(), std::vector<std::string>{"You must choose a student before clicking OK."});
    EXPECT_TRUE(chooser->isVisible());
    auto* students = child<QListWidget>(chooser, "StudentList");
    clickLine(students, 0);
    click(chooser, "OK");
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);

    // OK keeps the first opening's edits; Cancel undoes the second's.
    click(ed, "Personal_Info");
    type(ed->personalInfo(), "HourlyRate", QStringLiteral("$25.00x"));
    click(ed->personalInfo(), "OK");
    click(ed, "Personal_Info");
    type(ed->personalInfo(), "HourlyRate", QStringLiteral("$30"));
    click(ed->personalInfo(), "Cancel");
    EXPECT_EQ(ed->personalInfo()->box(QStringLiteral("HourlyRate"))->text(), QStringLiteral("$25.00"));
    EXPECT_EQ(ed->profile().HourlyRate.trimmed(), "$25.00");

    click(ed, "Cancel");
    EXPECT_EQ(f.editor(), nullptr);
    EXPECT_TRUE(f.record(1).HourlyRate.trimmed().empty());
    EXPECT_TRUE(f.enabled("mnuProfile_1"));

    // Cancel in the chooser restores the menu.
    f.trigger("mnuProfile_1");
    click(f.dialog<StudentChooser>(), "Cancel");
    for (const char* e : kSevenEntries) EXPECT_TRUE(f.enabled(e)) << e;
}

TEST(DeleteProfilesDialog, DeletesTheProfileAndItsPlanFileAndFreesTheSlot)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.addProfile("Moss", "");
    f.addProfile("Adams", "Bo");
    std::ofstream(f.dir.filePath(QStringLiteral("PLNS0002.DAT")).toStdString()) << "plans";
    f.start();
    EXPECT_EQ(f.main->activeProfileCount(), 3);

    f.trigger("mnuDelProfile");
    auto* del = f.dialog<DeleteProfilesDialog>();
    ASSERT_NE(del, nullptr);
    EXPECT_EQ(del->windowTitle(), QStringLiteral("Delete Student Profile"));
    auto* list = child<QListWidget>(del, "StudentList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Adams, Bo"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Moss"));
    EXPECT_FALSE(child<QPushButton>(del, "Del")->isEnabled());

    // No (the default) deletes nothing.
    clickLine(list, 2);
    EXPECT_TRUE(child<QPushButton>(del, "Del")->isEnabled());
    f.prompt.answer(Answer::No);
    click(del, "Del");
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].text,
              "Are you sure you want to delete the Student Profile (and Lesson Plans) for Moss?");
    EXPECT_EQ(f.prompt.shown()[0].title, "Delete");
    EXPECT_EQ(f.prompt.shown()[0].icon, Icon::Question);
    EXPECT_EQ(f.prompt.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(f.record(2).InUse, 1);

    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(del, "Del");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(f.record(2).InUse, 0);
    EXPECT_EQ(f.record(2).LastName.trimmed(), "Moss");  // kept until the slot is reused
    EXPECT_FALSE(QFile::exists(f.dir.filePath(QStringLiteral("PLNS0002.DAT"))));
    EXPECT_EQ(f.main->activeProfileCount(), 3);

    // Nothing selected after a deletion; a student without plans goes silently.
    f.prompt.clear();
    click(del, "Del");
    EXPECT_EQ(f.texts(), std::vector<std::string>{"You must choose a student before clicking Delete."});
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    doubleClickLine(list, 0);
    EXPECT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(f.record(3).InUse, 0);
    click(del, "Close");
    EXPECT_EQ(f.dialog<DeleteProfilesDialog>(), nullptr);

    // The next new profile takes the lowest free record.
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    type(ed, "LastName", QStringLiteral("Nash"));
    click(ed, "OK");
    EXPECT_EQ(f.record(2).LastName.trimmed(), "Nash");
    EXPECT_EQ(f.record(2).InUse, 1);
    EXPECT_EQ(f.record(2).ProfileNo, 2);
    EXPECT_EQ(openProfileFile(f.ctx).recordCount(), 3);
}

// With MOXLET_SCREENSHOTS set to a folder, saves each window at its default
// size there, for looking at the layout.
TEST(ProfileScreens, SavePictures)
{
    const QByteArray folder = qgetenv("MOXLET_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MOXLET_SCREENSHOTS not set";
    Fixture f;
    f.addProfile("Lee", "Ann", {B, L, BL});
    f.addProfile("Moss", "");
    f.start();
    f.main->resize(818, 611);  // 12260 x 9160 twips
    auto save = [&](QWidget* w, const char* name) {
        QApplication::processEvents();
        w->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
    };
    f.trigger("mnuProfile_1");
    save(f.dialog<StudentChooser>(), "GetName.png");
    doubleClickLine(child<QListWidget>(f.dialog<StudentChooser>(), "StudentList"), 0);
    save(f.main.get(), "Profile.png");
    click(f.editor(), "Personal_Info");
    save(f.editor()->personalInfo(), "Personal.png");
    click(f.editor()->personalInfo(), "Cancel");
    click(f.editor(), "Cancel");
    f.trigger("mnuDelProfile");
    save(f.dialog<DeleteProfilesDialog>(), "DelName.png");
    click(f.dialog<DeleteProfilesDialog>(), "Close");
}

// Found by driving the windows as a keyboard-only tutor and a screen reader
// would.
TEST(ProfileEditor, AltPPressesPersonalInfoInsteadOfOpeningThePlanMenu)
{
    Fixture f;
    f.start();
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);
    auto* last = child<QLineEdit>(ed, "LastName");
    last->setFocus();
    QApplication::processEvents();
    QTest::keyClick(last, Qt::Key_P, Qt::AltModifier);
    QTest::qWait(400);  // the click is animated
    EXPECT_TRUE(ed->personalInfo()->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no menu opened
    click(ed->personalInfo(), "Cancel");

    // A letter the editor does not use still reaches the main menu.
    EXPECT_EQ(moxlet::ui::MnemonicScope::target(ed, Qt::Key_H), nullptr);
}

TEST(ProfileEditor, ChoosersTakeALineSelectedThroughTheAccessibilityInterface)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.addProfile("Moss", "");
    f.start();
    f.trigger("mnuProfile_1");
    auto* chooser = f.dialog<StudentChooser>();
    ASSERT_NE(chooser, nullptr);
    auto* list = child<QListWidget>(chooser, "StudentList");
    // A screen reader selects the second line without moving the current one.
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->tableInterface(), nullptr);
    ASSERT_TRUE(view->tableInterface()->selectRow(1));
    EXPECT_NE(list->currentRow(), 1);
    click(chooser, "OK");
    EXPECT_TRUE(f.prompt.shown().empty());
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(ed->profile().LastName.trimmed(), "Moss");
    click(ed, "Cancel");
}

TEST(ProfileEditor, EveryListHasANameAScreenReaderCanAnnounce)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.start();
    f.trigger("mnuProfile_0");
    moxlet::test::expectAccessibleNames(f.editor());
    click(f.editor(), "Cancel");
    f.trigger("mnuProfile_1");
    moxlet::test::expectAccessibleNames(f.dialog<StudentChooser>());
    click(f.dialog<StudentChooser>(), "Cancel");
    f.trigger("mnuDelProfile");
    moxlet::test::expectAccessibleNames(f.dialog<DeleteProfilesDialog>());
    click(f.dialog<DeleteProfilesDialog>(), "Close");
}
