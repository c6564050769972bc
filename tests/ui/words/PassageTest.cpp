// Sentences and passages checked as a tutor writes them: the marks and
// their tooltips in the skills application's sentence lines, the summary
// line, and the passage window's groups, copy and student.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "UiFixture.h"
#include "support/PassageStudents.h"
#include "ui/common/CellGrid.h"
#include "ui/common/MarkedCellDelegate.h"
#include "ui/common/MarkedLineEdit.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SkillsDialog.h"
#include "ui/words/PassageWindow.h"

using namespace moxlet;
using namespace moxlet::ui;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::type;

namespace {

struct Fixture : moxlet::test::UiFixture {
    Fixture()
    {
        addProfile("Lee", "Sam", moxlet::test::samSegments());
        addProfile("Mo", "Ann", {});
        start();
    }
    // The skills application of a new plan for the student on line `line`.
    SkillsDialog* skills(int line)
    {
        click(newPlan(line), "ReadCmd");
        return window<SkillsDialog>();
    }
};

// Each mark as "word=tooltip", found by pointing at the middle of the word.
std::string marked(MarkedLineEdit* box)
{
    std::string out;
    for (const TextMark& m : box->marks()) {
        const QPoint middle((box->xOfPosition(m.begin) + box->xOfPosition(m.end)) / 2, box->height() / 2);
        out += (box->text().mid(m.begin, m.end - m.begin) + QLatin1Char('=') + box->markTipAt(middle) +
                QLatin1Char('\n'))
                   .toStdString();
    }
    return out;
}

// The named parts of a window stand one below the other, none over the next.
void expectStacked(QWidget* window, std::initializer_list<const char*> names)
{
    int bottom = -1;
    for (const char* name : names) {
        auto* part = child<QWidget>(window, name);
        EXPECT_GT(part->mapTo(window, QPoint()).y(), bottom) << name;
        bottom = part->mapTo(window, QPoint(0, part->height() - 1)).y();
    }
    EXPECT_LT(bottom, window->height());
}

bool settled(QLabel* summary, const char* text)
{
    return QTest::qWaitFor([&] { return summary->text() == QString::fromUtf8(text); }, 2000);
}

}  // namespace

TEST(SentenceCheck, MarksWhatThePlansStudentCannotReadYetAsTheTutorTypes)
{
    Fixture f;
    SkillsDialog* d = f.skills(0);  // Sam
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->summary()->text(), QString());  // no sentences yet

    type(d, "Sent_0", QStringLiteral("The ship is in the dock."));
    ASSERT_TRUE(settled(d->summary(), "All words decodable"));
    EXPECT_EQ(marked(d->sentence(0)), "");

    type(d, "Sent_2", QStringLiteral("I thought it was great"));
    ASSERT_TRUE(settled(d->summary(), "2 words beyond Sam: thought (OUGH (aw)), great (EA (ā))"));
    EXPECT_EQ(marked(d->sentence(2)),
              "thought=“thought” needs a segment this student has not studied: OUGH (aw).\n"
              "great=“great” needs a segment this student has not studied: EA (ā).\n");
    EXPECT_TRUE(d->sentence(2)->accessibleDescription().contains(QStringLiteral("OUGH (aw)")));
    // Between the marks there is nothing to say.
    EXPECT_EQ(d->sentence(2)->markTipAt(QPoint(d->sentence(2)->xOfPosition(11), 5)), QString());

    // The sentence goes into the plan as typed; the plan window sums it up too.
    const QString summary = d->summary()->text();
    click(d, "OK");
    EXPECT_EQ(f.window<PlanWindow>()->session().plan.Sentence[2].trimmed(), "I thought it was great");
    EXPECT_EQ(child<QLabel>(f.window<PlanWindow>(), "SentenceSummary")->text(), summary);
    const QTableWidgetItem* line = f.window<PlanWindow>()->readGrid()->item(2, 0);
    EXPECT_EQ(line->data(kTextMarksRole).toList(), QVariantList({QPoint(2, 9), QPoint(17, 22)}));
    EXPECT_EQ(line->toolTip().toStdString(),
              "I thought it was great\n"
              "“thought” needs a segment this student has not studied: OUGH (aw).\n"
              "“great” needs a segment this student has not studied: EA (ā).");

    // The Plan menu's passage check stays usable beside the plan, for its student.
    f.trigger("mnuPassage");
    ASSERT_NE(f.window<PassageWindow>(), nullptr);
    EXPECT_EQ(f.window<PassageWindow>()->students()->currentText(), QStringLiteral("Lee, Sam"));
    click(f.window<PassageWindow>(), "Close");
    f.prompt.answer(Answer::No);
    click(f.window<PlanWindow>(), "Close");
}

TEST(PassageWindow, GroupsTheWordsByWhatTheStudentNeedsAndCopiesTheReport)
{
    Fixture f;
    // From the plan: the plan's student is chosen.
    SkillsDialog* d = f.skills(1);  // Ann
    click(d, "CheckPassage");
    auto* w = d->findChild<PassageWindow*>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->students()->currentText(), QStringLiteral("Mo, Ann"));
    moxlet::test::expectAccessibleNames(w);
    w->students()->setCurrentIndex(0);  // Sam Lee

    w->text()->setPlainText(
        QStringLiteral("Sam bought a fish. I thought\nit was great, but Brixa ate 3 cakes."));
    ASSERT_TRUE(settled(w->share(), "5 of 11 words decodable (45%)"));
    std::string needs;
    for (int k = 0; k < w->needs()->count(); ++k) needs += w->needs()->item(k)->text().toStdString() + "\n";
    // The segment that unlocks most words first; the student's own name is a name.
    EXPECT_EQ(needs, "OUGH (aw): unlocks bought, thought\n"
                     "Silent E: unlocks ate, cakes\n"
                     "A (ə): unlocks a\n"
                     "EA (ā): unlocks great\n"
                     "Names: Sam, Brixa\n"
                     "Numbers: 3\n");
    // The tooltip of a marked word, wherever the pointer is over it.
    const int at = static_cast<int>(w->text()->toPlainText().indexOf(QStringLiteral("thought")));
    EXPECT_EQ(w->markTipAt(at + 3).toStdString(),
              "“thought” needs a segment this student has not studied: OUGH (aw).");
    EXPECT_EQ(w->marks().size(), 6U);

    click(w, "Copy");
    EXPECT_TRUE(f.clipboard.text.startsWith(QStringLiteral("PASSAGE CHECK for Sam Lee\r\n"
                                                           "5 of 11 words decodable (45%)\r\n")))
        << f.clipboard.text.toStdString();
    EXPECT_TRUE(f.clipboard.text.endsWith(QStringLiteral("The text\r\nSam bought a fish. I thought\r\n"
                                                         "it was great, but Brixa ate 3 cakes.\r\n")));
    click(w, "Print");  // the one print flow: its dialog, cancelled here
    EXPECT_EQ(f.printDialogs.shown, 1);
    click(w, "Preview");  // shown, painted and closed
    EXPECT_EQ(f.printDialogs.shown, 2);

    // A long page leaves many words beyond Sam: the window's parts still
    // stand one below the other, none over the next.
    QString page;
    for (int i = 0; i < 40; ++i) page += QStringLiteral("The knight thought the weather was rough. ");
    w->text()->setPlainText(page);
    w->check();
    QApplication::processEvents();
    expectStacked(w, {"PassageText", "Share", "SummaryArea", "Needs", "Copy"});
    click(w, "Close");
    click(d, "Cancel");
    click(f.window<PlanWindow>(), "Close");
}

TEST(SentenceCheck, ManyWordsBeyondTheStudentLeaveEveryPartInPlace)
{
    Fixture f;
    SkillsDialog* d = f.skills(1);  // Ann, who has studied nothing yet
    for (int k = 0; k < 10; ++k)
        type(d, QStringLiteral("Sent_%1").arg(k).toLatin1().constData(),
             QStringLiteral("Although the weather was frightful, the knights fought bravely %1.").arg(k));
    ASSERT_TRUE(QTest::qWaitFor([&] { return d->summary()->text().size() > 300; }, 2000));
    QApplication::processEvents();  // the layout follows the new text
    expectStacked(d, {"Sent_9", "SentenceSummaryArea", "BookName"});
    // Every line of the summary can be seen, by scrolling if need be.
    QLabel* summary = d->summary();
    EXPECT_GE(summary->height(), summary->heightForWidth(summary->width()));
    click(d, "OK");
    // The plan fills the main window on this 800 x 600 screen, the
    // buttons above the status line.
    auto* plan = f.window<PlanWindow>();
    expectStacked(plan, {"ReadGrid", "SentenceSummaryArea", "Save", "Close"});
    QWidget* exit = child<QWidget>(plan, "Close");
    EXPECT_LE(exit->mapTo(f.main.get(), QPoint(0, exit->height())).y(), f.main->statusBar()->y());
    f.prompt.answer(Answer::No);
    click(plan, "Close");
}
