#include <gtest/gtest.h>

#include "core/store/ProfileCodec.h"
#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

namespace {
StudentProfile freed(StudentProfile p)
{
    p.InUse = 0;
    return p;
}
}  // namespace

TEST(ProfileFile, ReadAlwaysShowsTheTwoFlagBitsOfWord24)
{
    DataDir d;
    StudentProfile p = DataDir::profile(1, "Ames", "Ann", {5});
    p.StudiedSegments.word(24) = 0;  // the write sets them back
    DataFile file = openProfileFile(d.ctx);
    ASSERT_TRUE(writeProfileRecord(d.ctx, file, 1, p));
    EXPECT_EQ(p.StudiedSegments.word(24), 0x6000);
    StudentProfile back;
    ASSERT_TRUE(readProfileRecord(d.ctx, file, 1, back));
    EXPECT_EQ(back.StudiedSegments.word(24) & 0x6000, 0x6000);
    EXPECT_TRUE(back.StudiedSegments.contains(5));
}

TEST(ProfileFile, NewProfileSlotReusesTheLowestFreeRecordOrAppends)
{
    struct Case {
        std::vector<int> freeRecords;
        int count;
        std::int32_t slot;
    };
    const Case cases[] = {{{}, 0, 1}, {{}, 5, 6}, {{3}, 5, 3}, {{4, 2}, 5, 2}, {{1, 2, 3}, 3, 1}};
    for (const auto& c : cases) {
        DataDir d;
        std::vector<StudentProfile> ps;
        for (int n = 1; n <= c.count; ++n) {
            auto p = DataDir::profile(static_cast<std::int16_t>(n), "N" + std::to_string(n), "");
            bool isFree = std::find(c.freeRecords.begin(), c.freeRecords.end(), n) != c.freeRecords.end();
            ps.push_back(isFree ? freed(p) : p);
        }
        if (c.count) d.putProfiles(ps);
        EXPECT_EQ(newProfileSlot(d.ctx), c.slot) << c.count;
    }
}

TEST(ProfileFile, SaveNewProfileAfterDeletingProfile3Of5ReusesRecord3)
{
    DataDir d;
    std::vector<StudentProfile> ps;
    for (std::int16_t n = 1; n <= 5; ++n) ps.push_back(DataDir::profile(n, "N" + std::to_string(n), "F"));
    d.putProfiles(ps);
    d.fs.put("PLNS0003.DAT", std::vector<std::uint8_t>(9600, 0));
    EXPECT_EQ(deleteProfile(d.ctx, 3), DeleteProfileResult::Deleted);
    EXPECT_FALSE(d.fs.exists("PLNS0003.DAT"));
    EXPECT_EQ(profileCount(d.ctx), 5);
    EXPECT_EQ(listProfiles(d.ctx).size(), 4u);

    const std::int32_t slot = newProfileSlot(d.ctx);
    ASSERT_EQ(slot, 3);
    StudentProfile profile = newProfileDefaults();
    profile.StudentSchool.assign("Elm School");
    ProfileEditorInput in{"Lee", "Kim", 2, 4, std::vector<bool>(332, false)};
    in.selected[17] = in.selected[331] = true;
    ASSERT_TRUE(saveProfile(d.ctx, profile, slot, in));

    auto live = listProfiles(d.ctx);
    ASSERT_EQ(live.size(), 5u);
    const auto& p = live[2];
    EXPECT_EQ(p.record, 3);
    EXPECT_EQ(p.profile.ProfileNo, 3);
    EXPECT_EQ(p.profile.LastName.trimmed(), "Lee");
    EXPECT_EQ(p.profile.StudentSchool.trimmed(), "Elm School");
    EXPECT_EQ(p.profile.SyllableMin, 2);
    EXPECT_EQ(p.profile.SyllableMax, 4);
    EXPECT_EQ(p.profile.FormatVersion, kFormatVersion);
    EXPECT_EQ(p.profile.StudiedSegments, test::studiedSet({17, 331}));

    // No free slot left: the next one is appended.
    EXPECT_EQ(newProfileSlot(d.ctx), 6);
}

TEST(ProfileFile, DeleteLeavesAMismatchedRecordAloneAndToleratesAMissingPlanFile)
{
    DataDir d;
    d.putProfiles({DataDir::profile(1, "A", ""), DataDir::profile(9, "B", "")});
    d.fs.put("PLNS0002.DAT", std::vector<std::uint8_t>(9600, 0));
    EXPECT_EQ(deleteProfile(d.ctx, 2), DeleteProfileResult::NotMatching);
    EXPECT_TRUE(d.fs.exists("PLNS0002.DAT"));
    EXPECT_EQ(listProfiles(d.ctx).size(), 2u);
    EXPECT_EQ(deleteProfile(d.ctx, 1), DeleteProfileResult::Deleted);
    EXPECT_TRUE(d.prompt.shown().empty());
}

TEST(ProfileFile, DeleteKeepsTheProfileWhenItsPlanFileCannotBeRemoved)
{
    DataDir d;
    d.putProfiles({DataDir::profile(1, "A", "")});
    d.fs.put("PLNS0001.DAT", std::vector<std::uint8_t>(9600, 0));
    d.fs.setReadOnly("PLNS0001.DAT");
    EXPECT_EQ(deleteProfile(d.ctx, 1), DeleteProfileResult::Failed);
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(d.prompt.shown()[0].text,
              "Unable to delete Student's Plan file (PLNS0001.DAT).  File access was denied.  The file "
              "has been defined as read-only or hidden.");
    EXPECT_EQ(listProfiles(d.ctx).size(), 1u);
}

TEST(ProfileFile, StartUpScanCountsLiveProfilesAndUpdatesOldFormatsOnce)
{
    DataDir d;
    StudentProfile old = DataDir::profile(2, "Old", "", {40});
    old.FormatVersion = 0;
    StudentProfile one = DataDir::profile(1, "A", "");
    one.SyllableMin = one.SyllableMax = 3;  // a range of one count is no damage
    d.putProfiles({one, old, freed(DataDir::profile(3, "C", ""))});
    int active = 0;
    ASSERT_TRUE(scanProfiles(d.ctx, active));
    EXPECT_EQ(active, 2);
    Problems problems;
    auto live = listProfiles(d.ctx, &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(live.size(), 2u);
    EXPECT_EQ(live[1].profile.FormatVersion, kFormatVersion);
    EXPECT_TRUE(live[1].profile.StudiedSegments.contains(40));

    int steps = d.fs.mutationSteps();
    auto before = *d.fs.get(kProfileFileName);
    ASSERT_TRUE(scanProfiles(d.ctx, active));
    EXPECT_EQ(d.fs.mutationSteps(), steps);  // nothing rewritten at the next start
    EXPECT_EQ(*d.fs.get(kProfileFileName), before);
}

TEST(ProfileFile, AllFreeOrNoFileGivesNoActiveProfiles)
{
    for (const bool file : {false, true}) {
        DataDir d;
        if (file) d.putProfiles({freed(DataDir::profile(1, "A", "")), freed(DataDir::profile(2, "B", ""))});
        int active = 7;
        ASSERT_TRUE(scanProfiles(d.ctx, active));
        EXPECT_EQ(active, 0);
        EXPECT_EQ(d.fs.exists(kProfileFileName), file);
    }
}

TEST(ProfileFile, SaveNewProfileRefusesNumbersBeyond9999)
{
    DataDir d;
    StudentProfile profile = newProfileDefaults();
    EXPECT_FALSE(saveProfile(d.ctx, profile, 10000, ProfileEditorInput{"A", "", 1, 9, {}}));
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_FALSE(d.fs.exists(kProfileFileName));
}
