#pragma once
// The word base as moxlet-cli reads it: WORDBASE.WDB in the data folder when
// it holds one, else the one shipped with the program, with the offset index
// of the context.  When it cannot be opened, err says why and where it was
// looked for.

#include <memory>
#include <string>

#include "core/words/WordBase.h"

namespace moxlet::cli {

class CliContext;

struct CliWordBase {
    explicit CliWordBase(CliContext& ctx, const std::string& dataDir = ".");

    WordSource source;
    std::unique_ptr<WordBase> wordBase;  // empty when it could not be opened
};

// "word<TAB>syllables<TAB>ids<TAB>flags" for a decoded record.
std::string wordLine(const WordRecord& word);

}  // namespace moxlet::cli
