#include "ListingWriter.h"

#include "core/words/WordLevel.h"
#include "core/words/WordListing.h"

namespace moxlet::wordbase {

std::string listingText(const std::vector<BuiltWord>& words)
{
    std::string out = "# word\tsyllables\tsegments\tflags\tlevel\n";
    for (const auto& w : words)
        out += w.word + "\t" + std::to_string(w.syllables) + "\t" + segmentIdList(w.segments) + "\t" +
               wordFlags(w.segments) + "\t" + std::string(levelName(w.level)) + "\n";
    return out;
}

}  // namespace moxlet::wordbase
