// The word choice dialogs opened from the plan window's "..." buttons: what
// each shows, editing a Review and a New list, picking spelling words for
// two rows with Next, typing an unlisted word, Cancel after Next, and the
// plan saved and reopened with everything as left; Check a Word.
#include "ui/words/WordChoiceDialog.h"

#include <QLabel>

#include "UiFixture.h"
#include "ui/common/CellGrid.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordCheckDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using enum moxlet::PlanSection;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;

namespace {

// Lee, Ann (kAnnStudied) with a new plan of 24-word Review lists: Review
// Closed Syllable, New E (short e), Spelling A and I.
struct Fixture : moxlet::test::UiFixture {
    PlanWindow* w = nullptr;
    Fixture()
    {
        addProfile("Lee", "Ann", moxlet::test::kAnnStudied);
        start();
        options.values.ReviewListSize = 2;
        w = newPlan();
        EXPECT_NE(w, nullptr);
        choose(w, Review, {seg::ClosedSyllable});
        choose(w, New, {seg::E_Short});
        choose(w, Spelling, {seg::A_Short, seg::I_Short});
    }
    // The dialog of a "..." button.
    WordChoiceDialog* open(const char* button)
    {
        click(w, button);
        auto* d = w->findChild<WordChoiceDialog*>();
        EXPECT_NE(d, nullptr) << button;
        return d;
    }
    void saveAndReopen()
    {
        child<QLineEdit>(w, "LessonDate")->setText(QStringLiteral("091426"));
        click(w, "Save");
        click(w, "Close");
        ASSERT_EQ(plan(), nullptr);
        w = openPlan();
        QApplication::processEvents();
        ASSERT_NE(w, nullptr);
    }
};

std::vector<std::int16_t> positions(const PlanSession& s, PlanSection list, int slot, int n)
{
    std::vector<std::int16_t> out;
    for (int k = 0; k < n; ++k) out.push_back(s.listPos(list, slot, k));
    return out;
}

}  // namespace

// Each row: a "..." button, the dialog's form and caption, the words it
// opens with ticked, and whether it leads on to a previous or next list.
TEST(WordChoiceDialog, EachListOpensItsOwnDialog)
{
    struct Row {
        const char* button;
        const char* form;
        const char* caption;
        int ticked;
        bool previous, next;
    };
    const Row rows[] = {
        {"Cmd2X_0", "SelWrd24", "Edit Review Word List", 24, false, false},  // no second Review slot
        {"Cmd4X_0", "SelWrd40", "Edit New Word List", 40, false, false},
        {"Cmd3X_0", "SelWord", "Select Words for Spelling Dictation", 0, false, true},
    };
    Fixture f;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        WordChoiceDialog* d = f.open(row.button);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), QString::fromLatin1(row.form));
        EXPECT_EQ(d->windowTitle(), QString::fromLatin1(row.caption));
        EXPECT_EQ(d->list()->selectedItems().size(), row.ticked);
        EXPECT_EQ(child<QPushButton>(d, "PrevList")->isEnabled(), row.previous);
        EXPECT_EQ(child<QPushButton>(d, "NextList")->isEnabled(), row.next);
        moxlet::test::expectAccessibleNames(d);
        click(d, "Cancel");
    }
    EXPECT_EQ(child<QLabel>(f.open("Cmd2X_0"), "Label1")->text(),
              QStringLiteral("Select up to 24 words containing Closed Syllable:"));
}

TEST(WordChoiceDialog, UntickingAReviewWordMovesTheRestLeftAndIsKept)
{
    Fixture f;
    WordChoiceDialog* d = f.open("Cmd2X_0");
    // The words flow in rows inside the list's width: it scrolls only down.
    const QRect first = d->list()->visualItemRect(d->list()->item(0));
    EXPECT_GT(d->list()->visualItemRect(d->list()->item(1)).left(), first.left());
    for (int i = 0; i < d->list()->count(); ++i)
        EXPECT_LE(d->list()->visualItemRect(d->list()->item(i)).right(), d->list()->viewport()->width()) << i;
    const std::int16_t second = f.w->session().listPos(Review, 0, 1);
    const std::int16_t third = f.w->session().listPos(Review, 0, 2);
    clickLine(d->list(), second);
    EXPECT_EQ(d->choice().cells()[1].tag, third);
    EXPECT_EQ(d->choice().cells()[23].tag, -1);
    click(d, "OK");
    EXPECT_EQ(f.w->session().listPos(Review, 0, 1), third);
    EXPECT_EQ(f.w->session().listPos(Review, 0, 23), -1);
    EXPECT_TRUE(f.w->session().changed);

    const auto review = positions(f.w->session(), Review, 0, 24);
    f.saveAndReopen();
    EXPECT_EQ(positions(f.w->session(), Review, 0, 24), review);
    EXPECT_FALSE(f.w->session().changed);
}

TEST(WordChoiceDialog, ATypedWordTakesTheFreeLastCellOfANewList)
{
    Fixture f;
    WordChoiceDialog* d = f.open("Cmd4X_0");
    click(d, "Clear");
    EXPECT_TRUE(d->list()->selectedItems().isEmpty());
    clickLine(d->list(), 4);
    click(d, "Type");
    auto* typed = d->findChild<TypedWordsDialog*>();
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->objectName(), QStringLiteral("Etrwrd40"));
    EXPECT_EQ(typed->windowTitle(), QStringLiteral("Type in Unlisted Words"));
    EXPECT_FALSE(typed->box(0)->isEnabled());  // the list word
    moxlet::test::type(typed, "Word_39", QStringLiteral("zigzag"));
    click(typed, "OK");
    EXPECT_EQ(d->grid()->cell(9, 3), QStringLiteral("zigzag"));
    clickLine(d->list(), 5);  // the last cell is taken: refused
    EXPECT_EQ(d->list()->selectedItems().size(), 1);
    click(d, "OK");
    const std::string first = f.w->session().listWord(New, 0, 0).trimmed();

    f.saveAndReopen();
    EXPECT_EQ(f.w->session().listWord(New, 0, 39).trimmed(), "zigzag");
    EXPECT_EQ(f.w->session().listPos(New, 0, 39), kTypedWord);
    EXPECT_EQ(f.w->session().listWord(New, 0, 0).trimmed(), first);
    d = f.open("Cmd4X_0");
    EXPECT_EQ(d->list()->selectedItems().size(), 1);
    EXPECT_EQ(d->grid()->cell(9, 3), QStringLiteral("zigzag"));
}

// Check a Word explains why a word is or is not listed; Next accepts a
// spelling row and Cancel keeps it.
TEST(WordChoiceDialog, CheckAWordThenNextAcceptsASpellingRowAndCancelKeepsIt)
{
    Fixture f;
    WordChoiceDialog* d = f.open("Cmd3X_0");
    d->list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    click(d, "CheckWord");
    auto* check = d->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    // Each: the word, then a part of the answer.
    for (const auto& [word, answer] :
         {std::pair{"", "is offered"}, std::pair{"zzqxv", "is not in Moxlet's word base"},
          std::pair{"stripe", "has not studied"}}) {
        if (*word) {
            child<QLineEdit>(check, "Word")->setText(QString::fromLatin1(word));
            click(check, "Check");
        }
        EXPECT_TRUE(check->answerLabel()->text().contains(QString::fromLatin1(answer)))
            << check->answerLabel()->text().toStdString();
    }
    check->close();
    QApplication::processEvents();
    for (int line : {0, 1, 2, 3, 4}) clickLine(d->list(), line);  // the fifth is refused
    EXPECT_EQ(d->list()->selectedItems().size(), 4);
    const QString fourth = d->grid()->cell(0, 3);
    click(d, "NextList");
    EXPECT_EQ(d->index(), 1);
    EXPECT_EQ(f.w->wordGrid()->cell(0, 3), fourth);  // row 0 accepted by Next
    EXPECT_FALSE(child<QPushButton>(d, "NextList")->isEnabled());
    clickLine(d->list(), 0);
    click(d, "Cancel");
    EXPECT_EQ(f.w->wordGrid()->cell(1, 0), QString());

    f.saveAndReopen();
    EXPECT_EQ(f.w->wordGrid()->cell(0, 3), fourth);
    d = f.open("Cmd3X_0");
    EXPECT_EQ(d->list()->selectedItems().size(), 4);
    EXPECT_EQ(d->grid()->cell(0, 3), fourth);
}
