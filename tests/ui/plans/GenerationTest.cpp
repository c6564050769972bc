// The section pickers and word-list generation driven from the plan window
// with QTest clicks: choosing Review and New segments, the summary window,
// the saved and reopened lists, Spelling repeats, a refused blend, Cancel
// and Clear, and the regeneration question for a plan made under another
// list size.
#include <QLabel>

#include "UiFixture.h"
#include "ui/common/CellGrid.h"
#include "ui/words/WordChoiceDialog.h"

using namespace moxlet;
using namespace moxlet::ui;
using enum moxlet::PlanSection;
using moxlet::test::child;
using moxlet::test::click;
using moxlet::test::clickLine;
using moxlet::test::pickSegment;
using Fixture = moxlet::test::AnnsPlanFixture;

namespace {

QString markedName(int id) { return markedText(segmentName(id)); }

}  // namespace

TEST(Generation, ReviewAndNewListsAreDrawnShownSavedAndComeBackTheSame)
{
    Fixture f;
    PlanWindow* w = f.w;

    SegmentPickerDialog* picker = f.openPicker(w, Review);
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->objectName(), QStringLiteral("SelOldPh"));
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("Select Review Word Segments for Vocal Reading"));
    EXPECT_EQ(picker->list()->count(), static_cast<int>(moxlet::test::kAnnStudied.size()));
    for (int id : {121, 93, 0, 43, 55}) pickSegment(picker, id);     // the fifth is refused silently
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
    pickSegment(picker, 19);  // E (short e)
    pickSegment(picker, 54);  // MN: every word also needs segments not studied
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
    f.saveAndClose();
    // Saving made E a studied segment of the student.
    EXPECT_TRUE(f.record(1).StudiedSegments.contains(19));

    f.reopen();
    w = f.w;
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
    PlanWindow* w = f.w;
    w->session().spellWord(0, 0).assign("cab");
    w->session().spellTag(0, 0) = kTypedWord;
    w->session().spellWord(1, 0).assign("tab");
    w->session().spellTag(1, 0) = kTypedWord;

    SegmentPickerDialog* picker = f.openPicker(w, Spelling);
    pickSegment(picker, 0);
    pickSegment(picker, 93);
    pickSegment(picker, 0, Qt::ControlModifier);  // a second A
    EXPECT_EQ(w->segmentGrid(2)->cell(2, 0), markedName(0));
    f.prompt.answer(Answer::Yes);
    pickSegment(picker, 0);  // remove just one: the later A goes
    ASSERT_EQ(f.texts(),
              std::vector<std::string>{"Do you wish to remove just one selection of this word segment?"});
    EXPECT_EQ(f.prompt.shown()[0].title, "Spelling Dictation Word Segments");
    EXPECT_EQ(w->segmentGrid(2)->cell(2, 0), QString());
    EXPECT_TRUE(picker->list()->item(0)->isSelected());
    pickSegment(picker, 0);  // the only A: its row's word moves up with T's
    EXPECT_EQ(w->segmentGrid(2)->cell(0, 0), markedName(93));
    EXPECT_EQ(w->wordGrid()->cell(0, 0), QStringLiteral("tab"));
    click(picker, "Cancel");  // everything as it was
    EXPECT_EQ(w->segmentGrid(2)->cell(0, 0), QString());
    EXPECT_EQ(w->wordGrid()->cell(0, 0), QStringLiteral("cab"));
    EXPECT_EQ(w->wordGrid()->cell(1, 0), QStringLiteral("tab"));
    EXPECT_FALSE(w->session().changed);

    picker = f.openPicker(w, Auditory);
    pickSegment(picker, 10);
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
}

TEST(Generation, ABlendIsRefusedUntilItsConsonantsAreTaughtOrChosen)
{
    Fixture f;  // S and T studied, R not
    PlanWindow* w = f.w;
    SegmentPickerDialog* picker = f.openPicker(w, New);
    ASSERT_NE(picker, nullptr);
    pickSegment(picker, 154);  // STR
    EXPECT_EQ(
        f.texts(),
        std::vector<std::string>{
            "You may not introduce consonant blend STR until its component consonants have been taught."});
    EXPECT_TRUE(picker->list()->selectedItems().isEmpty());
    pickSegment(picker, 84);  // R
    pickSegment(picker, 154);
    EXPECT_EQ(picker->list()->selectedItems().size(), 2);
    EXPECT_EQ(w->slotGrid(New, 1)->cell(0, 0), markedName(154));
    pickSegment(picker, 84);  // a double click counts as one click
    QTest::mouseDClick(picker->list()->viewport(), Qt::LeftButton, {},
                       picker->list()
                           ->visualItemRect(picker->list()->findItems(markedName(84), Qt::MatchExactly)[0])
                           .center());
    QApplication::processEvents();
    EXPECT_EQ(w->slotGrid(New, 0)->cell(0, 0), markedName(154));
    click(picker, "Cancel");
    EXPECT_EQ(w->slotGrid(New, 0)->cell(0, 0), QString());
}

TEST(Generation, APlanMadeUnderAnotherListSizeIsOfferedNewLists)
{
    Fixture f;
    PlanWindow* w = f.w;
    f.choose(w, Review, {seg::ClosedSyllable});
    f.saveAndClose();

    // The tutor switches Review lists to 24 words, then opens the plan.
    f.options.values.ReviewListSize = 2;
    f.prompt.answer(Answer::No);
    f.reopen();
    w = f.w;
    EXPECT_EQ(f.prompt.shown(),
              (std::vector<ScriptedPrompt::Shown>{
                  {"This lesson plan was created with a different list size option than is currently set.  "
                   "Would you like Moxlet to generate new word lists for the Review section based on the "
                   "current setting?",
                   "Review Word Segments", Icon::Question, Buttons::YesNo}}));
    EXPECT_EQ(f.listWords(w, Review, 0).size(), 40u);  // No keeps the 40-word list
    EXPECT_FALSE(w->session().changed);
    w->offerRegeneration();  // asked once only
    EXPECT_EQ(f.prompt.shown().size(), 1u);
    click(w, "Close");

    // Yes makes 24-word lists.
    f.prompt.clear();
    f.prompt.answer(Answer::Yes);
    f.reopen();
    w = f.w;
    EXPECT_EQ(f.listWords(w, Review, 0).size(), 24u);
    EXPECT_TRUE(w->session().changed);
}
