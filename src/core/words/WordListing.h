#pragma once
// How a word's segments and flags are written in listings and by the
// command-line tool: ids comma-separated in ascending order without the flag
// bits; flags "H" (homophone), "R" (root flag), "HR" or "-".

#include <string>

#include "core/catalogue/SegmentSet.h"

namespace moxlet {

std::string segmentIdList(const SegmentSet& segments);
std::string wordFlags(const SegmentSet& segments);

}  // namespace moxlet
