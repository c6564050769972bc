#pragma once
// The word base as moxlet-cli reads it: WORDBASE.WDB in the current
// directory, else the one shipped with the program (installed, or in the
// build tree next to the binaries), with the compiled-in offset index.

#include <iosfwd>
#include <memory>

#include "OffsetIndex.h"
#include "WordBase.h"

namespace moxlet::cli {

struct CliWordBase {
    std::unique_ptr<WordBase> wordBase;
    OffsetIndex index;
};

// Opens the word base; on failure writes the open message to err and returns
// an empty wordBase.
CliWordBase openCliWordBase(std::ostream& err);

// "word<TAB>syllables<TAB>ids<TAB>flags" for a decoded record.
std::string wordLine(const WordRecord& word);

}  // namespace moxlet::cli
