// The section buttons' rules: a spelling row's words and thinning offset
// move with its segment and Cancel restores them; Review and New lists
// follow their segments only on OK; Clear.

#include "core/plans/SectionEdit.h"

#include <gtest/gtest.h>

#include "core/plans/ListGeneration.h"
#include "support/DataDirFixture.h"

namespace moxlet {
using enum moxlet::PlanSection;
namespace {

// A plan whose student studied A (line 0 of the Studied list), B, I and T
// (lines 1..3).
PlanSession plan()
{
    PlanSession s;
    s.student = test::DataDir::profile(1, "Lee", "Ann", {0, 10, 43, 93});
    s.plan = newPlanRecord(s.student);
    s.prepare();
    return s;
}

void pick(SectionEdit& edit, std::initializer_list<int> lines, bool selected = true)
{
    ScriptedPrompt prompt;
    for (int line : lines) edit.picker().toggle(line, selected, prompt);
}

std::vector<std::string> rowWords(const PlanSession& s, int rows)
{
    std::vector<std::string> out;
    for (int row = 0; row < rows; ++row) out.push_back(s.spellWord(row, 0).trimmed());
    return out;
}

std::vector<std::int16_t> rowOffsets(const PlanSession& s, int rows)
{
    return {s.plan.SpellingThinOffset.begin(), s.plan.SpellingThinOffset.begin() + rows};
}

TEST(SectionEdit, SpellingWordsAndOffsetsMoveWithTheirRowsAndCancelRestoresThem)
{
    PlanSession s = plan();
    {
        SectionEdit first(s, Spelling);
        pick(first, {0, 3});  // A, T
        EXPECT_EQ(first.accept(Options{}), 0);
    }
    EXPECT_TRUE(s.changed);
    s.changed = false;
    for (const auto& [row, word, offset] : {std::tuple{0, "cab", 5}, std::tuple{1, "tab", 7}}) {
        s.spellWord(row, 0).assign(word);
        s.spellTag(row, 0) = kTypedWord;
        s.plan.SpellingThinOffset[static_cast<std::size_t>(row)] = static_cast<std::int16_t>(offset);
    }
    s.plan.SpellingThinOffset[2] = 9;  // left over in an empty row

    SectionEdit edit(s, Spelling);
    pick(edit, {0}, false);  // A goes: the later rows move up with their words and offsets
    EXPECT_EQ(rowWords(s, 3), (std::vector<std::string>{"tab", "", ""}));
    EXPECT_EQ(rowOffsets(s, 3), (std::vector<std::int16_t>{7, 9, -1}));
    EXPECT_EQ(s.spellTag(1, 0), kEmptyCell);
    pick(edit, {1, 2});  // B and I fill rows 1 and 2, each from a fresh offset
    EXPECT_EQ(rowOffsets(s, 3), (std::vector<std::int16_t>{7, -1, -1}));

    edit.cancel();
    EXPECT_EQ(s.slotSegment(Spelling, 0), 0);
    EXPECT_EQ(s.slotSegment(Spelling, 1), 93);
    EXPECT_EQ(s.slotSegment(Spelling, 2), kNoSegment);
    EXPECT_EQ(rowWords(s, 3), (std::vector<std::string>{"cab", "tab", ""}));
    EXPECT_EQ(s.spellTag(1, 0), kTypedWord);
    EXPECT_EQ(rowOffsets(s, 3), (std::vector<std::int16_t>{5, 7, 9}));
    EXPECT_FALSE(s.changed);

    SectionEdit clear(s, Spelling);
    clear.picker().clear();  // every row emptied, words and offsets too
    clear.accept(Options{});
    EXPECT_EQ(rowWords(s, 3), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(rowOffsets(s, 3), (std::vector<std::int16_t>{-1, -1, -1}));
}

TEST(SectionEdit, ListsFollowTheirSegmentsOnOkOnly)
{
    PlanSession s = plan();
    Options options;
    {
        SectionEdit edit(s, Review);
        pick(edit, {0, 1, 2});
        EXPECT_EQ(edit.accept(options), 3);  // three slots take part in generation
    }
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_TRUE(needsList(s, Review, slot, options));
        s.listWord(Review, slot, 0).assign("w" + std::to_string(slot));
        s.listPos(Review, slot, 0) = 0;
        s.thinOffset(Review, slot) = static_cast<std::int16_t>(slot);
        EXPECT_FALSE(needsList(s, Review, slot, options));
    }

    SectionEdit cancelled(s, Review);
    pick(cancelled, {0}, false);
    cancelled.cancel();
    EXPECT_EQ(s.slotSegment(Review, 0), 0);
    EXPECT_EQ(s.listWord(Review, 0, 0).trimmed(), "w0");

    // Without lists wanted nothing is generated, but the lists still move.
    options.ReviewListSize = 0;
    SectionEdit edit(s, Review);
    pick(edit, {0}, false);  // B's and I's lists move up; slot 2 is emptied
    EXPECT_EQ(edit.accept(options), 0);
    EXPECT_EQ(s.listWord(Review, 0, 0).trimmed(), "w1");
    EXPECT_EQ(s.listWord(Review, 1, 0).trimmed(), "w2");
    EXPECT_EQ(s.listPos(Review, 2, 0), kEmptyCell);
    EXPECT_EQ((std::array{s.thinOffset(Review, 0), s.thinOffset(Review, 1), s.thinOffset(Review, 2)}),
              (std::array<std::int16_t, 3>{1, 2, -1}));
    EXPECT_FALSE(needsList(s, Review, 0, options));
}

}  // namespace
}  // namespace moxlet
