#pragma once
// Reading WORDBASE.WDB: raw records come from a WordRecordSource (the file,
// or bytes in memory for tests and benchmarks) and are decoded into a
// WordRecord (the program's CurrentWord).
//
// Failures are passed to an error handler with the run-time error number and
// the context message ("Unable to open WordBase file, WORDBASE.WDB.",
// "Unable to read WordBase file, WORDBASE.WDB."); the program's handler is
// FileError, which shows the message and says whether to retry.  A failed
// read leaves the record as it was.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Prompt.h"
#include "Records.h"
#include "WordCodec.h"

namespace moxlet {

inline constexpr const char* kWordBaseFileName = "WORDBASE.WDB";
inline constexpr const char* kWordBaseOpenMessage = "Unable to open WordBase file, WORDBASE.WDB.";
inline constexpr const char* kWordBaseReadMessage = "Unable to read WordBase file, WORDBASE.WDB.";

// Run-time error numbers the reader reports.
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrPastEndOfFile = 62;
inline constexpr int kErrBadRecordNumber = 63;
inline constexpr int kErrAccessDenied = 70;

// Called with the error number and the context message; returns true when the
// failing operation is to be retried.
using WordBaseErrorHandler = std::function<bool(int errorNumber, const std::string& context)>;

// The program's handler: FileError's message box, retrying while the tutor
// answers Retry.
WordBaseErrorHandler fileErrorHandler(Prompt& prompt);

// Raw 74-byte records numbered from 1.
class WordRecordSource {
public:
    virtual ~WordRecordSource() = default;
    // File length \ 74.
    virtual std::int32_t recordCount() const = 0;
    // Copies records first .. first + count - 1 into out (count * 74 bytes).
    // Returns an error number, 0 on success.
    virtual int readRecords(std::int32_t first, std::int32_t count, std::uint8_t* out) = 0;
};

// Records held in memory.
class MemoryRecordSource : public WordRecordSource {
public:
    explicit MemoryRecordSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::int32_t recordCount() const override;
    int readRecords(std::int32_t first, std::int32_t count, std::uint8_t* out) override;
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
private:
    std::vector<std::uint8_t> bytes_;
};

// Records read from a file, opened read-only (the word base is never written).
class FileRecordSource : public WordRecordSource {
public:
    ~FileRecordSource() override;
    FileRecordSource(const FileRecordSource&) = delete;
    FileRecordSource& operator=(const FileRecordSource&) = delete;
    // Returns nullptr and sets errorNumber when the file cannot be opened.
    static std::unique_ptr<FileRecordSource> open(const std::filesystem::path& path, int& errorNumber);
    std::int32_t recordCount() const override { return count_; }
    int readRecords(std::int32_t first, std::int32_t count, std::uint8_t* out) override;
private:
    FileRecordSource(std::FILE* file, std::int32_t count) : file_(file), count_(count) {}
    std::FILE* file_;
    std::int32_t count_;
};

class WordBase {
public:
    explicit WordBase(std::unique_ptr<WordRecordSource> source, WordBaseErrorHandler onError = {});

    // Opens the word base file; on failure reports kWordBaseOpenMessage (with
    // retry as the handler decides) and returns nullptr.
    static std::unique_ptr<WordBase> open(const std::filesystem::path& path, WordBaseErrorHandler onError = {});

    std::int32_t recordCount() const { return source_->recordCount(); }

    // Reads and decodes record n into `word`; on failure reports
    // kWordBaseReadMessage and leaves `word` unchanged.
    bool read(std::int32_t n, WordRecord& word);

    // Reads records first..last in order and calls visit(n, word) for each
    // record that decodes.  The run is read in blocks, not record by record.
    // Returns false when a read failed (the records before it were visited).
    bool readRun(std::int32_t first, std::int32_t last,
                 const std::function<void(std::int32_t, const WordRecord&)>& visit);

private:
    int readWithRetry(std::int32_t first, std::int32_t count, std::uint8_t* out);

    std::unique_ptr<WordRecordSource> source_;
    WordBaseErrorHandler onError_;
    std::vector<std::uint8_t> buffer_;
};

// Where the program finds WORDBASE.WDB: in the data directory when it has
// one, otherwise in the installation directory.  The word base is read only
// and belongs to the program version, so it is read where it is installed
// rather than copied into every data directory (a copy would go stale when
// the program is updated); a tutor may still put a word base of their own in
// a data directory.  When neither has the file the data directory's path is
// returned, so the open error names the place a tutor would look.
std::filesystem::path locateWordBase(const std::filesystem::path& dataDir,
                                     const std::filesystem::path& installDir);

// The installation data directory the build was configured with
// (MOXLET_INSTALL_DATADIR).  Defined in moxlet_wordindex.
std::filesystem::path configuredInstallDataDir();

// The directory holding the word base shipped with a program whose binary is
// in exeDir: <exeDir>/../share/moxlet (an installation, moved or not, and the
// build tree, which mirrors an installation), else the configured
// installation data directory; the configured directory when none has it.
// Pass the result to locateWordBase as installDir.  Defined in
// moxlet_wordindex.
std::filesystem::path shippedWordBaseDir(const std::filesystem::path& exeDir);

}  // namespace moxlet
