#include "WordAnalysis.h"

#include <algorithm>

namespace moxlet::wordbase {

WordAnalysis WordAnalysis::analyse(const LexiconEntry& entry)
{
    WordAnalysis a;
    a.entry = &entry;
    a.word = entry.word;
    a.phones = entry.tagged();
    a.syllables = std::clamp(entry.syllables, 1, 9);
    return a;
}

}  // namespace moxlet::wordbase
