#pragma once
// The word base this build ships, opened where the program reads it, with
// its compiled-in offset index and, built once for the whole test program,
// the word base by text.  Needs MOXLET_WORDBASE_DIR.

#include <memory>

#include "core/store/DiskFileSystem.h"
#include "core/words/WordBase.h"
#include "core/words/WordTextIndex.h"
#include "support/ScriptedPrompt.h"

namespace moxlet::test {

struct ShippedWordBase {
    OffsetIndex index;
    DiskFileSystem fs{MOXLET_WORDBASE_DIR};
    ScriptedPrompt prompt;
    SeededRandom random{5};
    std::unique_ptr<WordBase> wordBase;
    ShippedWordBase()
    {
        fillOffsetIndex(index);
        wordBase = WordBase::open(FileContext{fs, prompt, random});
    }
    const WordTextIndex& texts()
    {
        static const std::shared_ptr<const WordTextIndex> built = WordTextIndex::build(*wordBase, index);
        return *built;
    }
};

}  // namespace moxlet::test
