// One Moxlet per data folder: a second lock on a folder is refused, also
// from another process, and the lock of a process that ended without
// releasing it is taken over.

#include "core/shell/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempFolder.h"

namespace moxlet {
namespace {

using Folder = test::TempFolder;

TEST(InstanceLock, ASecondLockOnTheSameFolderIsRefusedUntilTheFirstIsReleased)
{
    Folder f;
    InstanceLock first, second;
    EXPECT_EQ(first.acquire(f.path), InstanceLock::Result::Acquired);
    EXPECT_EQ(second.acquire(f.path), InstanceLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.held());
    EXPECT_NE(secondInstanceMessage(f.path).find("process " + std::to_string(::getpid())), std::string::npos);
    first.release();
    EXPECT_EQ(second.acquire(f.path), InstanceLock::Result::Acquired);

    Folder other;  // another folder is another lock
    InstanceLock third;
    EXPECT_EQ(third.acquire(other.path), InstanceLock::Result::Acquired);
}

TEST(InstanceLock, AnotherProcessesLockIsSeenAndTakenOverWhenItEnds)
{
    Folder f;
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

}  // namespace
}  // namespace moxlet
