// The pickers' slot logic: adding into the first free slot, a full section
// refusing silently, removal moving later slots up (and what they carry
// with them), Spelling repeats with the "remove just one" question, the
// blend prerequisite of the New picker, Clear and Cancel.

#include "core/words/SegmentPicker.h"

#include <array>
#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "support/ScriptedPrompt.h"

namespace moxlet {
namespace {

std::vector<SegmentId> lines(int n)
{
    std::vector<SegmentId> all;
    for (int i = 0; i < n; ++i) all.push_back(static_cast<SegmentId>(i));
    return all;
}

template <std::size_t N>
std::array<std::int16_t, N> empty()
{
    std::array<std::int16_t, N> slots;
    slots.fill(-1);
    return slots;
}

TEST(SegmentPicker, AddsInOrderAndRefusesTheEleventhSilently)
{
    auto slots = empty<10>();
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
    for (const Case& c : cases) {
        std::array<std::int16_t, 6> slots{4, 2, 4, 4, -1, -1};
        SegmentPicker::Rules rules;
        rules.repeats = true;
        rules.repeatTitle = "Spelling Dictation Word Segments";
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
    SegmentPicker::Rules rules;
    rules.repeats = true;
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
    SegmentSet studied;
    studied.add(S);
    studied.add(T);
    SegmentPicker::Rules rules;
    rules.blendsNeedComponents = true;
    rules.studied = studied;
    auto slots = empty<4>();
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

}  // namespace
}  // namespace moxlet
