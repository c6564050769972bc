// Daily backups: made once a day before the first change, 14 days kept, a
// backup folder is whole or absent, and a restore brings the day back while
// keeping what it replaces.

#include "core/store/Backups.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace moxlet {
namespace {

namespace fs = std::filesystem;

using Folder = test::TempFolder;

TEST(Backups, TheFirstChangeOfADayKeepsTheDataFilesOnce)
{
    Folder f;
    std::string error;
    EXPECT_TRUE(backUpToday(f.path, "2026-12-01", error));  // nothing to keep yet
    EXPECT_FALSE(fs::exists(f.path / kBackupFolder / "2026-12-01"));

    f.put("PROFILES.DAT", "profiles v1");
    f.put("PLNS0001.DAT", "plans v1");
    f.put("OPTION.PRM", "options");
    f.put("MOXLET.LCK", "process 1");
    f.put("notes.txt", "not ours");
    ASSERT_TRUE(backUpToday(f.path, "2026-12-01", error)) << error;
    EXPECT_EQ(f.get("Backups/2026-12-01/PROFILES.DAT"), "profiles v1");
    EXPECT_EQ(f.get("Backups/2026-12-01/PLNS0001.DAT"), "plans v1");
    EXPECT_FALSE(fs::exists(f.path / "Backups/2026-12-01/MOXLET.LCK"));
    EXPECT_FALSE(fs::exists(f.path / "Backups/2026-12-01/notes.txt"));

    f.put("PROFILES.DAT", "profiles v2");
    ASSERT_TRUE(backUpToday(f.path, "2026-12-01", error));  // the day's backup is kept as it was
    EXPECT_EQ(f.get("Backups/2026-12-01/PROFILES.DAT"), "profiles v1");

    // A backup interrupted half way is never taken for a whole one.
    fs::create_directories(f.path / "Backups/2026-12-02.partial");
    ASSERT_TRUE(backUpToday(f.path, "2026-12-02", error));
    EXPECT_EQ(f.get("Backups/2026-12-02/PROFILES.DAT"), "profiles v2");
    EXPECT_FALSE(fs::exists(f.path / "Backups/2026-12-02.partial"));
}

TEST(Backups, TheLastFourteenDaysAreKept)
{
    Folder f;
    f.put("PROFILES.DAT", "p");
    std::string error;
    for (int day = 1; day <= 20; ++day) {
        char date[16];
        std::snprintf(date, sizeof date, "2026-11-%02d", day);
        ASSERT_TRUE(backUpToday(f.path, date, error));
    }
    const auto all = listBackups(f.path);
    ASSERT_EQ(all.size(), 14u);
    EXPECT_EQ(all.front().date, "2026-11-20");
    EXPECT_EQ(all.back().date, "2026-11-07");
    EXPECT_EQ(all.front().files, 1);
}

TEST(Backups, RestoringBringsTheDayBackAndKeepsWhatItReplaces)
{
    Folder f;
    f.put("PROFILES.DAT", "two students");
    f.put("PLNS0001.DAT", "Ann's plans");
    std::string error;
    ASSERT_TRUE(backUpToday(f.path, "2026-12-01", error));
    // Later: a third student with plans, and Ann's plans deleted by mistake.
    f.put("PROFILES.DAT", "three students");
    fs::remove(f.path / "PLNS0001.DAT");
    f.put("PLNS0003.DAT", "Cy's plans");

    const std::string kept = restoreBackup(f.path, "2026-12-01", error);
    ASSERT_FALSE(kept.empty()) << error;
    EXPECT_EQ(f.get("PROFILES.DAT"), "two students");
    EXPECT_EQ(f.get("PLNS0001.DAT"), "Ann's plans");
    EXPECT_FALSE(fs::exists(f.path / "PLNS0003.DAT"));
    EXPECT_EQ(f.get(fs::path(kBackupFolder) / kept / "PROFILES.DAT"), "three students");
    EXPECT_EQ(f.get(fs::path(kBackupFolder) / kept / "PLNS0003.DAT"), "Cy's plans");
    EXPECT_EQ(listBackups(f.path).size(), 1u);  // the kept folder is not a dated backup

    EXPECT_TRUE(restoreBackup(f.path, "2026-11-30", error).empty());
    EXPECT_NE(error.find("no backup of 2026-11-30"), std::string::npos);
}

}  // namespace
}  // namespace moxlet
