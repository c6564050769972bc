#pragma once
// Random-access data files of fixed-length records, numbered from 1, and
// openDataFile, the one routine that opens them.
//
// A DataFile names a file of the data directory and its record length; it
// holds no descriptor, each operation opens and closes the file itself.
// Writing a record never writes into the old file: the whole file is read,
// the record replaced (or appended) and the new contents written under a
// temporary name, flushed and renamed over the old file, so that a crash
// leaves the old file or the new one, whole.  Data files are small (a plan
// file of a hundred lessons is under 1 MB), so the rewrite costs little.
//
// A file that does not exist yet has no records; it is created by its first
// write, so that looking at a student without plans leaves no empty plan
// file behind.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/store/FileSystem.h"
#include "core/store/Prompt.h"
#include "core/store/Random.h"

namespace moxlet {

// What every file routine needs: the data directory, the message boxes and
// the random source for seeds, noise and fillers.
struct FileContext {
    FileSystem& fs;
    Prompt& prompt;
    Random& random;
};

// Names the file in openDataFile's message.
enum class FileKind : std::int16_t { Profile = 0, Plan = 1, WordBase = 2, Parameter = 3, Other = 4 };

// "Unable to open Student Profile file, PROFILES.DAT." etc.
std::string openMessage(FileKind kind);

// False for a name holding one of ; < = > ? [ ] * or a blank (or nothing).
bool isLegalDataFileName(const std::string& name);

class DataFile {
public:
    // The closed file, what a failed open gives: every operation fails with
    // error 52, so the caller's next read or write is reported.
    DataFile() = default;
    DataFile(FileSystem& fs, std::string name, int recordLength);

    bool isOpen() const { return fs_ != nullptr; }
    const std::string& name() const { return name_; }
    int recordLength() const { return recordLength_; }

    bool exists() const;
    // Length in bytes, 0 for a missing file.
    std::uint64_t byteLength() const;
    // Whole records (length / record length).
    std::int32_t recordCount() const;
    // Bytes after the last whole record (a torn or foreign tail).
    std::uint64_t tailBytes() const;

    // Record n (1-based); 63 for n < 1, 62 beyond the end.
    std::vector<std::uint8_t> readRecord(std::int32_t n) const;
    // Replaces record n (1..count) or appends it (n = count + 1) through a
    // crash-safe rewrite; 63 for other n, 59 for a wrong length.  Bytes after
    // the last whole record are kept when n is not count + 1 (an append
    // overwrites them, as random access does).
    void writeRecord(std::int32_t n, std::span<const std::uint8_t> record);

private:
    void requireOpen() const;

    FileSystem* fs_ = nullptr;
    std::string name_;
    int recordLength_ = 0;
};

// Opens a data file: refuses an illegal name with error 64 before touching
// the disk, and checks that an existing file can be read.  Errors are
// reported through FileError with the message for `kind`; Retry repeats the
// step, giving up returns the closed file (whose next read or write fails
// and is reported by that routine).
DataFile openDataFile(const FileContext& ctx, const std::string& name, FileKind kind, int recordLength);

}  // namespace moxlet
