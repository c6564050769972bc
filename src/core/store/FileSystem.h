#pragma once
// The file layer under every data file routine.  Names are bare file names
// ("PROFILES.DAT") inside one data directory.  Every failure is thrown as a
// FileException carrying the error number FileError knows (see FileError.h),
// so real disks, the in-memory test file system and its injected faults are
// reported to the tutor in the same words.
//
// Crash safety rests on three operations: write() of a new file, flush()
// (made durable: fsync), and rename(), which replaces the target atomically
// and makes the directory entry durable.  replaceFileAtomically() combines
// them; no routine ever writes into the bytes of an existing data file.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace moxlet {

// The run-time error numbers the file routines raise.
namespace FileErrorNo {
inline constexpr int BadFileNameOrNumber = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DeviceIoError = 57;
inline constexpr int FileAlreadyExists = 58;
inline constexpr int BadRecordLength = 59;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int BadRecordNumber = 63;
inline constexpr int BadFileName = 64;
inline constexpr int TooManyFiles = 67;
inline constexpr int DeviceUnavailable = 68;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccessError = 75;
inline constexpr int PathNotFound = 76;
}  // namespace FileErrorNo

class FileException : public std::runtime_error {
public:
    FileException(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// The error number for a POSIX errno value (ENOENT 53, EACCES/EPERM 70,
// EROFS 75, ENOSPC/EDQUOT 61, ENAMETOOLONG/EINVAL/EILSEQ 64, EMFILE 67,
// EIO 57, ENODEV/ENXIO/ETIMEDOUT 68, ENOTDIR 76, EEXIST 58, EBUSY 55).  An
// errno with no better match gives 75 so that it is still reported.
int fileErrorFromErrno(int err);

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool exists(const std::string& name) = 0;
    // Size in bytes; 53 when the file is missing.
    virtual std::uint64_t size(const std::string& name) = 0;
    // Fails when an existing file cannot be opened for reading.
    virtual void probe(const std::string& name) = 0;
    // Exactly count bytes from offset; a short read raises 62.
    virtual std::vector<std::uint8_t> read(const std::string& name, std::uint64_t offset,
                                           std::size_t count) = 0;
    // Creates the file (or empties it) and writes bytes; not yet durable.
    virtual void write(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
    // Makes the file's contents durable (fsync).
    virtual void flush(const std::string& name) = 0;
    // Replaces `to` by `from` in one step and makes the change durable.
    virtual void rename(const std::string& from, const std::string& to) = 0;
    // Removes the file; 53 when it is missing.
    virtual void remove(const std::string& name) = 0;
    // The names of the plain files in the data directory, sorted.
    virtual std::vector<std::string> list() = 0;

    std::vector<std::uint8_t> readAll(const std::string& name)
    {
        return read(name, 0, static_cast<std::size_t>(size(name)));
    }
};

// The name a new version of `name` is written under before it replaces it.
std::string temporaryNameFor(const std::string& name);

// Writes bytes to `temporaryName`, flushes it and renames it over `name`:
// after a crash at any point `name` holds either its old or its new
// contents, whole.  A failing step throws; the old file is untouched.
void replaceFileAtomically(FileSystem& fs, const std::string& name, std::span<const std::uint8_t> bytes,
                           const std::string& temporaryName);
inline void replaceFileAtomically(FileSystem& fs, const std::string& name,
                                  std::span<const std::uint8_t> bytes)
{
    replaceFileAtomically(fs, name, bytes, temporaryNameFor(name));
}

}  // namespace moxlet
