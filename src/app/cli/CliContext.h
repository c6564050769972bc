#pragma once
// Everything a moxlet-cli command works with, handed to it rather than
// reached for: the streams, the file system of the data folders, the
// message boxes of the file routines, randomness, the problems met and the
// exit status.  main() makes one over the terminal and the disk; a test
// makes one over string streams and a folder of known files.

#include <deque>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/CollectingPrompt.h"
#include "core/store/DataFile.h"
#include "core/store/Problems.h"
#include "core/store/Random.h"
#include "core/words/OffsetIndex.h"

namespace moxlet::cli {

class CliContext {
public:
    // Over the disk, the installed word base and the clock's randomness.
    CliContext(std::istream& in, std::ostream& out, std::ostream& err);

    std::istream& in;  // answers to questions (restore)
    std::ostream& out;
    std::ostream& err;

    // Folders and files named on the command line are taken relative to
    // this folder (empty: the working directory).
    std::filesystem::path workingDir;
    // Opens the files of a folder (nothing when there is no such folder):
    // the disk unless a test says otherwise.
    std::function<std::unique_ptr<FileSystem>(const std::filesystem::path&)> openFolder;
    // Where the word base shipped with the program is, and the offset index
    // that belongs to it (compiled in unless set).
    std::filesystem::path shippedWordBase;
    std::optional<OffsetIndex> wordIndex;
    // The random choices of word lists: the clock's unless --seed or a test
    // sets one.
    std::unique_ptr<Random> random;

    // What the file routines would have shown in a message box, and what
    // the readers skipped or repaired; both end up on err.
    CollectingPrompt prompt;
    Problems problems;
    int status = 0;
    std::string usage;  // the running command's usage line

    std::filesystem::path path(const std::string& argument) const;
    // The files of the data folder `dir` (as given on the command line), or
    // nothing after saying that there is no such folder (status 1).
    const FileContext* dataFolder(const std::string& dir);
    // The files of a folder, or nothing when it cannot be opened.
    const FileContext* filesAt(const std::filesystem::path& folder);
    // Whether `dir` is a folder; if not, says so (status 1).
    bool isFolder(const std::string& dir);
    // The offset index for the word base.
    OffsetIndex index() const;

    // "usage: moxlet-cli USAGE" (and a note) on err; status 2.
    void usageError(const std::string& note = {});
    // "moxlet-cli: TEXT" on err, after the problems met so far; the given
    // status.
    void fail(int exitStatus, const std::string& text);
    // Prints the problems and message box texts met so far on err, in
    // UTF-8, and forgets them.
    void reportProblems();
    // After the command: what is left is reported, and a message box (a
    // file that could not be read) makes a successful status 1.
    int finish();

private:
    struct Folder {
        std::unique_ptr<FileSystem> fs;
        FileContext files;
    };
    std::deque<Folder> folders_;
    SeededRandom fileRandom_{1};  // nothing is written through the file routines
    bool messagesShown_ = false;
};

}  // namespace moxlet::cli
