// The word choice cells: ticking and unticking with later cells moving
// left, a full grid (judged by its last cell) refusing silently, typed
// words keeping their cells, Clear, the position check of stored cells, and
// the lists the dialogs show.

#include "core/words/WordChoice.h"

#include <gtest/gtest.h>

#include "support/ScriptedRandom.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

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
        SegmentSet studied;
        studied.add(0);
        studied.add(kSeg);
        std::int16_t offset = -1;
        ScriptedRandom rnd({0.6});
        const auto list = choiceList(wb.get(), tb.index, StudentMasks::fromStudied(studied),
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
