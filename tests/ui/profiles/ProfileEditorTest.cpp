// The profile windows driven as a tutor drives them: menu commands, typing,
// clicks, Ctrl+clicks, space and double clicks, with message boxes answered
// through the scripted prompt and PROFILES.DAT checked in a temporary data
// directory.
#include "ui/profiles/ProfileEditor.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "UiFixture.h"
#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "ui/common/MnemonicScope.h"
#include "ui/profiles/DeleteProfilesDialog.h"
#include "ui/profiles/PersonalInfoDialog.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/profiles/StudiedSegmentTree.h"
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

StudiedSegmentTree* segments(ProfileEditor* ed) { return child<StudiedSegmentTree>(ed, "PList"); }

// Clicks a segment's line, or with doubled a double click; a refusal's box
// comes after the click.
void clickSegment(StudiedSegmentTree* tree, int segment, Qt::KeyboardModifiers mods = {},
                  bool doubled = false)
{
    QTreeWidgetItem* item = tree->segmentItem(static_cast<SegmentId>(segment));
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, mods, at);
    if (doubled) QTest::mouseDClick(tree->viewport(), Qt::LeftButton, mods, at);
    QApplication::processEvents();
}

QTreeWidgetItem* heading(StudiedSegmentTree* tree, const std::string& title)
{
    for (int h = 0; h < tree->topLevelItemCount(); ++h)
        if (tree->headings()[static_cast<std::size_t>(h)].title == title) return tree->headingItem(h);
    ADD_FAILURE() << "no heading " << title;
    return tree->headingItem(0);
}

void clickHeading(StudiedSegmentTree* tree, const std::string& title)
{
    QTreeWidgetItem* item = heading(tree, title);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    QApplication::processEvents();
}

std::vector<int> selectedRows(StudiedSegmentTree* tree)
{
    std::vector<int> rows;
    const std::vector<bool> selected = tree->selectedLines();
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) rows.push_back(static_cast<int>(i));
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
    auto* list = segments(ed);
    EXPECT_TRUE(selectedRows(list).empty());
    EXPECT_TRUE(f.prompt.shown().empty());  // no advice while the form fills

    type(ed, "LastName", QStringLiteral("Lee"));
    type(ed, "FirstName", QStringLiteral("Ann"));
    type(ed, "SyllableMin", QStringLiteral("2"));
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].title, "Syllable Minimum");
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("2"));
    clickSegment(list, B);
    clickSegment(list, L, Qt::ControlModifier);
    clickSegment(list, BL);
    clickSegment(list, Rote);
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
    list = segments(ed);
    EXPECT_EQ(selectedRows(list), (std::vector<int>{B, L, BL, Rote}));
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("2"));
    EXPECT_EQ(ed->personalInfo()->box(QStringLiteral("ParentName"))->text(), QStringLiteral("Jo Lee"));
    for (const char* e : kSevenEntries) EXPECT_FALSE(f.enabled(e)) << e;

    // Space toggles the current line: unselect L, select S.
    list->setFocus();
    list->setCurrentItem(list->segmentItem(L), 0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Space);
    list->setCurrentItem(list->segmentItem(S), 0, QItemSelectionModel::NoUpdate);
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
    auto* list = segments(ed);
    clickSegment(list, S);
    clickSegment(list, Ck);
    f.prompt.clear();
    clickSegment(list, SCR);
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].text,
              "You may not select consonant blend SCR until its component consonants have been "
              "selected.");
    EXPECT_EQ(f.prompt.shown()[0].icon, Icon::Exclamation);
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, S}));

    f.prompt.clear();
    clickSegment(list, R);
    clickSegment(list, SCR, {}, true);  // a double click selects it once
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, R, S, SCR}));
    clickSegment(list, R);  // unselecting a component leaves the blend
    EXPECT_EQ(selectedRows(list), (std::vector<int>{Ck, S, SCR}));
    EXPECT_TRUE(f.prompt.shown().empty());
}

// Typing in Find leaves the segments that hold the letters, under their
// groups; a heading selects its group (leaving out blends whose consonants
// are missing, told once) and clears it when all of it is selected; what
// is saved is the selection, whatever the field hides.
TEST(ProfileEditor, FindNarrowsTheSegmentsAndHeadingsSelectTheirGroup)
{
    Fixture f;
    f.start();
    f.trigger("mnuProfile_0");
    ProfileEditor* ed = f.editor();
    StudiedSegmentTree* tree = segments(ed);
    auto* count = child<QLabel>(ed, "SelectedCount");
    const auto shown = [tree] {
        std::vector<std::string> names;
        for (int h = 0; h < tree->topLevelItemCount(); ++h) {
            QTreeWidgetItem* heading = tree->headingItem(h);
            for (int c = 0; c < heading->childCount(); ++c)
                if (!heading->isHidden() && !heading->child(c)->isHidden())
                    names.push_back(heading->child(c)->text(0).toStdString());
        }
        return names;
    };
    ASSERT_EQ(shown().size(), 332u);
    type(ed, "Find", QStringLiteral("ea"));
    const std::vector<std::string> ea = shown();
    std::size_t holdingEa = 0;
    for (int s = 0; s < kSegmentCount; ++s) holdingEa += segmentName(s).find("EA") != std::string::npos;
    EXPECT_EQ(ea.size(), holdingEa);
    for (const std::string& name : ea) EXPECT_NE(QString::fromStdString(name).indexOf("EA"), -1) << name;
    EXPECT_EQ(count->text(), QStringLiteral("0 selected"));
    clickSegment(tree, 24);  // EAR (ar), shown under "All EAR"
    EXPECT_EQ(count->text(), QStringLiteral("1 selected"));
    child<QLineEdit>(ed, "Find")->clear();
    EXPECT_EQ(shown().size(), 332u);

    clickHeading(tree, "Single Consonants");
    EXPECT_EQ(count->text(), QStringLiteral("22 selected"));
    f.prompt.clear();
    clickHeading(tree, "Consonant Blends");  // SCH (sk) and THR need digraphs
    ASSERT_EQ(f.texts().size(), 1u);
    EXPECT_EQ(f.texts()[0], "You may not select consonant blends SCH (sk) and THR until their component "
                            "consonants have been selected.");
    EXPECT_EQ(count->text(), QStringLiteral("55 selected"));
    EXPECT_EQ(heading(tree, "Consonant Blends")->checkState(0), Qt::PartiallyChecked);
    clickHeading(tree, "Single Consonants");  // all selected: cleared
    EXPECT_EQ(count->text(), QStringLiteral("34 selected"));
    EXPECT_EQ(heading(tree, "Single Consonants")->checkState(0), Qt::Unchecked);
    // A screen reader selects the first heading's row: the same request.
    ASSERT_TRUE(QAccessible::queryAccessibleInterface(tree)->tableInterface()->selectRow(0));
    QApplication::processEvents();
    EXPECT_EQ(count->text(), QStringLiteral("55 selected"));

    type(ed, "LastName", QStringLiteral("Lee"));
    type(ed, "Find", QStringLiteral("zzz"));
    const std::vector<int> chosen = selectedRows(tree);
    click(ed, "OK");
    EXPECT_EQ(studied(f.record(1)), chosen);
    EXPECT_EQ(chosen.size(), 55u);
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
