// The word choice dialogs opened from the plan window's "..." buttons:
// editing a Review and a New list, picking four spelling words for two rows
// with Next, typing an unlisted word, Cancel after Next, saving and
// reopening to find everything as left.
#include "ui/words/WordChoiceDialog.h"

#include <QLabel>

#include "UiFixture.h"
#include "core/catalogue/Catalogue.h"
#include "ui/common/CellGrid.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SectionEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/words/SegmentPickerDialog.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordCheckDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using enum moxlet::PlanSection;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;

namespace {

const std::vector<int> kStudied = {0, 43, 10, 11, 17, 51, 55, 79, 86, 93, 121, 153};

struct Fixture : moxlet::test::UiFixture {
    PlanWindow* plan() { return window<PlanWindow>(); }
    PlanWindow* newPlan()
    {
        trigger("mnuPlan_0");
        auto* chooser = window<StudentChooser>();
        clickLine(child<QListWidget>(chooser, "StudentList"), 0);
        click(chooser, "OK");
        return plan();
    }
    PlanWindow* reopen()
    {
        trigger("mnuPlan_1");
        auto* chooser = window<PlanChooser>();
        clickLine(chooser->studentList(), 0);
        clickLine(chooser->planList(), 0);
        click(chooser, "OK");
        QApplication::processEvents();
        return plan();
    }
    void choose(PlanWindow* w, PlanSection section, std::initializer_list<int> ids)
    {
        click(w, QStringLiteral("Cmd_%1").arg(sectionIndex(section)).toLatin1());
        auto* picker = w->findChild<SegmentPickerDialog*>();
        for (int id : ids) {
            const auto found = picker->list()->findItems(markedText(segmentName(id)), Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            clickLine(picker->list(), picker->list()->row(found.first()));
        }
        click(picker, "OK");
        if (w->sections()->summary()) w->sections()->summary()->close();
    }
    WordChoiceDialog* dialog(PlanWindow* w) { return w->findChild<WordChoiceDialog*>(); }
};

std::vector<std::int16_t> positions(const PlanSession& s, PlanSection kind, int slot, int n)
{
    std::vector<std::int16_t> out;
    for (int k = 0; k < n; ++k) out.push_back(s.listPos(kind, slot, k));
    return out;
}

}  // namespace

TEST(WordChoiceDialog, ATutorEditsListsPicksSpellingWordsTypesOneAndFindsThemAgain)
{
    Fixture f;
    f.options.values.ReviewListSize = 2;  // 24-word Review lists
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    f.options.values.ReviewListSize = 2;
    PlanWindow* w = f.newPlan();
    ASSERT_NE(w, nullptr);
    f.choose(w, Review, {121});
    f.choose(w, New, {19});
    f.choose(w, Spelling, {0, 43});

    // A Review list: the generated words are ticked; untick the second.
    click(w, "Cmd2X_0");
    WordChoiceDialog* d = f.dialog(w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->objectName(), QStringLiteral("SelWrd24"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Edit Review Word List"));
    EXPECT_EQ(child<QLabel>(d, "Label1")->text(), QStringLiteral("Select up to 24 words containing ") +
                                                      markedText(segmentName(121)) + QLatin1Char(':'));
    EXPECT_EQ(d->list()->selectedItems().size(), 24);
    // The words flow in rows inside the list's width: it scrolls only down.
    const QRect first = d->list()->visualItemRect(d->list()->item(0));
    EXPECT_GT(d->list()->visualItemRect(d->list()->item(1)).left(), first.left());
    for (int i = 0; i < d->list()->count(); ++i)
        EXPECT_LE(d->list()->visualItemRect(d->list()->item(i)).right(), d->list()->viewport()->width()) << i;
    const std::int16_t second = w->session().listPos(Review, 0, 1);
    const std::int16_t third = w->session().listPos(Review, 0, 2);
    clickLine(d->list(), second);
    EXPECT_EQ(d->choice().cells()[1].tag, third);  // the rest moved left
    EXPECT_EQ(d->choice().cells()[23].tag, -1);
    EXPECT_FALSE(child<QPushButton>(d, "NextList")->isEnabled());  // no second Review slot
    click(d, "OK");
    EXPECT_EQ(w->session().listPos(Review, 0, 1), third);
    EXPECT_EQ(w->session().listPos(Review, 0, 23), -1);
    EXPECT_TRUE(w->session().changed);

    // A New list: type an unlisted word into its free last cell.
    click(w, "Cmd4X_0");
    d = f.dialog(w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->objectName(), QStringLiteral("SelWrd40"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Edit New Word List"));
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
    const std::string firstNew = w->session().listWord(New, 0, 0).trimmed();

    // Spelling: four words in row 0, Next, two in row 1, Cancel keeps row 0.
    click(w, "Cmd3X_0");
    d = f.dialog(w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->objectName(), QStringLiteral("SelWord"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Select Words for Spelling Dictation"));
    EXPECT_FALSE(child<QPushButton>(d, "PrevList")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(d, "NextList")->isEnabled());
    for (int line : {0, 1, 2, 3, 4}) clickLine(d->list(), line);  // the fifth is refused
    EXPECT_EQ(d->list()->selectedItems().size(), 4);
    const QString fourth = d->grid()->cell(0, 3);
    click(d, "NextList");
    EXPECT_EQ(d->index(), 1);
    EXPECT_EQ(w->wordGrid()->cell(0, 3), fourth);  // row 0 accepted by Next
    EXPECT_FALSE(child<QPushButton>(d, "NextList")->isEnabled());
    clickLine(d->list(), 0);
    click(d, "Cancel");
    EXPECT_EQ(w->wordGrid()->cell(1, 0), QString());

    child<QLineEdit>(w, "LessonDate")->setText(QStringLiteral("091426"));
    click(w, "Save");
    const auto review = positions(w->session(), Review, 0, 24);
    click(w, "Close");
    ASSERT_EQ(f.plan(), nullptr);

    // Reopened: the same lists, the same ticks.
    w = f.reopen();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(positions(w->session(), Review, 0, 24), review);
    EXPECT_EQ(w->session().listWord(New, 0, 39).trimmed(), "zigzag");
    EXPECT_EQ(w->session().listPos(New, 0, 39), -9);
    EXPECT_EQ(w->session().listWord(New, 0, 0).trimmed(), firstNew);
    EXPECT_EQ(w->wordGrid()->cell(0, 3), fourth);
    click(w, "Cmd3X_0");
    d = f.dialog(w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->list()->selectedItems().size(), 4);
    EXPECT_EQ(d->grid()->cell(0, 3), fourth);
    click(d, "Cancel");
    click(w, "Cmd4X_0");
    d = f.dialog(w);
    EXPECT_EQ(d->list()->selectedItems().size(), 1);
    EXPECT_EQ(d->grid()->cell(9, 3), QStringLiteral("zigzag"));
    click(d, "Cancel");
    EXPECT_FALSE(w->session().changed);
    click(w, "Close");
}

TEST(WordChoiceScreens, SavePictures)
{
    const QByteArray folder = qgetenv("MOXLET_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "MOXLET_SCREENSHOTS not set";
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    f.main->resize(818, 611);
    auto save = [&](QWidget* widget, const char* name) {
        QApplication::processEvents();
        widget->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
    };
    PlanWindow* w = f.newPlan();
    click(w, "Cmd_1");
    save(w->findChild<SegmentPickerDialog*>(), "SelOldPh.png");
    auto* picker = w->findChild<SegmentPickerDialog*>();
    for (int id : {121, 93, 0, 43}) {
        const auto found = picker->list()->findItems(markedText(segmentName(id)), Qt::MatchExactly);
        clickLine(picker->list(), picker->list()->row(found.first()));
    }
    click(picker, "OK");
    save(w->sections()->summary(), "WordCnt.png");
    w->sections()->summary()->close();
    f.choose(w, Spelling, {0, 43, 10});
    click(w, "Cmd2X_0");
    save(f.dialog(w), "SelWrd40.png");
    click(f.dialog(w), "Type");
    save(f.dialog(w)->findChild<TypedWordsDialog*>(), "Etrwrd40.png");
    click(f.dialog(w)->findChild<TypedWordsDialog*>(), "Cancel");
    click(f.dialog(w), "Cancel");
    click(w, "Cmd3X_0");
    clickLine(f.dialog(w)->list(), 1);
    clickLine(f.dialog(w)->list(), 3);
    save(f.dialog(w), "SelWord.png");
    click(f.dialog(w), "OK");
    save(f.main.get(), "Plan-filled.png");
    f.prompt.answer(Answer::No);
    click(w, "Close");
}

TEST(WordChoiceDialog, CheckAWordExplainsWhyAWordIsOrIsNotListed)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    PlanWindow* w = f.newPlan();
    f.choose(w, Spelling, {121});
    click(w, "Cmd3X_0");
    WordChoiceDialog* d = f.dialog(w);
    ASSERT_NE(d, nullptr);
    const QString listed = d->list()->item(0)->text();
    d->list()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    click(d, "CheckWord");
    auto* check = d->findChild<WordCheckDialog*>();
    ASSERT_NE(check, nullptr);
    EXPECT_NE(check->answerLabel()->text().indexOf(QStringLiteral("is offered")), -1)
        << check->answerLabel()->text().toStdString();
    auto* word = child<QLineEdit>(check, "Word");
    word->setText(QStringLiteral("zzqxv"));
    click(check, "Check");
    EXPECT_NE(check->answerLabel()->text().indexOf(QStringLiteral("is not in Moxlet's word base")), -1)
        << check->answerLabel()->text().toStdString();
    word->setText(QStringLiteral("stripe"));  // needs Silent E and more, which Ann has not studied
    click(check, "Check");
    EXPECT_NE(check->answerLabel()->text().indexOf(QStringLiteral("has not studied")), -1)
        << check->answerLabel()->text().toStdString();
    check->close();
    click(d, "Cancel");
    f.prompt.answer(Answer::No);
    click(w, "Close");
}
