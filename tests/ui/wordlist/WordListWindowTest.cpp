// The word list tool run from the main menu with QTest input: the messages
// for missing choices, the picker SelPhn, generation with automatic
// selection, picking words by hand (a 41st refused, a gap closed, a double
// click counting once), typed words (Etrwrdlt), Clear, Copy, the printout
// into a PDF file, the menus while the tool is open, and a student for whom
// there is nothing to list.
//
// To look at the window and the printout:
//   MOXLET_SCREENSHOTS=/tmp/shots MOXLET_PRINTOUT_DIR=/tmp/shots
//     build/debug/bin/moxlet_ui_tests --gtest_filter='WordList*'
// then pdftoppm -png -r 60 /tmp/shots/wordlist-small.pdf /tmp/shots/wordlist-small

#include "ui/wordlist/WordListWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QWindow>

#include "UiFixture.h"
#include "core/catalogue/Catalogue.h"
#include "core/wordlist/WordListText.h"
#include "ui/common/CellGrid.h"
#include "ui/common/MnemonicScope.h"
#include "ui/common/Text.h"
#include "ui/output/PrintStatus.h"
#include "ui/output/QtPrintLayer.h"
#include "ui/words/SegmentPickerDialog.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordCheckDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::type;

namespace {

// A student who has studied the short vowels A and I, the consonants B, C
// (k), D, L, N, P, S, T, the closed syllable and the blend ST.
const std::vector<int> kStudied = {0, 43, 10, 11, 17, 51, 55, 79, 86, 93, 121, 153};
constexpr int kE = 19, kM = 52, kO = 60, kU = 102;

struct Fixture : moxlet::test::UiFixture {
    WordListWindow* open()
    {
        trigger("mnuPlan_2");
        return window<WordListWindow>();
    }
    SegmentPickerDialog* openPicker(WordListWindow* w)
    {
        click(w, "PhnCmd");
        return w->findChild<SegmentPickerDialog*>();
    }
    void pick(SegmentPickerDialog* picker, int id)
    {
        const auto found = picker->list()->findItems(markedText(segmentName(id)), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << id;
        clickLine(picker->list(), picker->list()->row(found.first()));
    }
    // A click on the New button's circle.
    void chooseNew(WordListWindow* w)
    {
        auto* b = child<QRadioButton>(w, "NewPhoneme");
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(6, b->height() / 2));
        QApplication::processEvents();
        EXPECT_TRUE(b->isChecked());
    }
    void chooseStudent(WordListWindow* w, int row = 0) { clickLine(w->studentList(), row); }
    std::vector<QString> cells(WordListWindow* w)
    {
        std::vector<QString> texts;
        for (int k = 0; k < 40; ++k) texts.push_back(w->wordGrid()->cell(k / 4, k % 4));
        return texts;
    }
    int selectedWords(WordListWindow* w) { return static_cast<int>(w->wordList()->selectedItems().size()); }
    void lastMessage(const std::string& text, const std::string& title)
    {
        ASSERT_FALSE(prompt.shown().empty());
        EXPECT_EQ(prompt.shown().back().text, text);
        EXPECT_EQ(prompt.shown().back().title, title);
        EXPECT_EQ(prompt.shown().back().icon, Icon::Information);
    }
};

QString markedName(int id) { return markedText(segmentName(id)); }

}  // namespace

TEST(WordListTool, FromTheMenuThroughGenerationPickingTypingAndCopy)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    WordListWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("WordList"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Create Word List"));
    EXPECT_EQ(w->wordFrame()->title(), QStringLiteral("Select Up To 40 Words"));
    for (const char* entry : {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuDelPlan", "mnuProfile_0",
                              "mnuProfile_1", "mnuDelProfile"})
        EXPECT_FALSE(f.enabled(entry)) << entry;
    EXPECT_TRUE(f.enabled("mnuHomoOptions"));
    EXPECT_TRUE(f.enabled("mnuExit"));
    EXPECT_EQ(w->studentList()->count(), 1);
    EXPECT_EQ(w->studentList()->item(0)->text(), QStringLiteral("Lee, Ann"));

    // Nothing chosen yet.
    click(w, "GenerateWordList");
    f.lastMessage("You must select a Student and one or more Word Segments.", "Generate Word List");
    EXPECT_EQ(w->focusWidget(), w->studentList());
    click(w, "PhnCmd");
    f.lastMessage("You must make a selection from the Student List before selecting a Word Segment.",
                  "Word Segment Selection");
    EXPECT_EQ(w->findChild<SegmentPickerDialog*>(), nullptr);
    f.chooseStudent(w);
    click(w, "GenerateWordList");
    f.lastMessage("You must select one or more Word Segments.", "Generate Word List");
    EXPECT_EQ(w->focusWidget(), child<QPushButton>(w, "PhnCmd"));

    // New segments through SelPhn: five at most.
    f.chooseNew(w);
    SegmentPickerDialog* picker = f.openPicker(w);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->objectName(), QStringLiteral("SelPhn"));
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Up to  5 New Word Segments"));
    EXPECT_EQ(child<QPushButton>(picker, "Clear")->text(), QStringLiteral("Clear"));
    EXPECT_EQ(picker->list()->count(), 332 - static_cast<int>(kStudied.size()));
    for (int id : {kE, kM, kO, kU, 42, 48}) f.pick(picker, id);  // the sixth is refused
    EXPECT_EQ(picker->list()->selectedItems().size(), 5);
    EXPECT_EQ(w->segmentGrid()->cell(4, 0), markedName(42));  // shown while picking
    f.pick(picker, kO);
    f.pick(picker, kU);
    f.pick(picker, 42);  // O, U and H out: E and M stay
    EXPECT_EQ(w->segmentGrid()->cell(1, 0), markedName(kM));
    EXPECT_EQ(w->segmentGrid()->cell(2, 0), QString());
    // Find narrows the list; the chosen segments stay chosen while hidden.
    type(picker, "Find", QStringLiteral("ea"));
    for (int r = 0; r < picker->list()->count(); ++r)
        EXPECT_EQ(picker->list()->isRowHidden(r),
                  !picker->list()->item(r)->text().contains(QStringLiteral("EA")));
    EXPECT_EQ(child<QLabel>(picker, "SelectedCount")->text(), QStringLiteral("2 selected"));
    EXPECT_EQ(w->segmentGrid()->cell(1, 0), markedName(kM));
    click(picker, "OK");
    EXPECT_EQ(w->focusWidget(), child<QCheckBox>(w, "AutoSel"));
    EXPECT_TRUE(f.prompt.shown().size() == 3);

    // Generated and chosen automatically.
    QTest::mouseClick(child<QCheckBox>(w, "AutoSel"), Qt::LeftButton);
    click(w, "GenerateWordList");
    EXPECT_EQ(w->wordFrame()->title(), QStringLiteral("Select 40 Words Containing ") + markedName(kE) +
                                           QStringLiteral(" or ") + markedName(kM));
    const int count = w->wordList()->count();
    ASSERT_GE(count, 80);
    EXPECT_EQ(f.selectedWords(w), 40);
    std::vector<QString> grid = f.cells(w);
    for (const QString& cell : grid) EXPECT_FALSE(cell.isEmpty());
    EXPECT_TRUE(w->note()->text().isEmpty());

    // By hand: a 41st word is refused; taking one out closes the gap.
    int free = 0;
    while (w->wordList()->item(free)->isSelected()) ++free;
    clickLine(w->wordList(), free);
    EXPECT_FALSE(w->wordList()->item(free)->isSelected());
    EXPECT_EQ(f.cells(w), grid);
    const int fifth = w->wordList()->row(w->wordList()->findItems(grid[4], Qt::MatchExactly).first());
    clickLine(w->wordList(), fifth);
    std::vector<QString> closed(grid.begin(), grid.end());
    closed.erase(closed.begin() + 4);
    closed.push_back(QString());
    EXPECT_EQ(f.cells(w), closed);
    // A double click counts as one click: the word goes into the free cell.
    {
        QWindow* handle = w->window()->windowHandle();
        const QPoint at = handle->mapFromGlobal(w->wordList()->viewport()->mapToGlobal(
            w->wordList()->visualItemRect(w->wordList()->item(free)).center()));
        QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    }
    EXPECT_TRUE(w->wordList()->item(free)->isSelected());
    EXPECT_EQ(f.cells(w)[39], w->wordList()->item(free)->text());
    EXPECT_EQ(f.selectedWords(w), 40);

    // Clear, then a typed word and two picked ones.
    click(w, "Clear");
    EXPECT_EQ(f.selectedWords(w), 0);
    EXPECT_EQ(f.cells(w), std::vector<QString>(40));
    EXPECT_EQ(w->focusWidget(), w->wordList());
    click(w, "Type");
    auto* typing = w->findChild<TypedWordsDialog*>();
    ASSERT_NE(typing, nullptr);
    EXPECT_EQ(typing->objectName(), QStringLiteral("Etrwrdlt"));
    moxlet::test::type(typing, "Word_2", QStringLiteral("mesh  "));
    click(typing, "OK");
    EXPECT_EQ(w->focusWidget(), w->wordList());
    clickLine(w->wordList(), 0);
    clickLine(w->wordList(), 1);
    EXPECT_EQ(f.cells(w)[0], w->wordList()->item(0)->text());
    EXPECT_EQ(f.cells(w)[1], w->wordList()->item(1)->text());
    EXPECT_EQ(f.cells(w)[2], QStringLiteral("mesh"));
    // The space bar picks the current word: the cell after the typed one.
    w->wordList()->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    QTest::keyClick(w->wordList(), Qt::Key_Space);
    EXPECT_EQ(f.cells(w)[3], w->wordList()->item(2)->text());

    // Copy: ten lines of four fields, as the grid shows them.
    click(w, "Copy");
    const QString text = f.clipboard.text;
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 10);
    EXPECT_TRUE(text.startsWith(f.cells(w)[0] + "\t" + f.cells(w)[1] + "\tmesh\t" + f.cells(w)[3] +
                                "\r\n\t\t\t\r\n"));
    EXPECT_EQ(text.toStdString(), wordListText(w->tool().grid().cells()));

    // The printout's sheet: the student, the New heading, the grid.
    const WordListSheet sheet = w->sheet();
    EXPECT_EQ(sheet.lastName, "Lee");
    EXPECT_TRUE(sheet.newList);
    EXPECT_EQ(sheet.segments, (std::vector<SegmentId>{kE, kM}));
    EXPECT_EQ(sheet.cells[2].text, "mesh");

    click(w, "Close");
    EXPECT_EQ(f.window<WordListWindow>(), nullptr);
    for (const char* entry :
         {"mnuPlan_0", "mnuPlan_1", "mnuPlan_2", "mnuDelPlan", "mnuProfile_0", "mnuProfile_1"})
        EXPECT_TRUE(f.enabled(entry)) << entry;
}

TEST(WordListTool, AStudentWithNothingStudiedIsToldWhyThereIsNothingToReview)
{
    Fixture f;
    f.addProfile("Beginner", "Bo");
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    WordListWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    click(w, "CheckWord");
    f.lastMessage("You must select a Student.", "Check a Word");
    EXPECT_EQ(w->findChild<WordCheckDialog*>(), nullptr);
    f.chooseStudent(w, 0);  // Beginner, Bo
    EXPECT_TRUE(w->note()->text().contains(QStringLiteral("none to review")));
    SegmentPickerDialog* picker = f.openPicker(w);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->list()->count(), 0);
    click(picker, "Cancel");

    // New: all 332 segments; E alone gives words only where every other
    // segment is automatic, and the note says why a segment gives none.
    f.chooseNew(w);
    EXPECT_TRUE(w->note()->text().isEmpty());
    picker = f.openPicker(w);
    EXPECT_EQ(picker->list()->count(), 332);
    f.pick(picker, kM);
    click(picker, "OK");
    click(w, "GenerateWordList");
    EXPECT_EQ(w->wordList()->count(), 0);
    EXPECT_TRUE(w->note()->text().startsWith(QStringLiteral("No word containing ") + markedName(kM)));

    // Another student keeps the chosen segment (also new to her) and the
    // empty list; generating again lists her words.
    f.chooseStudent(w, 1);
    EXPECT_EQ(w->segmentGrid()->cell(0, 0), markedName(kM));
    click(w, "GenerateWordList");
    EXPECT_GT(w->wordList()->count(), 0);
    EXPECT_TRUE(w->note()->text().isEmpty());
    EXPECT_EQ(f.selectedWords(w), 0);  // no automatic selection asked for

    // Check a Word starts from the current word, which the list offers;
    // a word the list lacks is explained.
    w->wordList()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    click(w, "CheckWord");
    auto* check = w->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->answerLabel()->text().contains(QStringLiteral("is offered")))
        << check->answerLabel()->text().toStdString();
    child<QLineEdit>(check, "Word")->setText(QStringLiteral("cat"));
    click(check, "Check");
    EXPECT_TRUE(check->answerLabel()->text().contains(QStringLiteral("does not contain")))
        << check->answerLabel()->text().toStdString();
    check->close();
    QApplication::processEvents();
    EXPECT_EQ(w->focusWidget(), w->wordList());
}

// The button and moxlet-cli why give a tutor and a helper on the phone the
// same words for the same student, list and word.
TEST(WordListTool, CheckAWordSaysWhatMoxletCliWhySays)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    WordListWindow* w = f.open();
    ASSERT_NE(w, nullptr);
    f.chooseStudent(w);
    SegmentPickerDialog* picker = f.openPicker(w);
    ASSERT_NE(picker, nullptr);
    f.pick(picker, 93);  // T
    click(picker, "OK");
    click(w, "GenerateWordList");
    click(w, "CheckWord");
    auto* check = w->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    for (const char* word : {"tab", "stop", "stripe", "cat", "zzqxv", "antidisestablishment"}) {
        SCOPED_TRACE(word);
        child<QLineEdit>(check, "Word")->setText(QString::fromLatin1(word));
        click(check, "Check");
        QProcess cli;
        cli.setWorkingDirectory(f.dir.path());
        cli.start(QStringLiteral(MOXLET_BINARY_DIR "/bin/moxlet-cli"),
                  {QStringLiteral("why"), QStringLiteral("1"), QString::fromLatin1(word),
                   QStringLiteral("--segment"), QStringLiteral("93")});
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(check->answerLabel()->text(), QString::fromUtf8(cli.readAllStandardOutput()).trimmed());
    }
    check->close();
}

TEST(WordListTool, PrintsIntoAPdfFileInEachSize)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    WordListWindow* w = f.open();
    f.chooseStudent(w);
    SegmentPickerDialog* picker = f.openPicker(w);
    f.pick(picker, 93);  // T
    f.pick(picker, 86);  // S
    click(picker, "OK");
    QTest::mouseClick(child<QCheckBox>(w, "AutoSel"), Qt::LeftButton);
    click(w, "GenerateWordList");
    ASSERT_EQ(f.selectedWords(w), 40);

    QTemporaryDir temp;
    const QByteArray keep = qgetenv("MOXLET_PRINTOUT_DIR");
    const QString folder = keep.isEmpty() ? temp.path() : QString::fromLocal8Bit(keep);
    QDir().mkpath(folder);
    const char* sizes[] = {"small", "medium", "large"};
    for (int size = 0; size < 3; ++size) {
        child<QComboBox>(w, "ComboFontSize")->setCurrentIndex(size);
        const QString file = folder + QStringLiteral("/wordlist-%1.pdf").arg(QLatin1String(sizes[size]));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        EXPECT_EQ(printJobOn(printer, 1, wordListPrintJob(w->sheet())), 0);
        EXPECT_TRUE(QFile::exists(file));
        EXPECT_GT(QFile(file).size(), 1000);
    }

    // The dialog is the word list's; cancelling it prints nothing.
    bool seen = false;
    f.printDialogs.answer = [&](QDialog& shown) {
        auto* dialog = qobject_cast<QPrintDialog*>(&shown);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return false;
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Print Word List"));
        return false;  // cancelled
    };
    click(w, "Print");
    EXPECT_TRUE(seen);
    EXPECT_TRUE(f.prompt.shown().empty());
    EXPECT_EQ(f.window<PrintStatus>(), nullptr);
}

TEST(WordListTool, AltLettersReachTheToolBeforeTheMenu)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    WordListWindow* w = f.open();
    // Alt+letter reaches the tool's buttons before the main menu's.
    EXPECT_EQ(MnemonicScope::target(w, Qt::Key_G), child<QPushButton>(w, "GenerateWordList"));
    EXPECT_EQ(MnemonicScope::target(w, Qt::Key_P), child<QPushButton>(w, "Print"));
    EXPECT_EQ(MnemonicScope::target(w, Qt::Key_U), w->studentList());
}

TEST(WordListScreens, SavePictures)
{
    const QByteArray folder = qgetenv("MOXLET_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MOXLET_SCREENSHOTS not set";
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.addProfile("Beginner", "Bo");
    f.start();
    for (QSize size : {QSize(818, 611), QSize(1024, 768)}) {
        f.main->resize(size);
        WordListWindow* w = f.open();
        f.chooseStudent(w, 1);
        f.chooseNew(w);
        SegmentPickerDialog* picker = f.openPicker(w);
        f.pick(picker, kE);
        f.pick(picker, kM);
        QApplication::processEvents();
        picker->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/SelPhn.png"));
        click(picker, "OK");
        QTest::mouseClick(child<QCheckBox>(w, "AutoSel"), Qt::LeftButton);
        click(w, "GenerateWordList");
        QApplication::processEvents();
        const QString name = QStringLiteral("/WordList-%1x%2.png").arg(size.width()).arg(size.height());
        f.main->grab().save(QString::fromLocal8Bit(folder) + name);
        // As on a small screen: maximised in the main window.
        qobject_cast<QMdiSubWindow*>(w->parentWidget())->showMaximized();
        QApplication::processEvents();
        f.main->grab().save(
            QString::fromLocal8Bit(folder) +
            QStringLiteral("/WordList-%1x%2-maximised.png").arg(size.width()).arg(size.height()));
        click(w, "Type");
        auto* typing = w->findChild<TypedWordsDialog*>();
        typing->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/Etrwrdlt.png"));
        click(typing, "Cancel");
        click(w, "Close");
    }
}
