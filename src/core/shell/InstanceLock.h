#pragma once
// One Moxlet per data folder.  Two programs working on the same folder
// would each write its files from what they read earlier, and the later
// write would silently undo the other's work; so the program holds a lock
// on the folder while it runs, and a second one started on the same folder
// is told so and does not go on.
//
// The lock is an advisory lock (flock) on MOXLET.LCK in the data folder.
// The system releases it when the holder ends in any way, so the lock of a
// program that crashed or lost its power is taken over without asking.  The
// file also records the holder's process number and host, only for the
// message.  Folders on which locks cannot be taken (some network shares)
// are used without one.

#include <filesystem>
#include <optional>
#include <string>

namespace moxlet {

inline constexpr const char* kLockFileName = "MOXLET.LCK";

class InstanceLock {
public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    ~InstanceLock();

    enum class Result { Acquired, HeldElsewhere, Unlockable };
    // Tries to take the folder's lock.
    Result acquire(const std::filesystem::path& dataDir);
    bool held() const { return fd_ >= 0; }
    // Who holds the lock, as recorded in the lock file ("process 1234 on
    // host"), or nothing when it cannot be read.
    static std::optional<std::string> holder(const std::filesystem::path& dataDir);

    void release();

private:
    int fd_ = -1;
};

// The message shown to a tutor who starts Moxlet a second time on a folder.
std::string secondInstanceMessage(const std::filesystem::path& dataDir);

}  // namespace moxlet
