#include "core/store/DiskFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace moxlet {

namespace {
// Closes a descriptor at the end of a scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0) ::close(fd);
    }
};
}  // namespace

DiskFileSystem::DiskFileSystem(std::string directory) : directory_(std::move(directory))
{
    if (directory_.empty()) directory_ = ".";
}

std::string DiskFileSystem::path(const std::string& name) const
{
    // Names are bare: a name with a directory part is refused like any other
    // illegal name, so no routine can reach outside the data directory.
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        throw FileException(FileErrorNo::BadFileName, "illegal file name: " + name);
    return directory_ + "/" + name;
}

void DiskFileSystem::fail(int err, const std::string& what, const std::string& name) const
{
    int number = fileErrorFromErrno(err);
    // A missing data directory is "Path does not exist", not "File not found".
    if (number == FileErrorNo::FileNotFound) {
        std::error_code ec;
        if (!std::filesystem::is_directory(directory_, ec)) number = FileErrorNo::PathNotFound;
    }
    throw FileException(number, what + " " + name + ": " + std::generic_category().message(err));
}

bool DiskFileSystem::exists(const std::string& name)
{
    struct stat st {};
    return ::stat(path(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::uint64_t DiskFileSystem::size(const std::string& name)
{
    struct stat st {};
    if (::stat(path(name).c_str(), &st) != 0) fail(errno, "stat", name);
    if (!S_ISREG(st.st_mode)) fail(EISDIR, "stat", name);
    return static_cast<std::uint64_t>(st.st_size);
}

void DiskFileSystem::probe(const std::string& name)
{
    Fd f{::open(path(name).c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) fail(errno, "open", name);
}

std::vector<std::uint8_t> DiskFileSystem::read(const std::string& name, std::uint64_t offset,
                                               std::size_t count)
{
    Fd f{::open(path(name).c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) fail(errno, "open", name);
    std::vector<std::uint8_t> bytes(count);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(f.fd, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno, "read", name);
        }
        if (n == 0) throw FileException(FileErrorNo::InputPastEnd, "short read of " + name);
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

void DiskFileSystem::aboutToChange()
{
    if (!beforeFirstChange_) return;
    auto hook = std::move(beforeFirstChange_);
    beforeFirstChange_ = nullptr;
    hook();
}

void DiskFileSystem::write(const std::string& name, std::span<const std::uint8_t> bytes)
{
    aboutToChange();
    Fd f{::open(path(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
    if (f.fd < 0) fail(errno, "create", name);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno, "write", name);
        }
        done += static_cast<std::size_t>(n);
    }
    int fd = f.fd;
    f.fd = -1;
    // close() can report a delayed write error (NFS, full disk).
    if (::close(fd) != 0) fail(errno, "close", name);
}

void DiskFileSystem::flush(const std::string& name)
{
    Fd f{::open(path(name).c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) fail(errno, "open", name);
    if (::fsync(f.fd) != 0) fail(errno, "fsync", name);
}

void DiskFileSystem::syncDirectory()
{
    Fd d{::open(directory_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd < 0) fail(errno, "open directory", directory_);
    // Some file systems do not sync directories; the rename itself is done.
    if (::fsync(d.fd) != 0 && errno != EINVAL && errno != EROFS) fail(errno, "fsync", directory_);
}

void DiskFileSystem::rename(const std::string& from, const std::string& to)
{
    aboutToChange();
    if (::rename(path(from).c_str(), path(to).c_str()) != 0) fail(errno, "rename", from);
    syncDirectory();
}

void DiskFileSystem::remove(const std::string& name)
{
    aboutToChange();
    if (::unlink(path(name).c_str()) != 0) fail(errno, "remove", name);
    syncDirectory();
}

std::vector<std::string> DiskFileSystem::list()
{
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(directory_, ec);
    if (ec) fail(ec.value(), "list", directory_);
    for (const auto& entry : it) {
        std::error_code e2;
        if (entry.is_regular_file(e2)) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace moxlet
