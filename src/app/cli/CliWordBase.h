#pragma once
// The word base as moxlet-cli reads it: WORDBASE.WDB in the current
// directory, else the one shipped with the program (installed, or in the
// build tree next to the binaries), with the compiled-in offset index.
// Errors go to the error stream with the program's own messages.

#include <iosfwd>
#include <memory>

#include "core/store/DiskFileSystem.h"
#include "core/store/Prompt.h"
#include "core/store/Random.h"
#include "core/words/WordBase.h"

namespace moxlet::cli {

// Prints each message box's text to a stream and gives up.
class StreamPrompt : public Prompt {
public:
    explicit StreamPrompt(std::ostream& err) : err_(err) {}
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;

private:
    std::ostream& err_;
};

struct CliWordBase {
    explicit CliWordBase(std::ostream& err);

    WordSource source;
    DiskFileSystem fs;
    StreamPrompt prompt;
    SeededRandom random{1};
    FileContext ctx{fs, prompt, random};
    std::unique_ptr<WordBase> wordBase;  // empty when it could not be opened
};

// "word<TAB>syllables<TAB>ids<TAB>flags" for a decoded record.
std::string wordLine(const WordRecord& word);

}  // namespace moxlet::cli
