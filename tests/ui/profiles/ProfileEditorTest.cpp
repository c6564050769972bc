// The profile windows driven as a tutor drives them: menu commands, typing,
// clicks, Ctrl+clicks, space and double clicks, with message boxes answered
// through the scripted prompt and PROFILES.DAT checked in a temporary data
// directory.  The editor's rules themselves are core's (ProfileEditTest).
#include "ui/profiles/ProfileEditor.h"

#include <QFile>
#include <QLabel>
#include <QTreeWidget>
#include <functional>

#include "UiFixture.h"
#include "ui/common/MnemonicScope.h"
#include "ui/profiles/DeleteProfilesDialog.h"
#include "ui/profiles/PersonalInfoDialog.h"
#include "ui/profiles/StudiedSegmentTree.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::segmentNamed;
using moxlet::test::segmentsOf;
using moxlet::test::type;

namespace {

using namespace seg;
const int BL = segmentNamed("BL"), SC = segmentNamed("SC (sk)"), SCR = segmentNamed("SCR"), Rote = RoteWords;

const char* const kSevenEntries[] = {"mnuPlan_0",    "mnuPlan_1",    "mnuPlan_2",    "mnuDelPlan",
                                     "mnuProfile_0", "mnuProfile_1", "mnuDelProfile"};

void doubleClickLine(QListWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

// Clicks a line of the tree, or with doubled a double click; a refusal's
// box comes after the click.
void clickItem(StudiedSegmentTree* tree, QTreeWidgetItem* item, Qt::KeyboardModifiers mods = {},
               bool doubled = false)
{
    tree->scrollToItem(item);
    const QPoint at = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, mods, at);
    if (doubled) QTest::mouseDClick(tree->viewport(), Qt::LeftButton, mods, at);
    QApplication::processEvents();
}

void clickSegment(StudiedSegmentTree* tree, int segment, Qt::KeyboardModifiers mods = {},
                  bool doubled = false)
{
    clickItem(tree, tree->segmentItem(static_cast<SegmentId>(segment)), mods, doubled);
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
    clickItem(tree, heading(tree, title));
}

std::vector<int> selectedRows(StudiedSegmentTree* tree)
{
    std::vector<int> rows;
    const std::vector<bool> selected = tree->selectedLines();
    for (std::size_t i = 0; i < selected.size(); ++i)
        if (selected[i]) rows.push_back(static_cast<int>(i));
    return rows;
}

struct Fixture : moxlet::test::UiFixture {
    ProfileEditor* editor() { return window<ProfileEditor>(); }
    ProfileEditor* openNew()
    {
        trigger("mnuProfile_0");
        return editor();
    }
    // "C&hange Profile..." and a double click on the student's line.
    ProfileEditor* openStudent(int line = 0)
    {
        trigger("mnuProfile_1");
        doubleClickLine(child<QListWidget>(window<StudentChooser>(), "StudentList"), line);
        return editor();
    }
    StudiedSegmentTree* segmentList() { return child<StudiedSegmentTree>(editor(), "PList"); }
    void fill(QWidget* window, std::initializer_list<std::pair<const char*, const char*>> boxes)
    {
        for (const auto& [box, text] : boxes) type(window, box, QString::fromUtf8(text));
    }
    // "Personal Info..." filled in and left with OK or Cancel.
    void personal(std::initializer_list<std::pair<const char*, const char*>> boxes, const char* button)
    {
        click(editor(), "Personal_Info");
        PersonalInfoDialog* dialog = editor()->personalInfo();
        ASSERT_TRUE(dialog->isVisible());
        fill(dialog, boxes);
        click(dialog, button);
        EXPECT_FALSE(dialog->isVisible());
    }
    // A syllable field emptied, or any box typed into.
    void setBox(const char* box, const QString& text)
    {
        if (!text.isEmpty()) return type(editor(), box, text);
        auto* edit = child<QLineEdit>(editor(), box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
    }
};

}  // namespace

// What a saved record holds of the editor's fields: "last|first|min-max|
// parent|grade|rate".
std::string saved(const StudentProfile& p)
{
    return p.LastName.trimmed() + "|" + p.FirstName.trimmed() + "|" + std::to_string(p.SyllableMin) + "-" +
           std::to_string(p.SyllableMax) + "|" + p.ParentName.trimmed() + "|" + p.StudentGrade.trimmed() +
           "|" + p.HourlyRate.trimmed();
}

// A new profile starts from the defaults and takes the student entries.
// Each row: what the tutor does to a new profile named Lee before OK, the
// record then saved, its studied segments and the advice boxes shown.
TEST(ProfileEditor, SavesWhatTheTutorTypesAndSelects)
{
    struct Row {
        const char* what;
        std::function<void(Fixture&)> act;
        std::string record;
        std::vector<int> studied;
        std::vector<std::string> advice;
    };
    const Row rows[] = {
        {"names and syllables",
         [](Fixture& f) {
             f.fill(f.editor(), {{"FirstName", "Ann"}, {"SyllableMin", "2"}, {"SyllableMax", "5"}});
         },
         "Lee|Ann|2-5|||",
         {},
         {"Syllable Minimum"}},
        {"click, Ctrl+click, click, click",
         [](Fixture& f) {
             for (int line : std::initializer_list<int>{B, L, BL, Rote})
                 clickSegment(f.segmentList(), line, line == L ? Qt::ControlModifier : Qt::NoModifier);
         },
         "Lee||1-9|||",
         {B, L, BL, Rote}},
        {"the space bar toggles the current line",
         [](Fixture& f) {
             f.segmentList()->setFocus();
             for (int line : {S, B, S, T}) {
                 f.segmentList()->setCurrentItem(f.segmentList()->segmentItem(line), 0,
                                                 QItemSelectionModel::NoUpdate);
                 QTest::keyClick(f.segmentList(), Qt::Key_Space);
             }
         },
         "Lee||1-9|||",
         {B, T}},
        {"personal information, cut to its fields",
         [](Fixture& f) {
             f.personal({{"ParentName", "Jo Lee"}, {"StudentGrade", "123"}}, "OK");
         },
         "Lee||1-9|Jo Lee|12|"},
        {"personal information kept from OK, not from Cancel",
         [](Fixture& f) {
             f.personal({{"HourlyRate", "$25.00x"}}, "OK");
             f.personal({{"HourlyRate", "$30"}}, "Cancel");
             EXPECT_EQ(f.editor()->personalInfo()->box(QStringLiteral("HourlyRate"))->text(),
                       QStringLiteral("$25.00"));
         },
         "Lee||1-9|||$25.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Fixture f;
        f.start();
        EXPECT_FALSE(f.enabled("mnuProfile_1"));
        ProfileEditor* ed = f.openNew();
        ASSERT_NE(ed, nullptr);
        for (const char* e : kSevenEntries) EXPECT_FALSE(f.enabled(e)) << e;
        EXPECT_EQ(ed->windowTitle(), QStringLiteral("Student Profile"));
        EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("1"));
        EXPECT_EQ(child<QLineEdit>(ed, "SyllableMax")->text(), QStringLiteral("9"));
        EXPECT_TRUE(selectedRows(f.segmentList()).empty());
        EXPECT_TRUE(f.prompt.shown().empty());  // no advice while the form fills
        type(ed, "LastName", QStringLiteral("Lee"));
        row.act(f);
        std::vector<std::string> advice;
        for (const auto& box : f.prompt.shown()) advice.push_back(box.title);
        EXPECT_EQ(advice, row.advice);
        click(ed, "OK");
        EXPECT_EQ(f.editor(), nullptr);
        const StudentProfile p = f.record(1);
        EXPECT_EQ(p.InUse, 1);
        EXPECT_EQ(p.ProfileNo, 1);
        EXPECT_EQ(saved(p), row.record);
        EXPECT_EQ(segmentsOf(p.StudiedSegments), row.studied);
        EXPECT_EQ(f.main->activeProfileCount(), 1);
        for (const char* e : kSevenEntries) EXPECT_TRUE(f.enabled(e)) << e;
    }
}

// A student reopened from the chooser is changed in its own record; Cancel
// writes nothing and gives the menu back.
TEST(ProfileEditor, AStudentReopenedIsChangedInItsOwnRecordOrLeftAsItWasByCancel)
{
    Fixture f;
    f.addProfile("Lee", "Ann", {B, L, BL, Rote}, 2);
    f.addProfile("Moss", "");
    f.start();
    f.trigger("mnuProfile_1");
    auto* chooser = f.window<StudentChooser>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Select Student"));
    click(chooser, "OK");
    EXPECT_EQ(f.texts(), std::vector<std::string>{"You must choose a student before clicking OK."});
    auto* students = child<QListWidget>(chooser, "StudentList");
    ASSERT_EQ(students->count(), 2);
    EXPECT_EQ(students->item(0)->text(), QStringLiteral("Lee, Ann"));
    f.prompt.clear();
    doubleClickLine(students, 0);
    ProfileEditor* ed = f.editor();
    ASSERT_NE(ed, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(f.prompt.shown().empty());  // the stored minimum 2 gives no advice
    EXPECT_EQ(selectedRows(f.segmentList()), (std::vector<int>{B, L, BL, Rote}));
    EXPECT_EQ(child<QLineEdit>(ed, "SyllableMin")->text(), QStringLiteral("2"));
    for (const char* e : kSevenEntries) EXPECT_FALSE(f.enabled(e)) << e;

    clickSegment(f.segmentList(), L, Qt::ControlModifier);
    type(ed, "FirstName", QStringLiteral("Anne"));
    click(ed, "OK");  // its own record is no duplicate
    EXPECT_EQ(f.editor(), nullptr);
    const StudentProfile p = f.record(1);
    EXPECT_EQ(p.FirstName.trimmed(), "Anne");
    EXPECT_EQ(segmentsOf(p.StudiedSegments), (std::vector<int>{B, BL, Rote}));
    EXPECT_EQ(openProfileFile(f.ctx).recordCount(), 2);

    ed = f.openStudent();
    ASSERT_NE(ed, nullptr);
    type(ed, "LastName", QStringLiteral("Moss"));
    f.personal({{"HourlyRate", "$25"}}, "OK");
    EXPECT_EQ(ed->profile().HourlyRate.trimmed(), "$25");
    click(ed, "Cancel");
    EXPECT_EQ(f.editor(), nullptr);
    EXPECT_EQ(f.record(1).LastName.trimmed(), "Lee");
    EXPECT_TRUE(f.record(1).HourlyRate.trimmed().empty());
    for (const char* e : kSevenEntries) EXPECT_TRUE(f.enabled(e)) << e;

    f.trigger("mnuProfile_1");
    click(f.window<StudentChooser>(), "Cancel");
    for (const char* e : kSevenEntries) EXPECT_TRUE(f.enabled(e)) << e;

    // A screen reader selects the second line without moving the current one.
    f.trigger("mnuProfile_1");
    chooser = f.window<StudentChooser>();
    ASSERT_NE(chooser, nullptr);
    auto* list = child<QListWidget>(chooser, "StudentList");
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->tableInterface(), nullptr);
    ASSERT_TRUE(view->tableInterface()->selectRow(1));
    EXPECT_NE(list->currentRow(), 1);
    click(chooser, "OK");
    EXPECT_TRUE(f.prompt.shown().empty());
    ASSERT_NE(f.editor(), nullptr);
    EXPECT_EQ(f.editor()->profile().LastName.trimmed(), "Moss");
}

// Each row: the boxes as typed (an empty syllable box is emptied), the box
// the refusal returns to.  The editor stays open with what was typed.  The
// rules and their order are core's (ProfileEdit.SaveChecksComeInOrderWithTheirFocus).
TEST(ProfileEditor, ASaveIsRefusedWithTheRuleBrokenAndItsField)
{
    struct Row {
        QString last, first, min, max;
        std::string message;
        const char* focus;
    };
    const Row rows[] = {
        {"Lee", "Ann", "1", "9", "There is already a Student Profile with this First Name and Last Name.",
         "LastName"},
        {"lee", "Ann", "", "9", "The minimun number of syllables must be a number between 1 and 9.",
         "SyllableMin"},
        {"lee", "Ann", "2", "0", "The maximum number of syllables must be a number between 1 and 9.",
         "SyllableMax"},
    };
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.start();
    ProfileEditor* ed = f.openNew();
    ASSERT_NE(ed, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        f.setBox("LastName", row.last);
        f.setBox("FirstName", row.first);
        f.setBox("SyllableMax", row.max);
        f.setBox("SyllableMin", row.min);
        f.prompt.clear();
        click(ed, "OK");
        EXPECT_EQ(f.prompt.shown(), (std::vector<ScriptedPrompt::Shown>{
                                        {row.message, "Save Profile", Icon::None, Buttons::Ok}}));
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(ed, row.focus));
        EXPECT_EQ(f.editor(), ed);
    }
    f.setBox("SyllableMin", QStringLiteral("2"));
    f.setBox("SyllableMax", QStringLiteral("2"));
    f.prompt.clear();
    click(ed, "OK");
    EXPECT_EQ(f.texts(), std::vector<std::string>{});
    EXPECT_EQ(f.editor(), nullptr);
    const StudentProfile p = f.record(2);
    EXPECT_EQ(p.LastName.trimmed(), "lee");
    EXPECT_EQ(p.SyllableMin, 2);
    EXPECT_EQ(p.SyllableMax, 2);
}

TEST(ProfileEditor, ABlendNeedsItsConsonantsSelectedFirst)
{
    Fixture f;
    f.start();
    f.openNew();
    StudiedSegmentTree* list = f.segmentList();
    clickSegment(list, S);
    clickSegment(list, C_K);
    f.prompt.clear();
    clickSegment(list, SCR);
    EXPECT_EQ(f.prompt.shown(), (std::vector<ScriptedPrompt::Shown>{
                                    {"You may not select consonant blend SCR until its component "
                                     "consonants have been selected.",
                                     "Moxlet", Icon::Exclamation, Buttons::Ok}}));
    EXPECT_EQ(selectedRows(list), (std::vector<int>{C_K, S}));

    f.prompt.clear();
    clickSegment(list, R);
    clickSegment(list, SCR, {}, true);  // a double click selects it once
    EXPECT_EQ(selectedRows(list), (std::vector<int>{C_K, R, S, SCR}));
    clickSegment(list, R);  // unselecting a component leaves the blend
    EXPECT_EQ(selectedRows(list), (std::vector<int>{C_K, S, SCR}));
    clickSegment(list, SC);  // S and C (k) are enough for SC
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
    StudiedSegmentTree* tree = f.segmentList();
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
    EXPECT_EQ(segmentsOf(f.record(1).StudiedSegments), chosen);
    EXPECT_EQ(chosen.size(), 55u);
}

TEST(DeleteProfilesDialog, DeletesTheProfileAndItsPlanFileAndFreesTheSlot)
{
    Fixture f;
    f.addProfile("Lee", "Ann");
    f.addProfile("Moss", "");
    f.addProfile("Adams", "Bo");
    f.put("PLNS0002.DAT", "plans");
    f.start();
    EXPECT_EQ(f.main->activeProfileCount(), 3);

    f.trigger("mnuDelProfile");
    auto* del = f.window<DeleteProfilesDialog>();
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
    EXPECT_EQ(f.prompt.shown(),
              (std::vector<ScriptedPrompt::Shown>{
                  {"Are you sure you want to delete the Student Profile (and Lesson Plans) for Moss?",
                   "Delete", Icon::Question, Buttons::YesNo}}));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(f.record(2).InUse, 1);

    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    click(del, "Del");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(f.record(2).InUse, 0);
    EXPECT_EQ(f.record(2).LastName.trimmed(), "Moss");  // kept until the slot is reused
    EXPECT_FALSE(std::filesystem::exists(f.file("PLNS0002.DAT")));
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
    EXPECT_EQ(f.window<DeleteProfilesDialog>(), nullptr);

    // The next new profile takes the lowest free record.
    type(f.openNew(), "LastName", QStringLiteral("Nash"));
    click(f.editor(), "OK");
    EXPECT_EQ(f.record(2).LastName.trimmed(), "Nash");
    EXPECT_EQ(f.record(2).InUse, 1);
    EXPECT_EQ(f.record(2).ProfileNo, 2);
    EXPECT_EQ(openProfileFile(f.ctx).recordCount(), 3);
}

// Found by driving the windows as a keyboard-only tutor and a screen reader
// would.
TEST(ProfileEditor, AltPPressesPersonalInfoInsteadOfOpeningThePlanMenu)
{
    Fixture f;
    f.start();
    ProfileEditor* ed = f.openNew();
    ASSERT_NE(ed, nullptr);
    auto* last = child<QLineEdit>(ed, "LastName");
    last->setFocus();
    QApplication::processEvents();
    QTest::keyClick(last, Qt::Key_P, Qt::AltModifier);
    // The button's press is animated: the dialog opens when it is released.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ed->personalInfo()->isVisible(); }, 5000));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no menu opened
    click(ed->personalInfo(), "Cancel");

    // A letter the editor does not use still reaches the main menu.
    EXPECT_EQ(MnemonicScope::target(ed, Qt::Key_H), nullptr);
}
