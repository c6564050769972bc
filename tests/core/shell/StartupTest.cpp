// Start-up: the main window's size rule, the preparation of a data
// directory, and one Moxlet per data folder (a second lock on a folder is
// refused, also from another process, and the lock of a process that ended
// without releasing it is taken over).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/shell/DataDirectory.h"
#include "core/shell/InstanceLock.h"
#include "core/shell/WindowSize.h"
#include "support/TempFolder.h"

using namespace moxlet;
namespace fs = std::filesystem;

TEST(WindowSize, SmallScreensMaximiseLargerOnesGetTheFixedSize)
{
    struct Case {
        int w, h;
        bool maximised;
    };
    const Case cases[] = {
        {12000, 9000, true},                        // exactly the limit
        {12015, 9000, false},                       // one pixel wider at 96 dpi
        {12000, 9015, false},  {9600, 7200, true},  // 640 x 480
        {28800, 16200, false},                      // 1920 x 1080
    };
    for (const auto& c : cases) {
        WindowSize s = mainWindowSize(c.w, c.h);
        EXPECT_EQ(s.maximised, c.maximised) << c.w << "x" << c.h;
        if (!c.maximised) {
            EXPECT_EQ(s.widthTwips, 12260);
            EXPECT_EQ(s.heightTwips, 9160);
        }
    }
    EXPECT_EQ(twipsFromPixels(800, 96.0), 12000);
    EXPECT_EQ(pixelsFromTwips(12260, 96.0), 817);
}

class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(install);
        fs::create_directories(data);
        for (const char* name : {"PROFILES.DAT", "PLNS0001.DAT", "WORDBASE.WDB", "OPTION.PRM"})
            folder.put(fs::path("install") / name, std::string("installed ") + name);
    }
    test::TempFolder folder;
    fs::path base = folder.path, install = base / "install", data = base / "data";
};

TEST_F(DataDirectoryTest, FirstStartCopiesOnlyDatFilesOnce)
{
    EXPECT_TRUE(isFirstStart(data));
    auto copied = prepareDataDirectory(data, install);
    EXPECT_EQ(copied, (std::vector<std::string>{"PLNS0001.DAT", "PROFILES.DAT"}));
    EXPECT_FALSE(fs::exists(data / "WORDBASE.WDB"));
    EXPECT_FALSE(fs::exists(data / "OPTION.PRM"));
    EXPECT_FALSE(isFirstStart(data));

    // The tutor's own profiles are never replaced by a later start.
    folder.put("data/PROFILES.DAT", "tutor's profiles");
    EXPECT_TRUE(prepareDataDirectory(data, install).empty());
    EXPECT_EQ(folder.get("data/PROFILES.DAT"), "tutor's profiles");
}

TEST_F(DataDirectoryTest, ExistingMoxletFilesMeanNotAFirstStart)
{
    for (const char* name : {"PROFILES.DAT", "OPTION.PRM", "PLNS0042.DAT", "MOXLET.DIR"}) {
        fs::remove_all(data);
        fs::create_directories(data);
        folder.put(fs::path("data") / name, "x");
        EXPECT_FALSE(isFirstStart(data)) << name;
        EXPECT_TRUE(prepareDataDirectory(data, install).empty()) << name;
    }
}

TEST_F(DataDirectoryTest, StartingInTheInstallationDirectoryCopiesNothing)
{
    EXPECT_TRUE(prepareDataDirectory(install, install).empty());
    EXPECT_TRUE(prepareDataDirectory(install / ".", install).empty());
    EXPECT_FALSE(fs::exists(install / kDataDirMarker));
}

TEST_F(DataDirectoryTest, MissingInstallationDirectoryStillStarts)
{
    EXPECT_TRUE(prepareDataDirectory(data, base / "nowhere").empty());
    EXPECT_FALSE(isFirstStart(data));
}

TEST(InstanceLock, ASecondLockOnTheSameFolderIsRefusedUntilTheFirstIsReleased)
{
    test::TempFolder f;
    InstanceLock first, second;
    EXPECT_EQ(first.acquire(f.path), InstanceLock::Result::Acquired);
    EXPECT_EQ(second.acquire(f.path), InstanceLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.held());
    EXPECT_NE(secondInstanceMessage(f.path).find("process " + std::to_string(::getpid())), std::string::npos);
    first.release();
    EXPECT_EQ(second.acquire(f.path), InstanceLock::Result::Acquired);

    test::TempFolder other;  // another folder is another lock
    InstanceLock third;
    EXPECT_EQ(third.acquire(other.path), InstanceLock::Result::Acquired);
}

TEST(InstanceLock, AnotherProcessesLockIsSeenAndTakenOverWhenItEnds)
{
    test::TempFolder f;
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The other program: takes the lock, says so, waits, then ends
        // without releasing it, as a crash would.
        InstanceLock lock;
        const char ok = lock.acquire(f.path) == InstanceLock::Result::Acquired ? '1' : '0';
        if (::write(ready[1], &ok, 1) != 1) ::_exit(2);
        char c;
        if (::read(done[0], &c, 1) < 0) ::_exit(3);
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    InstanceLock mine;
    EXPECT_EQ(mine.acquire(f.path), InstanceLock::Result::HeldElsewhere);
    EXPECT_NE(secondInstanceMessage(f.path).find("process " + std::to_string(child)), std::string::npos);
    ASSERT_EQ(::write(done[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(mine.acquire(f.path), InstanceLock::Result::Acquired);  // the stale lock is taken over
    for (int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);
}

TEST(InstanceLock, AFolderThatCannotBeLockedIsUsedWithoutALock)
{
    InstanceLock lock;
    EXPECT_EQ(lock.acquire("/nonexistent/moxlet"), InstanceLock::Result::Unlockable);
}
