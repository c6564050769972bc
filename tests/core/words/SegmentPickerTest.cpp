// The pickers' slot logic: adding into the first free slot, a full section
// refusing silently, removal moving later slots up (and what they carry
// with them), Spelling repeats with the "remove just one" question, the
// blend prerequisite of the New picker, Clear and Cancel.  The word choice
// cells: ticking and unticking with later cells moving left, a full grid
// (judged by its last cell) refusing silently, typed words keeping their
// cells, Clear, the position check of stored cells, and the lists the
// dialogs show.

#include "core/words/SegmentPicker.h"

#include <array>
#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "core/words/WordChoice.h"
#include "support/ScriptedPrompt.h"
#include "support/ScriptedRandom.h"
#include "support/Segments.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

std::vector<SegmentId> lines(int n)
{
    std::vector<SegmentId> all;
    for (int i = 0; i < n; ++i) all.push_back(static_cast<SegmentId>(i));
    return all;
}

TEST(SegmentPicker, AddsInOrderAndRefusesTheEleventhSilently)
{
    std::array<std::int16_t, 10> slots{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    SegmentPicker picker(slots, lines(30), {});
    ScriptedPrompt prompt;
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(picker.toggle(20 - x, true, prompt));
    EXPECT_EQ(slots, (std::array<std::int16_t, 10>{20, 19, 18, 17, 16, 15, 14, 13, 12, 11}));
    EXPECT_FALSE(picker.toggle(3, true, prompt));
    EXPECT_FALSE(picker.selectedLines()[3]);
    EXPECT_TRUE(prompt.shown().empty());
}

TEST(SegmentPicker, RemovingMovesTheLaterSlotsUpWithWhatTheyCarry)
{
    std::array<std::int16_t, 4> slots{5, 6, 7, 8};
    SegmentPicker picker(slots, lines(20), {});
    std::vector<std::pair<int, int>> moves;
    picker.onSlotMoved = [&](int from, int to) { moves.emplace_back(from, to); };
    ScriptedPrompt prompt;
    EXPECT_TRUE(picker.toggle(6, false, prompt));  // the second of four
    EXPECT_EQ(slots, (std::array<std::int16_t, 4>{5, 7, 8, -1}));
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 1}, {3, 2}, {3, -1}}));
    EXPECT_FALSE(picker.toggle(12, false, prompt));  // not held: nothing changes
    EXPECT_TRUE(picker.toggle(12, true, prompt));    // an empty slot filled: the owner starts it afresh
    EXPECT_EQ(moves.back(), (std::pair{-1, 3}));
}

TEST(SegmentPicker, SpellingRepeatsAndTheRemoveJustOneQuestion)
{
    struct Case {
        Answer answer;
        std::array<std::int16_t, 6> after;
        bool stillSelected;
    };
    const Case cases[] = {
        {Answer::Yes, {4, 2, 4, -1, -1, -1}, true},    // the last occurrence goes
        {Answer::No, {2, -1, -1, -1, -1, -1}, false},  // every occurrence goes
    };
    SegmentPicker::Rules rules;
    rules.repeats = true;
    rules.repeatTitle = "Spelling Dictation Word Segments";
    for (const Case& c : cases) {
        std::array<std::int16_t, 6> slots{4, 2, 4, 4, -1, -1};
        SegmentPicker picker(slots, lines(10), rules);
        EXPECT_TRUE(picker.addsRepeat(4));
        EXPECT_FALSE(picker.addsRepeat(5));
        ScriptedPrompt prompt;
        prompt.answer(c.answer);
        picker.toggle(4, false, prompt);
        EXPECT_EQ(slots, c.after);
        EXPECT_EQ(picker.selectedLines()[4], c.stillSelected);
        ASSERT_EQ(prompt.shown().size(), 1u);
        EXPECT_EQ(prompt.shown()[0].text, "Do you wish to remove just one selection of this word segment?");
        EXPECT_EQ(prompt.shown()[0].title, "Spelling Dictation Word Segments");
        EXPECT_EQ(prompt.shown()[0].buttons, Buttons::YesNo);
    }
    // One occurrence: no question.
    std::array<std::int16_t, 6> slots{4, 2, -1, -1, -1, -1};
    SegmentPicker picker(slots, lines(10), rules);
    ScriptedPrompt prompt;
    EXPECT_TRUE(picker.toggle(4, true, prompt));  // a Ctrl+click adds it again
    EXPECT_EQ(slots[2], 4);
    picker.toggle(2, false, prompt);
    EXPECT_TRUE(prompt.shown().empty());
}

TEST(SegmentPicker, ABlendNeedsItsComponentsTaughtOrChosenInTheFirstThreeSlots)
{
    // The New picker lists what the student has not studied: here R, STR, ST
    // and others; S and T are studied.
    const SegmentId S = 86, T = 93, R = 84, STR = 154, ST = 153, SCR = 143;
    const std::vector<SegmentId> list = {R, STR, ST, SCR, 0};
    const SegmentSet studied = test::segmentSet({S, T});
    SegmentPicker::Rules rules;
    rules.blendsNeedComponents = true;
    rules.studied = studied;
    std::array<std::int16_t, 4> slots{-1, -1, -1, -1};
    SegmentPicker picker(slots, list, rules);
    ScriptedPrompt prompt;

    EXPECT_FALSE(picker.toggle(1, true, prompt));  // STR before R
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].text,
              "You may not introduce consonant blend STR until its component consonants have been taught.");
    EXPECT_EQ(prompt.shown()[0].icon, Icon::Exclamation);
    EXPECT_TRUE(picker.toggle(2, true, prompt));   // ST: both studied
    EXPECT_TRUE(picker.toggle(0, true, prompt));   // R, in the second slot
    EXPECT_TRUE(picker.toggle(1, true, prompt));   // now STR
    EXPECT_FALSE(picker.toggle(3, true, prompt));  // SCR needs C (k) too
    EXPECT_EQ(slots, (std::array<std::int16_t, 4>{2, 0, 1, -1}));

    // Only the first three slots count as chosen.
    EXPECT_EQ(blendRefusal(STR, studied, {ST, 0, 1}).empty(), false);
    EXPECT_EQ(blendRefusal(STR, studied, {R}).empty(), true);
    EXPECT_EQ(blendRefusal(R, {}, {}).empty(), true);  // not a blend
}

TEST(SegmentPicker, ClearEmptiesAndCancelRestoresTheOpeningSlots)
{
    std::array<std::int16_t, 4> slots{3, 1, -1, -1};
    SegmentPicker picker(slots, lines(10), {});
    ScriptedPrompt prompt;
    picker.toggle(7, true, prompt);
    picker.toggle(3, false, prompt);
    EXPECT_EQ(slots, (std::array<std::int16_t, 4>{1, 7, -1, -1}));
    picker.clear();
    EXPECT_EQ(slots, (std::array<std::int16_t, 4>{-1, -1, -1, -1}));
    picker.cancel();
    EXPECT_EQ(slots, (std::array<std::int16_t, 4>{3, 1, -1, -1}));
    const auto selected = picker.selectedLines();
    EXPECT_TRUE(selected[3] && selected[1]);
    EXPECT_FALSE(selected[7]);
}

std::vector<ListedWord> words(int n)
{
    std::vector<ListedWord> list;
    for (int i = 0; i < n; ++i) list.push_back({"w" + std::to_string(i), false});
    return list;
}

std::vector<std::int16_t> tags(const WordChoice& c)
{
    std::vector<std::int16_t> t;
    for (const WordCell& cell : c.cells()) t.push_back(cell.tag);
    return t;
}

TEST(WordChoice, TickingFillsTheFirstEmptyCellAndUntickingMovesTheRestLeft)
{
    WordChoice c(4);
    c.load(words(10), {});
    for (int line : {3, 5, 7, 9}) EXPECT_TRUE(c.toggle(line, true));
    EXPECT_EQ(tags(c), (std::vector<std::int16_t>{3, 5, 7, 9}));
    EXPECT_FALSE(c.toggle(1, true));  // four words already
    EXPECT_TRUE(c.toggle(5, false));  // the second of four
    EXPECT_EQ(tags(c), (std::vector<std::int16_t>{3, 7, 9, -1}));
    EXPECT_EQ(c.cells()[1].text, "w7");
    EXPECT_EQ(c.tickedLines(),
              (std::vector<bool>{false, false, false, true, false, false, false, true, false, true}));
}

TEST(WordChoice, ATypedWordInTheLastCellFillsTheGrid)
{
    WordChoice c(4);
    c.load(words(10), {{}, {}, {}, {"zap", kCellTyped}});
    EXPECT_FALSE(c.toggle(2, true));  // refused although cells 0..2 are empty
    EXPECT_EQ(c.typingAllowed(), (std::vector<bool>{true, true, true, true}));
    c.applyTyped({"", " fox ", "", ""});  // erasing the last typed word frees the grid
    EXPECT_EQ(c.cells()[1], (WordCell{"fox", kCellTyped}));
    EXPECT_EQ(c.cells()[3], WordCell{});
    EXPECT_TRUE(c.toggle(2, true));
    EXPECT_EQ(c.cells()[0], (WordCell{"w2", 2}));
    EXPECT_EQ(c.typingAllowed(), (std::vector<bool>{false, true, true, true}));
    c.applyTyped({"changed", "fox", "", ""});  // a list word is never typed over
    EXPECT_EQ(c.cells()[0], (WordCell{"w2", 2}));
    EXPECT_TRUE(c.toggle(2, false));  // typed words move left with the others
    EXPECT_EQ(c.cells()[0], (WordCell{"fox", kCellTyped}));
    c.clear();
    EXPECT_EQ(tags(c), (std::vector<std::int16_t>{-1, -1, -1, -1}));
}

// A stored position counts only where the rebuilt list has the cell's word;
// otherwise the word is found by its text; a word the list lacks is kept
// as a typed word.
TEST(WordChoice, StoredPositionsAreCheckedAgainstTheirWords)
{
    std::vector<ListedWord> list = words(6);  // w0 .. w5
    list[4].text = "pair *";
    list.push_back({"w2", false});  // a second record with the same text, line 6
    struct Case {
        std::vector<WordCell> stored;
        std::vector<std::int16_t> expected;
    };
    const Case cases[] = {
        {{{"w1", 1}, {"w3", 3}}, {1, 3, -1, -1}},                 // every position holds its word
        {{{"w3", 1}, {"w1", 3}}, {3, 1, -1, -1}},                 // moved: found by text
        {{{"gone", 2}, {"w5", 40}}, {kCellTyped, 5, -1, -1}},     // no longer listed; beyond the list
        {{{"pair", 4}, {"pair *", 0}}, {4, kCellTyped, -1, -1}},  // the mark does not count; one line each
        {{{"w2", 6}, {"w2", 6}, {"w2", 2}}, {6, kCellTyped, 2, -1}},  // two cells never share a line
        {{{"w4", kCellTyped}, {"", 3}, {}, {"x", kCellTyped}},
         {kCellTyped, -1, -1, kCellTyped}},  // typed stay
    };
    for (const Case& c : cases) {
        WordChoice choice(4);
        choice.load(list, c.stored);
        EXPECT_EQ(tags(choice), c.expected) << c.stored[0].text;
        for (std::size_t k = 0; k < c.stored.size(); ++k)
            EXPECT_EQ(choice.cells()[k].text, c.stored[k].text);  // words stay as they were
    }
    EXPECT_EQ(bareWord("abcdefghijklmnopqrs "), "abcdefghijklmnopqrs");  // a mark cut to 20 characters
}

TEST(WordChoice, TypedWordsAreCleanedAndCut)
{
    EXPECT_EQ(typedWord("  cat  "), "cat");
    EXPECT_EQ(typedWord("c\x01"
                        "at\t"),
              "cat");
    EXPECT_EQ(typedWord("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrst");
    EXPECT_EQ(typedWord("abcdefghijklmnopqrs tuv"),
              "abcdefghijklmnopqrs");  // no trailing blank after the cut
    EXPECT_EQ(typedWord("   "), "");
    EXPECT_EQ(typedWord("\x7f"), "");
}

TEST(WordChoice, ChoiceListsAreThinnedAsGenerationThins)
{
    const SegmentId kSeg = 43;
    for (const auto& [eligible, listed, offsetAfter] : {std::tuple{999, 999, 0}, std::tuple{1500, 750, 1}}) {
        test::TestWordBase tb;
        tb.addBlock(kSeg, 1, eligible, 0);  // a run of 1500 records or fewer: thinned all the same
        tb.closeIndex();
        auto wb = tb.open();
        std::int16_t offset = -1;
        ScriptedRandom rnd({0.6});
        const auto list =
            choiceList(wb.get(), tb.index, StudentMasks::fromStudied(test::segmentSet({0, kSeg})),
                       {kSeg, 1, 9, false}, offset, rnd, 0);
        EXPECT_EQ(static_cast<int>(list.size()), listed) << eligible;
        EXPECT_EQ(offset, offsetAfter) << eligible;
    }
    std::int16_t offset = -1;
    ScriptedRandom rnd({0.0});
    EXPECT_TRUE(choiceList(nullptr, OffsetIndex{}, StudentMasks{}, {}, offset, rnd, 0).empty());
}

}  // namespace
}  // namespace moxlet
