#pragma once
// The word list tool's list as the word list commands make it (wordlist,
// wordlist-pdf): the student of profile N, up to five segments from the
// student's Review list or, with --new, the New list, and the tool's
// generation with the folder's homophone and word level options (--level
// overrides the latter).

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/CliArgs.h"
#include "app/cli/Command.h"
#include "core/catalogue/SegmentSet.h"
#include "core/wordlist/WordListTool.h"

namespace moxlet::cli {

class CliContext;

struct WordListRequest {
    int profile = 0;
    std::string dir = ".";
    std::vector<SegmentId> segments;
    bool newList = false;
    bool automatic = false;  // --auto
    std::optional<int> seed;
    std::optional<WordLevel> level;  // --level
    // The folder's options, once generated.
    int homophoneMode = 0;
    int fontSize = 0;  // the word list font size
};

// Reads --segments, --new, --seed, --auto, --level, and the options named in
// `valued` (each with its value); returns the other arguments, in order, or
// nothing when an option is unknown, incomplete or out of range.
std::optional<std::vector<std::string>> parseWordListArgs(const Args& args, WordListRequest& r,
                                                          const std::map<std::string, std::string*>& valued);
// Profile N and [DIR] from the arguments parseWordListArgs left; false
// when they are not a profile number and at most one folder.
bool takeProfileAndFolder(const std::vector<std::string>& positional, WordListRequest& r);

// The tool with the list generated (a note on err when segments gave no
// words); nothing after saying why it could not be made (status set).
std::unique_ptr<WordListTool> generateWordList(CliContext& ctx, WordListRequest& r);

}  // namespace moxlet::cli
