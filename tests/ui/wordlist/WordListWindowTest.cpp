// The word list tool run from the main menu with QTest input: the messages
// for missing choices, the picker SelPhn, generation with automatic
// selection, picking words by hand (a 41st refused, a gap closed, a double
// click counting once), typed words (Etrwrdlt), Clear, Copy, the printout
// into a PDF file, the menus while the tool is open, and a student for whom
// there is nothing to list.
//
// To look at the printout:
//   MOXLET_PRINTOUT_DIR=/tmp/shots build/debug/bin/moxlet_ui_tests --gtest_filter='WordList*'
// then pdftoppm -png -r 60 /tmp/shots/wordlist-small.pdf /tmp/shots/wordlist-small

#include "ui/wordlist/WordListWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QWindow>

#include "UiFixture.h"
#include "ui/common/CellGrid.h"
#include "ui/common/MnemonicScope.h"
#include "ui/output/PrintStatus.h"
#include "ui/output/QtPrintLayer.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordCheckDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::kAnnStudied;
using moxlet::test::pickSegment;
using moxlet::test::type;

namespace {

const char* const kStudentEntries[] = {"mnuPlan_0",    "mnuPlan_1",    "mnuPlan_2",    "mnuDelPlan",
                                       "mnuProfile_0", "mnuProfile_1", "mnuDelProfile"};

QString markedName(int id) { return markedText(segmentName(id)); }

struct Fixture : moxlet::test::UiFixture {
    WordListWindow* w = nullptr;

    // The tool opened from the menu with Lee, Ann (kAnnStudied) on its
    // list, after a beginner who has studied nothing if asked for.
    explicit Fixture(bool withBeginner = false)
    {
        if (withBeginner) addProfile("Beginner", "Bo");
        addProfile("Lee", "Ann", kAnnStudied);
        start();
        trigger("mnuPlan_2");
        w = window<WordListWindow>();
        EXPECT_NE(w, nullptr);
    }
    SegmentPickerDialog* openPicker()
    {
        click(w, "PhnCmd");
        return w->findChild<SegmentPickerDialog*>();
    }
    // A click on the New button's circle.
    void chooseNew()
    {
        auto* b = child<QRadioButton>(w, "NewPhoneme");
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
        QApplication::processEvents();
        EXPECT_TRUE(b->isChecked());
    }
    void chooseStudent(int row = 0) { clickLine(w->studentList(), row); }
    void choose(std::initializer_list<int> ids)
    {
        SegmentPickerDialog* picker = openPicker();
        ASSERT_NE(picker, nullptr);
        for (int id : ids) pickSegment(picker, id);
        click(picker, "OK");
    }
    // The chosen student's list of the segments, with or without the
    // automatic choice.
    void generate(std::initializer_list<int> ids, bool automatic)
    {
        choose(ids);
        if (automatic) QTest::mouseClick(child<QCheckBox>(w, "AutoSel"), Qt::LeftButton);
        click(w, "GenerateWordList");
    }
    std::vector<QString> cells()
    {
        std::vector<QString> texts;
        for (int k = 0; k < 40; ++k) texts.push_back(w->wordGrid()->cell(k / 4, k % 4));
        return texts;
    }
    int selectedWords() { return static_cast<int>(w->wordList()->selectedItems().size()); }
    QString word(int line) { return w->wordList()->item(line)->text(); }
};

}  // namespace

TEST(WordListTool, OpensFromTheMenuAndHoldsTheStudentEntriesUntilItCloses)
{
    Fixture f;
    EXPECT_EQ(f.w->objectName(), QStringLiteral("WordList"));
    EXPECT_EQ(f.w->windowTitle(), QStringLiteral("Create Word List"));
    EXPECT_EQ(f.w->wordFrame()->title(), QStringLiteral("Select Up To 40 Words"));
    for (const char* entry : kStudentEntries) EXPECT_FALSE(f.enabled(entry)) << entry;
    // Alt+letter reaches the tool's buttons before the main menu's.
    EXPECT_EQ(MnemonicScope::target(f.w, Qt::Key_G), child<QPushButton>(f.w, "GenerateWordList"));
    EXPECT_EQ(MnemonicScope::target(f.w, Qt::Key_P), child<QPushButton>(f.w, "Print"));
    EXPECT_EQ(MnemonicScope::target(f.w, Qt::Key_U), f.w->studentList());
    EXPECT_TRUE(f.enabled("mnuHomoOptions"));
    EXPECT_TRUE(f.enabled("mnuExit"));
    ASSERT_EQ(f.w->studentList()->count(), 1);
    EXPECT_EQ(f.w->studentList()->item(0)->text(), QStringLiteral("Lee, Ann"));
    click(f.w, "Close");
    EXPECT_EQ(f.window<WordListWindow>(), nullptr);
    for (const char* entry : kStudentEntries) EXPECT_TRUE(f.enabled(entry)) << entry;
}

// Each row: a button pressed with or without a student chosen, the message,
// its title, and where the focus goes.
TEST(WordListTool, SaysWhatIsMissingBeforeItActs)
{
    struct Row {
        bool student;
        const char* button;
        std::string text, title;
        const char* focus;  // nullptr: not checked
    };
    const Row rows[] = {
        {false, "GenerateWordList", "You must select a Student and one or more Word Segments.",
         "Generate Word List", "StudentList"},
        {false, "PhnCmd", "You must make a selection from the Student List before selecting a Word Segment.",
         "Word Segment Selection", nullptr},
        {false, "CheckWord", "You must select a Student.", "Check a Word", nullptr},
        {true, "GenerateWordList", "You must select one or more Word Segments.", "Generate Word List",
         "PhnCmd"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Fixture f;
        if (row.student) f.chooseStudent();
        click(f.w, row.button);
        EXPECT_EQ(f.prompt.shown(), (std::vector<ScriptedPrompt::Shown>{
                                        {row.text, row.title, Icon::Information, Buttons::Ok}}));
        if (row.focus) {
            EXPECT_EQ(f.w->focusWidget()->objectName(), QString::fromLatin1(row.focus));
        }
        EXPECT_EQ(f.w->findChild<SegmentPickerDialog*>(), nullptr);
        EXPECT_EQ(f.w->findChild<WordCheckDialog*>(), nullptr);
    }
}

TEST(WordListTool, ThePickerTakesFiveNewSegmentsAndTheListFortyWordsWithoutGaps)
{
    Fixture f;
    f.chooseStudent();
    f.chooseNew();
    SegmentPickerDialog* picker = f.openPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->objectName(), QStringLiteral("SelPhn"));
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Up to  5 New Word Segments"));
    EXPECT_EQ(child<QPushButton>(picker, "Clear")->text(), QStringLiteral("Clear"));
    EXPECT_EQ(picker->list()->count(), 332 - static_cast<int>(kAnnStudied.size()));
    for (int id : {seg::E_Short, seg::M, seg::O_Do, seg::UR, seg::H, seg::J}) pickSegment(picker, id);
    EXPECT_EQ(picker->list()->selectedItems().size(), 5);  // the sixth is refused
    EXPECT_EQ(f.w->segmentGrid()->cell(4, 0), markedName(seg::H));
    for (int id : {seg::O_Do, seg::UR, seg::H}) pickSegment(picker, id);  // out: E and M stay
    EXPECT_EQ(f.w->segmentGrid()->cell(1, 0), markedName(seg::M));
    EXPECT_EQ(f.w->segmentGrid()->cell(2, 0), QString());
    // Find narrows the list; the chosen segments stay chosen while hidden.
    type(picker, "Find", QStringLiteral("ea"));
    for (int r = 0; r < picker->list()->count(); ++r)
        EXPECT_EQ(picker->list()->isRowHidden(r),
                  !picker->list()->item(r)->text().contains(QStringLiteral("EA")));
    EXPECT_EQ(child<QLabel>(picker, "SelectedCount")->text(), QStringLiteral("2 selected"));
    EXPECT_EQ(f.w->segmentGrid()->cell(1, 0), markedName(seg::M));
    click(picker, "OK");
    EXPECT_EQ(f.w->focusWidget(), child<QCheckBox>(f.w, "AutoSel"));
    EXPECT_TRUE(f.prompt.shown().empty());

    // Forty words of E and M chosen automatically, by hand and typed,
    // without gaps.
    QTest::mouseClick(child<QCheckBox>(f.w, "AutoSel"), Qt::LeftButton);
    click(f.w, "GenerateWordList");
    EXPECT_EQ(f.w->wordFrame()->title(), QStringLiteral("Select 40 Words Containing ") +
                                             markedName(seg::E_Short) + QStringLiteral(" or ") +
                                             markedName(seg::M));
    ASSERT_GE(f.w->wordList()->count(), 80);
    EXPECT_EQ(f.selectedWords(), 40);
    const std::vector<QString> grid = f.cells();
    for (const QString& cell : grid) EXPECT_FALSE(cell.isEmpty());
    EXPECT_TRUE(f.w->note()->text().isEmpty());

    // A 41st word is refused; taking one out closes the gap.
    int free = 0;
    while (f.w->wordList()->item(free)->isSelected()) ++free;
    clickLine(f.w->wordList(), free);
    EXPECT_FALSE(f.w->wordList()->item(free)->isSelected());
    EXPECT_EQ(f.cells(), grid);
    clickLine(f.w->wordList(),
              f.w->wordList()->row(f.w->wordList()->findItems(grid[4], Qt::MatchExactly)[0]));
    std::vector<QString> closed = grid;
    closed.erase(closed.begin() + 4);
    closed.push_back(QString());
    EXPECT_EQ(f.cells(), closed);

    // A double click counts as one click: the word goes into the free cell.
    QWindow* handle = f.w->window()->windowHandle();
    const QPoint at = handle->mapFromGlobal(f.w->wordList()->viewport()->mapToGlobal(
        f.w->wordList()->visualItemRect(f.w->wordList()->item(free)).center()));
    QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, at);
    QApplication::processEvents();
    EXPECT_TRUE(f.w->wordList()->item(free)->isSelected());
    EXPECT_EQ(f.cells()[39], f.word(free));
    EXPECT_EQ(f.selectedWords(), 40);

    // Typed and picked words share the grid and are copied as shown.
    click(f.w, "Clear");
    EXPECT_EQ(f.selectedWords(), 0);
    EXPECT_EQ(f.cells(), std::vector<QString>(40));
    EXPECT_EQ(f.w->focusWidget(), f.w->wordList());

    click(f.w, "Type");
    auto* typing = f.w->findChild<TypedWordsDialog*>();
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(typing->objectName(), QStringLiteral("Etrwrdlt"));
    moxlet::test::type(typing, "Word_2", QStringLiteral("mesh  "));
    click(typing, "OK");
    EXPECT_EQ(f.w->focusWidget(), f.w->wordList());
    clickLine(f.w->wordList(), 0);
    clickLine(f.w->wordList(), 1);
    // The space bar picks the current word: the cell after the typed one.
    f.w->wordList()->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    QTest::keyClick(f.w->wordList(), Qt::Key_Space);
    std::vector<QString> expected(40);
    expected[0] = f.word(0);
    expected[1] = f.word(1);
    expected[2] = QStringLiteral("mesh");
    expected[3] = f.word(2);
    EXPECT_EQ(f.cells(), expected);

    // Copy: ten lines of four fields, as the grid shows them.
    click(f.w, "Copy");
    QString text = expected[0] + "\t" + expected[1] + "\tmesh\t" + expected[3] + "\r\n";
    for (int row = 1; row < 10; ++row) text += QStringLiteral("\t\t\t\r\n");
    EXPECT_EQ(f.clipboard.text, text);

    // The printout's sheet: the student, the New heading, the grid.
    const WordListSheet sheet = f.w->sheet();
    EXPECT_EQ(sheet.lastName, "Lee");
    EXPECT_TRUE(sheet.newList);
    EXPECT_EQ(sheet.segments, (std::vector<SegmentId>{seg::E_Short, seg::M}));
    EXPECT_EQ(sheet.cells[2].text, "mesh");
}

TEST(WordListTool, AStudentWithNothingStudiedIsToldWhyThereIsNothingToReview)
{
    Fixture f(true);
    f.chooseStudent(0);  // Beginner, Bo
    EXPECT_TRUE(f.w->note()->text().contains(QStringLiteral("none to review")));
    SegmentPickerDialog* picker = f.openPicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->list()->count(), 0);
    click(picker, "Cancel");

    // New: all 332 segments; M gives no word that fits him, and the note
    // says why.
    f.chooseNew();
    EXPECT_TRUE(f.w->note()->text().isEmpty());
    picker = f.openPicker();
    EXPECT_EQ(picker->list()->count(), 332);
    pickSegment(picker, seg::M);
    click(picker, "OK");
    click(f.w, "GenerateWordList");
    EXPECT_EQ(f.w->wordList()->count(), 0);
    EXPECT_TRUE(f.w->note()->text().startsWith(QStringLiteral("No word containing ") + markedName(seg::M)));

    // Another student keeps the chosen segment (also new to her) and the
    // empty list; generating again lists her words.
    f.chooseStudent(1);
    EXPECT_EQ(f.w->segmentGrid()->cell(0, 0), markedName(seg::M));
    click(f.w, "GenerateWordList");
    EXPECT_GT(f.w->wordList()->count(), 0);
    EXPECT_TRUE(f.w->note()->text().isEmpty());
    EXPECT_EQ(f.selectedWords(), 0);  // no automatic selection asked for

    // Check a Word starts from the current word, which the list offers;
    // a word the list lacks is explained.
    f.w->wordList()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    click(f.w, "CheckWord");
    auto* check = f.w->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->answerLabel()->text().contains(QStringLiteral("is offered")))
        << check->answerLabel()->text().toStdString();
    child<QLineEdit>(check, "Word")->setText(QStringLiteral("cat"));
    click(check, "Check");
    EXPECT_TRUE(check->answerLabel()->text().contains(QStringLiteral("does not contain")))
        << check->answerLabel()->text().toStdString();
    check->close();
    QApplication::processEvents();
    EXPECT_EQ(f.w->focusWidget(), f.w->wordList());
}

// The button and moxlet-cli why give a tutor and a helper on the phone the
// same words for the same student, list and word.
TEST(WordListTool, CheckAWordSaysWhatMoxletCliWhySays)
{
    Fixture f;
    f.chooseStudent();
    f.generate({seg::T}, false);
    click(f.w, "CheckWord");
    auto* check = f.w->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    for (const char* word : {"tab", "stop", "stripe", "cat", "zzqxv", "antidisestablishment"}) {
        SCOPED_TRACE(word);
        child<QLineEdit>(check, "Word")->setText(QString::fromLatin1(word));
        click(check, "Check");
        QProcess cli;
        cli.setWorkingDirectory(f.dir.path());
        cli.start(QStringLiteral(MOXLET_BINARY_DIR "/bin/moxlet-cli"),
                  {QStringLiteral("why"), QStringLiteral("1"), QString::fromLatin1(word),
                   QStringLiteral("--segment"), QString::number(seg::T)});
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(check->answerLabel()->text(), QString::fromUtf8(cli.readAllStandardOutput()).trimmed());
    }
    check->close();
}

TEST(WordListTool, PrintsIntoAPdfFileInEachSize)
{
    Fixture f;
    f.chooseStudent();
    f.generate({seg::T, seg::S}, true);
    ASSERT_EQ(f.selectedWords(), 40);

    QTemporaryDir temp;
    const QByteArray keep = qgetenv("MOXLET_PRINTOUT_DIR");
    const QString folder = keep.isEmpty() ? temp.path() : QString::fromLocal8Bit(keep);
    QDir().mkpath(folder);
    for (const char* size : {"Small", "Medium", "Large"}) {
        child<QComboBox>(f.w, "ComboFontSize")->setCurrentText(QString::fromLatin1(size));
        const QString file =
            folder + QStringLiteral("/wordlist-%1.pdf").arg(QString::fromLatin1(size).toLower());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        EXPECT_EQ(printJobOn(printer, 1, wordListPrintJob(f.w->sheet())), 0);
        EXPECT_GT(QFile(file).size(), 1000);
    }

    // The dialog is the word list's; cancelling it prints nothing.
    QString seen;
    f.printDialogs.answer = [&](QDialog& shown) {
        EXPECT_NE(qobject_cast<QPrintDialog*>(&shown), nullptr);
        seen = shown.windowTitle();
        return false;  // cancelled
    };
    click(f.w, "Print");
    EXPECT_EQ(seen, QStringLiteral("Print Word List"));
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(f.window<PrintStatus>(), nullptr);
}
