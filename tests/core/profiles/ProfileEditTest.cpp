// The profile editor's rules without a window: the save checks in their
// order, the duplicate check, the syllable advice, the blend rule and the
// studied segments as list selections.
#include "core/profiles/ProfileEdit.h"

#include <gtest/gtest.h>

#include "core/catalogue/Catalogue.h"
#include "support/Segments.h"

using namespace moxlet;

namespace {
ProfileEntry live(std::int32_t record, const std::string& last, const std::string& first)
{
    ProfileEntry e;
    e.record = record;
    e.profile.InUse = 1;
    e.profile.ProfileNo = static_cast<std::int16_t>(record);
    e.profile.LastName.assign(last);
    e.profile.FirstName.assign(first);
    return e;
}

const std::string kEmptyLast = "The Last Name field must be entered in order to complete a Student Profile.";
const std::string kDuplicate = "There is already a Student Profile with this First Name and Last Name.";
const std::string kMinMissing = "The minimun number of syllables must be a number between 1 and 9.";
const std::string kMaxMissing = "The maximum number of syllables must be a number between 1 and 9.";
const std::string kMinAboveMax =
    "The minimum number of syllables can not be greater than the maximum number of syllables.";
}  // namespace

TEST(ProfileEdit, SaveChecksComeInOrderWithTheirFocus)
{
    std::vector<ProfileEntry> records = {live(1, "Lee", "Ann"), live(2, "Moss", ""), live(4, "Gray", "Sue")};
    records[2].profile.InUse = 0;
    struct Case {
        ProfileBoxes boxes;
        std::int32_t own;
        std::optional<std::string> message;
        ProfileField focus;
    };
    const Case cases[] = {
        {{"", "Ann", "_", "_"}, 3, kEmptyLast, ProfileField::LastName},
        {{"   ", "Ann", "1", "9"}, 3, kEmptyLast, ProfileField::LastName},
        {{"Lee", "Ann", "_", "9"}, 3, kDuplicate, ProfileField::LastName},
        {{"Lee  ", "Ann ", "1", "9"}, 3, kDuplicate, ProfileField::LastName},  // trimmed
        {{"Lee", "ann", "1", "9"}, 3, std::nullopt, ProfileField::LastName},   // case counts
        {{"Lee", "Ann", "1", "9"}, 1, std::nullopt, ProfileField::LastName},   // its own record
        {{"Moss", "", "1", "9"}, 3, kDuplicate, ProfileField::LastName},
        {{"Gray", "Sue", "1", "9"}, 3, std::nullopt, ProfileField::LastName},  // a free slot
        {{"Moss", "Tim", "_", "9"}, 3, kMinMissing, ProfileField::SyllableMin},
        {{"Moss", "Tim", "0", "_"}, 3, kMinMissing, ProfileField::SyllableMin},
        {{"Moss", "Tim", "1", "_"}, 3, kMaxMissing, ProfileField::SyllableMax},
        {{"Moss", "Tim", "1", "0"}, 3, kMaxMissing, ProfileField::SyllableMax},
        {{"Moss", "Tim", "3", "2"}, 3, kMinAboveMax, ProfileField::SyllableMin},
        {{"Moss", "Tim", "2", "2"}, 3, std::nullopt, ProfileField::LastName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes.lastName + "|" + c.boxes.firstName + "|" + c.boxes.syllableMin + "|" +
                     c.boxes.syllableMax);
        auto refusal = checkProfileBoxes(c.boxes, records, c.own);
        ASSERT_EQ(refusal.has_value(), c.message.has_value());
        if (refusal) {
            EXPECT_EQ(refusal->message, *c.message);
            EXPECT_EQ(refusal->focus, c.focus);
        }
    }
}

TEST(ProfileEdit, SyllableAdviceFollowsTheTypedDigit)
{
    EXPECT_EQ(syllableValue("_"), 0);
    EXPECT_EQ(syllableValue(""), 0);
    EXPECT_EQ(syllableValue("7"), 7);
    EXPECT_FALSE(minimumAdvice(1));
    ASSERT_TRUE(minimumAdvice(2));
    EXPECT_NE(minimumAdvice(2)->text.find("okay to set the minimum number of syllables to 2"),
              std::string::npos);
    for (int v = 3; v <= 9; ++v) {
        ASSERT_TRUE(minimumAdvice(v));
        EXPECT_EQ(minimumAdvice(v)->title, "Syllable Minimum");
        EXPECT_NE(minimumAdvice(v)->text.find("no higher than 2"), std::string::npos);
    }
    ASSERT_TRUE(maximumAdvice(1));
    EXPECT_EQ(maximumAdvice(1)->title, "Syllable Maximum");
    for (int v = 2; v <= 9; ++v) EXPECT_FALSE(maximumAdvice(v));
}

TEST(ProfileEdit, BlendNeedsAllItsComponentsSelected)
{
    std::vector<bool> selected(kSegmentCount, false);
    const int S = 86, Ck = 11, R = 84, SCR = 143;
    selected[S] = selected[Ck] = selected[SCR] = true;
    auto refusal = blendSelectionRefusal(SCR, selected);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, "You may not select consonant blend SCR until its component consonants have been "
                        "selected.");
    selected[R] = true;
    EXPECT_FALSE(blendSelectionRefusal(SCR, selected));
    // SC (sk) needs only S and C (k); other lines are never checked.
    selected[R] = false;
    EXPECT_FALSE(blendSelectionRefusal(142, selected));
    EXPECT_FALSE(blendSelectionRefusal(R, std::vector<bool>(kSegmentCount, false)));
    EXPECT_TRUE(blendSelectionRefusal(124, std::vector<bool>(kSegmentCount, false)));
}

// A heading selects the members not yet selected, leaving out the blends
// whose consonants are missing with one message for all of them.
TEST(ProfileEdit, GroupSelectionLeavesOutBlendsWithoutTheirConsonants)
{
    const int B = 10, L = 51, R = 84, BL = 124, BR = 125, CL = 126, SCR = 143;
    const std::string one =
        "You may not select consonant blend CL until its component consonants have been selected.";
    struct Row {
        std::vector<SegmentId> members;
        std::vector<int> before;
        std::vector<int> lines;
        std::string refusal;
    } rows[] = {
        {{B, L, R}, {L}, {B, R}, ""},              // the selected member is not listed
        {{BL, BR, CL}, {B, L, R}, {BL, BR}, one},  // C (k) is missing
        {{BL, BR, CL},
         {},
         {},
         "You may not select consonant blends BL, BR and CL until their component "
         "consonants have been selected."},
        {{B, L, BL}, {}, {B, L, BL}, ""},    // consonants chosen with the blend
        {{SCR}, {86, 11, 84, SCR}, {}, ""},  // all there already
    };
    for (const Row& row : rows) {
        std::vector<bool> selected(kSegmentCount, false);
        for (int s : row.before) selected[static_cast<std::size_t>(s)] = true;
        const GroupSelection got = groupSelection(row.members, selected);
        EXPECT_EQ(got.lines, row.lines) << row.refusal;
        EXPECT_EQ(got.refusal.value_or(""), row.refusal);
    }
}

TEST(ProfileEdit, StudiedSegmentsMapToListPositions)
{
    const SegmentSet s = test::studiedSet({0, 124, 331});  // 358, 359 lie beyond the list
    const auto selected = selectionFromStudied(s, kSegmentCount);
    ASSERT_EQ(selected.size(), static_cast<std::size_t>(kSegmentCount));
    for (int i = 0; i < kSegmentCount; ++i)
        EXPECT_EQ(selected[static_cast<std::size_t>(i)], s.contains(i)) << i;
}

TEST(ProfileEdit, StudentListIsSortedIgnoringCase)
{
    std::vector<ProfileEntry> records = {live(1, "moss", "Tim"), live(2, "Lee", "Ann"),
                                         live(3, "Moss", "Tim"), live(4, "Adams", ""), live(6, "", "Ann")};
    records.push_back(live(5, "Zed", "Free"));
    records.back().profile.InUse = 0;
    std::vector<std::pair<std::string, std::int32_t>> lines;
    for (const auto& line : studentList(records)) lines.emplace_back(line.text, line.recordNo);
    EXPECT_EQ(lines, (std::vector<std::pair<std::string, std::int32_t>>{
                         {"Adams", 4}, {"Ann", 6}, {"Lee, Ann", 2}, {"Moss, Tim", 3}, {"moss, Tim", 1}}));
}
