// The section pickers and word-list generation driven from the plan window
// with QTest clicks: choosing Review and New segments, the summary window,
// the saved and reopened lists, Spelling repeats, a refused blend, Cancel
// and Clear, and the regeneration question for a plan made under another
// list size.
#include <QLabel>

#include "UiFixture.h"
#include "core/catalogue/Catalogue.h"
#include "core/options/OptionFile.h"
#include "ui/common/CellGrid.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SectionEditor.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/words/SegmentPickerDialog.h"
#include "ui/words/WordChoiceDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using enum moxlet::PlanSection;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;

namespace {

// A student who has studied the short vowels A and I, the consonants B, C
// (k), D, L, N, P, S, T, the closed syllable and the blend ST.
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
    SegmentPickerDialog* openPicker(PlanWindow* w, PlanSection section)
    {
        click(w, QStringLiteral("Cmd_%1").arg(sectionIndex(section)).toLatin1());
        return w->findChild<SegmentPickerDialog*>();
    }
    // Clicks the line that shows segment `id`.
    void pick(SegmentPickerDialog* picker, int id, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        const QString name = markedText(segmentName(id));
        const auto found = picker->list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << id;
        clickLine(picker->list(), picker->list()->row(found.first()), mods);
    }
    std::vector<std::string> listWords(PlanWindow* w, PlanSection kind, int slot)
    {
        std::vector<std::string> found;
        for (int k = 0; k < kListPositions && w->session().listPos(kind, slot, k) != kEmptyCell; ++k)
            found.push_back(w->session().listWord(kind, slot, k).trimmed());
        return found;
    }
};

QString markedName(int id) { return markedText(segmentName(id)); }

}  // namespace

TEST(Generation, ReviewAndNewListsAreDrawnShownSavedAndComeBackTheSame)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    PlanWindow* w = f.newPlan();
    ASSERT_NE(w, nullptr);

    SegmentPickerDialog* picker = f.openPicker(w, Review);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->objectName(), QStringLiteral("SelOldPh"));
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Review Word Segments for Vocal Reading"));
    EXPECT_EQ(picker->list()->count(), static_cast<int>(kStudied.size()));
    for (int id : {121, 93, 0, 43, 55}) f.pick(picker, id);          // the fifth is refused silently
    EXPECT_EQ(w->slotGrid(Review, 0)->cell(0, 0), markedName(121));  // shown while picking
    EXPECT_EQ(w->slotGrid(Review, 3)->cell(0, 0), markedName(43));
    EXPECT_EQ(picker->list()->selectedItems().size(), 4);
    EXPECT_TRUE(f.prompt.shown().empty());
    click(picker, "OK");

    GenerationSummary* summary = w->sections()->summary();
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(summary->windowTitle(), QStringLiteral("Review Word Segments"));
    EXPECT_EQ(summary->status()->text(), QStringLiteral("Word List Generation Completed."));
    EXPECT_EQ(summary->name(0)->text(), markedName(121));
    EXPECT_EQ(summary->count(0)->text(), QStringLiteral(" 40"));
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(f.listWords(w, Review, slot).size(), 40u) << slot;
        EXPECT_TRUE(child<QPushButton>(w, QStringLiteral("Cmd2X_%1").arg(slot).toLatin1())->isEnabled());
    }
    EXPECT_TRUE(w->session().changed);
    click(summary, "OK");

    picker = f.openPicker(w, New);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->objectName(), QStringLiteral("SelNewPh"));
    f.pick(picker, 19);  // E (short e)
    f.pick(picker, 54);  // MN: every word also needs segments not studied
    click(picker, "OK");
    EXPECT_EQ(f.listWords(w, New, 0).size(), 40u);
    EXPECT_EQ(summary->count(1)->text(), QStringLiteral("   0"));
    EXPECT_EQ(summary->note()->text(),
              QStringLiteral("No word containing MN fits this student: all 11 words "
                             "of 1 to 9 syllables also contain segments not yet studied."));
    click(w, "Cmd4X_1");  // the empty list's dialog says the same
    auto* words = w->findChild<WordChoiceDialog*>();
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(child<QLabel>(words, "Note")->text(), summary->note()->text());
    click(words, "Cancel");
    const auto review = f.listWords(w, Review, 2);
    const auto fresh = f.listWords(w, New, 0);

    f.prompt.answer(Answer::Yes);
    child<QLineEdit>(w, "LessonDate")->setText(QStringLiteral("091426"));
    click(w, "Save");
    click(w, "Close");
    EXPECT_EQ(f.plan(), nullptr);
    // Saving made E a studied segment of the student.
    EXPECT_TRUE(f.record(1).StudiedSegments.contains(19));

    f.trigger("mnuPlan_1");
    auto* chooser = f.window<PlanChooser>();
    clickLine(chooser->studentList(), 0);
    clickLine(chooser->planList(), 0);
    click(chooser, "OK");
    w = f.plan();
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(f.prompt.shown().empty());  // same list sizes: no question
    EXPECT_EQ(f.listWords(w, Review, 2), review);
    EXPECT_EQ(f.listWords(w, New, 0), fresh);
    EXPECT_EQ(w->slotGrid(New, 0)->cell(0, 0), markedName(19));
    f.prompt.clear();
    click(w, "Close");
    EXPECT_TRUE(f.prompt.shown().empty());
}

TEST(Generation, SpellingRepeatsCancelAndClear)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    PlanWindow* w = f.newPlan();
    ASSERT_NE(w, nullptr);
    w->session().spellWord(0, 0).assign("cab");
    w->session().spellTag(0, 0) = kTypedWord;
    w->session().spellWord(1, 0).assign("tab");
    w->session().spellTag(1, 0) = kTypedWord;

    SegmentPickerDialog* picker = f.openPicker(w, Spelling);
    f.pick(picker, 0);
    f.pick(picker, 93);
    f.pick(picker, 0, Qt::ControlModifier);  // a second A
    EXPECT_EQ(w->segmentGrid(2)->cell(2, 0), markedName(0));
    f.prompt.answer(Answer::Yes);
    f.pick(picker, 0);  // remove just one: the later A goes
    ASSERT_EQ(f.texts(),
              std::vector<std::string>{"Do you wish to remove just one selection of this word segment?"});
    EXPECT_EQ(f.prompt.shown()[0].title, "Spelling Dictation Word Segments");
    EXPECT_EQ(w->segmentGrid(2)->cell(2, 0), QString());
    EXPECT_TRUE(picker->list()->item(0)->isSelected());
    f.pick(picker, 0);  // the only A: its row's word moves up with T's
    EXPECT_EQ(w->segmentGrid(2)->cell(0, 0), markedName(93));
    EXPECT_EQ(w->wordGrid()->cell(0, 0), QStringLiteral("tab"));
    click(picker, "Cancel");  // everything as it was
    EXPECT_EQ(w->segmentGrid(2)->cell(0, 0), QString());
    EXPECT_EQ(w->wordGrid()->cell(0, 0), QStringLiteral("cab"));
    EXPECT_EQ(w->wordGrid()->cell(1, 0), QStringLiteral("tab"));
    EXPECT_FALSE(w->session().changed);

    picker = f.openPicker(w, Auditory);
    f.pick(picker, 10);
    click(picker, "OK");
    EXPECT_TRUE(w->session().changed);
    EXPECT_EQ(w->segmentGrid(0)->cell(0, 0), markedName(10));
    picker = f.openPicker(w, Auditory);
    EXPECT_TRUE(
        picker->list()->findItems(markedName(10), Qt::MatchExactly)[0]->isSelected());  // chosen: selected
    click(picker, "Clear");
    EXPECT_TRUE(picker->list()->selectedItems().isEmpty());
    click(picker, "OK");
    EXPECT_EQ(w->segmentGrid(0)->cell(0, 0), QString());
    f.prompt.answer(Answer::No);
    click(w, "Close");
}

TEST(Generation, ABlendIsRefusedUntilItsConsonantsAreTaughtOrChosen)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);  // S and T studied, R not
    f.start();
    PlanWindow* w = f.newPlan();
    SegmentPickerDialog* picker = f.openPicker(w, New);
    ASSERT_NE(picker, nullptr);
    f.pick(picker, 154);  // STR
    EXPECT_EQ(
        f.texts(),
        std::vector<std::string>{
            "You may not introduce consonant blend STR until its component consonants have been taught."});
    EXPECT_TRUE(picker->list()->selectedItems().isEmpty());
    f.pick(picker, 84);  // R
    f.pick(picker, 154);
    EXPECT_EQ(picker->list()->selectedItems().size(), 2);
    EXPECT_EQ(w->slotGrid(New, 1)->cell(0, 0), markedName(154));
    f.pick(picker, 84);  // a double click counts as one click
    QTest::mouseDClick(picker->list()->viewport(), Qt::LeftButton, {},
                       picker->list()
                           ->visualItemRect(picker->list()->findItems(markedName(84), Qt::MatchExactly)[0])
                           .center());
    QApplication::processEvents();
    EXPECT_EQ(w->slotGrid(New, 0)->cell(0, 0), markedName(154));
    click(picker, "Cancel");
    EXPECT_EQ(w->slotGrid(New, 0)->cell(0, 0), QString());
    f.prompt.answer(Answer::No);
    click(w, "Close");
}

TEST(Generation, APlanMadeUnderAnotherListSizeIsOfferedNewLists)
{
    Fixture f;
    f.addProfile("Lee", "Ann", kStudied);
    f.start();
    PlanWindow* w = f.newPlan();
    SegmentPickerDialog* picker = f.openPicker(w, Review);
    f.pick(picker, 121);
    click(picker, "OK");
    child<QLineEdit>(w, "LessonDate")->setText(QStringLiteral("091426"));
    click(w, "Save");
    click(w, "Close");

    // The tutor switches Review lists to 24 words, then opens the plan.
    f.options.values.ReviewListSize = 2;
    f.prompt.answer(Answer::No);
    f.trigger("mnuPlan_1");
    auto* chooser = f.window<PlanChooser>();
    clickLine(chooser->studentList(), 0);
    clickLine(chooser->planList(), 0);
    click(chooser, "OK");
    QApplication::processEvents();
    w = f.plan();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(f.prompt.shown().size(), 1u);
    EXPECT_EQ(f.prompt.shown()[0].title, "Review Word Segments");
    EXPECT_NE(f.prompt.shown()[0].text.find("different list size option"), std::string::npos);
    EXPECT_EQ(f.listWords(w, Review, 0).size(), 40u);  // No keeps the 40-word list
    EXPECT_FALSE(w->session().changed);
    w->offerRegeneration();  // asked once only
    EXPECT_EQ(f.prompt.shown().size(), 1u);
    click(w, "Close");

    // Yes makes 24-word lists.
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    f.trigger("mnuPlan_1");
    chooser = f.window<PlanChooser>();
    clickLine(chooser->studentList(), 0);
    clickLine(chooser->planList(), 0);
    click(chooser, "OK");
    QApplication::processEvents();
    w = f.plan();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(f.listWords(w, Review, 0).size(), 24u);
    EXPECT_TRUE(w->session().changed);
    f.prompt.answer(Answer::No);
    click(w, "Close");
}
