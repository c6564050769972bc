#include "core/shell/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace moxlet {

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

InstanceLock::~InstanceLock() { release(); }

void InstanceLock::release()
{
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& dataDir)
{
    release();
    const std::string path = (dataDir / kLockFileName).string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Result::Unlockable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        return err == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unlockable;
    }
    fd_ = fd;
    // Record who holds it, for a second program's message.
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const std::string who = "process " + std::to_string(::getpid()) + " on " + host + "\n";
    if (::ftruncate(fd_, 0) == 0 && ::write(fd_, who.data(), who.size()) < 0) {
        // The record is only for the message; the lock holds without it.
    }
    return Result::Acquired;
}

std::optional<std::string> InstanceLock::holder(const std::filesystem::path& dataDir)
{
    std::ifstream in(dataDir / kLockFileName);
    std::string line;
    if (!std::getline(in, line) || line.empty()) return std::nullopt;
    return line;
}

std::string secondInstanceMessage(const std::filesystem::path& dataDir)
{
    std::string text = "Moxlet is already running with the data folder " + dataDir.string() + ".";
    if (auto who = InstanceLock::holder(dataDir)) text += "  (It was started as " + *who + ".)";
    return text + "  Switch to that window to go on working; a second Moxlet on the same folder could undo "
                  "its changes.";
}

}  // namespace moxlet
