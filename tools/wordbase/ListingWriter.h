#pragma once
// The review listing: one line per word, tab-separated: word, syllables,
// segment ids (comma-separated, ascending, flags excluded), flags (H
// homophone, R root flag, HR both, - none), level (everyday, common, wider).

#include <string>
#include <vector>

#include "WordBaseBuilder.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet::wordbase {

std::string listingText(const std::vector<BuiltWord>& words);

}  // namespace moxlet::wordbase
