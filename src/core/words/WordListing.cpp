#include "core/words/WordListing.h"

namespace moxlet {

std::string segmentIdList(const SegmentSet& segments)
{
    std::string out;
    for (int s = 0; s < 358; ++s) {
        if (!segments.contains(s)) continue;
        if (!out.empty()) out += ",";
        out += std::to_string(s);
    }
    return out;
}

std::string wordFlags(const SegmentSet& segments)
{
    std::string out;
    if (segments.word(24) & kHomophoneFlag) out += "H";
    if (segments.word(24) & kRootFlag) out += "R";
    return out.empty() ? "-" : out;
}

}  // namespace moxlet
