// The word choice cells: ticking and unticking with later cells moving
// left, a full grid (judged by its last cell) refusing silently, typed
// words keeping their cells, Clear, and the lists the dialogs show, whole
// up to 1500 records and thinned beyond.

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

TEST(WordChoice, StoredPositionsBeyondTheListSelectNothing)
{
    WordChoice c(24);
    c.load(words(5), {{"gone", 40}, {"w1", 1}});
    EXPECT_EQ(c.tickedLines(), (std::vector<bool>{false, true, false, false, false}));
    EXPECT_FALSE(c.toggle(40, false));
    EXPECT_FALSE(c.toggle(-1, true));
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

TEST(WordChoice, RunsOfUpTo1500RecordsAreListedWholeAndLongerOnesThinned)
{
    const SegmentId kSeg = 43;
    for (const auto& [records, eligible, listed] :
         {std::tuple{1500, 1200, 1200}, std::tuple{1501, 1201, 1201}, std::tuple{3000, 2000, 1000}}) {
        test::TestWordBase tb;
        tb.addBlock(kSeg, 1, eligible, records - eligible);
        tb.closeIndex();
        auto wb = tb.open();
        SegmentSet studied;
        studied.add(0);
        studied.add(kSeg);
        std::int16_t offset = -1;
        ScriptedRandom rnd({0.6});
        const auto list = choiceList(wb.get(), tb.index, StudentMasks::fromStudied(studied),
                                     {kSeg, 1, 9, false, ThinningMode::Always}, offset, rnd, 0);
        EXPECT_EQ(static_cast<int>(list.size()), listed) << records;
        EXPECT_EQ(offset, records <= 1500 ? -1 : (eligible >= 1500 ? 1 : 0)) << records;
    }
    std::int16_t offset = -1;
    ScriptedRandom rnd({0.0});
    EXPECT_TRUE(choiceList(nullptr, OffsetIndex{}, StudentMasks{}, {}, offset, rnd, 0).empty());
}

}  // namespace
}  // namespace moxlet
