#pragma once
// Reading WORDBASE.WDB, the read-only word base, through the same file layer
// and error reporting as every data file: records are read raw and decoded
// into a WordRecord.
//
// Failures are reported through reportFileError with the context messages
// "Unable to open WordBase file, WORDBASE.WDB." and "Unable to read WordBase
// file, WORDBASE.WDB."; Retry repeats the failing read, giving up leaves the
// record as it was.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/store/DataFile.h"
#include "core/store/DataFileNames.h"
#include "core/store/Records.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordCodec.h"

namespace moxlet {

class WordTextIndex;

inline constexpr const char* kWordBaseReadMessage = "Unable to read WordBase file, WORDBASE.WDB.";

class WordBase {
public:
    // Opens WORDBASE.WDB in the folder of ctx.fs.  A missing or unreadable
    // file is reported with the open message; nullptr when given up.
    static std::unique_ptr<WordBase> open(const FileContext& ctx);

    // File length / 74, taken when the word base was opened.
    std::int32_t recordCount() const { return count_; }

    // Reads and decodes record n into `word`; on failure reports the read
    // message and leaves `word` unchanged.
    bool read(std::int32_t n, WordRecord& word);

    // Reads records first..last in order and calls visit(n, word) for each
    // record that decodes.  The run is read in large blocks, not record by
    // record.  Returns false when a read was given up (the records before it
    // were visited).
    bool readRun(std::int32_t first, std::int32_t last,
                 const std::function<void(std::int32_t, const WordRecord&)>& visit);

    // The raw bytes of records first..first + count - 1, or false when the
    // read was given up.
    bool readRaw(std::int32_t first, std::int32_t count, std::vector<std::uint8_t>& out);

    // Reports the read message for records the file does not have (a word
    // base shorter than its index), once per opening.
    void reportShortfall();

private:
    WordBase(FileSystem& fs, Prompt& prompt, std::int32_t count) : fs_(fs), prompt_(prompt), count_(count) {}

    FileSystem& fs_;
    Prompt& prompt_;
    std::int32_t count_;
    std::vector<std::uint8_t> buffer_;
    bool shortfallReported_ = false;
};

// Where words come from: the compiled-in offset index and the folder that
// holds WORDBASE.WDB, and the word base by text once it has been built
// (textIndexOf, WordTextIndex.h).
struct WordSource {
    OffsetIndex index;
    std::filesystem::path directory;
    std::shared_ptr<const WordTextIndex> texts = {};
};

// The folder the program reads WORDBASE.WDB from: the data directory when it
// has one, otherwise the installation directory.  The word base is read only
// and belongs to the program version, so it is read where it is installed
// rather than copied into every data directory (a copy would go stale when
// the program is updated); a tutor may still put a word base of their own in
// a data directory.  When neither has the file the data directory is
// returned, so the open error names the place a tutor would look.
std::filesystem::path wordBaseDirectory(const std::filesystem::path& dataDir,
                                        const std::filesystem::path& installDir);

// The installation data directory the build was configured with
// (MOXLET_INSTALL_DATADIR).  Defined in moxlet_wordindex.
std::filesystem::path configuredInstallDataDir();

// The directory holding the word base shipped with a program whose binary is
// in exeDir: <exeDir>/../share/moxlet (an installation, moved or not, and the
// build tree, which mirrors an installation), else the configured
// installation data directory; the configured directory when none has it.
// Defined in moxlet_wordindex.
std::filesystem::path shippedWordBaseDir(const std::filesystem::path& exeDir);

}  // namespace moxlet
