#include "ListingWriter.h"

#include "core/words/WordListing.h"

namespace moxlet::wordbase {

std::string listingText(const std::vector<BuiltWord>& words)
{
    std::string out = "# word\tsyllables\tsegments\tflags\n";
    for (const auto& w : words)
        out += w.word + "\t" + std::to_string(w.syllables) + "\t" + segmentIdList(w.segments) + "\t" +
               wordFlags(w.segments) + "\n";
    return out;
}

}  // namespace moxlet::wordbase
