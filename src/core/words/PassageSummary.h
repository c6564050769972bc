#pragma once
// What a passage check comes to, in a tutor's words (Windows-1252, the
// segments' stored names):
//
//   passageShare     "47 of 50 words decodable (94%)": running words, names
//                    and numbers left out, the share rounded down (100% is
//                    every word); "No words to check" when there are none.
//   passageSummary   "All words decodable", or "3 words beyond Sam: thought
//                    (OUGH (aw)), because, giraffe": the marked words in
//                    order of first appearance, a word that needs unstudied
//                    segments with their names in brackets, the others
//                    (outside the syllable range, not in the word base,
//                    beyond the word level) bare.  Empty for a text without
//                    words.
//   segmentNeeds     the words that need unstudied segments grouped segment
//                    by segment: the words a segment alone stands between
//                    the student and (studying it unlocks them), then those
//                    that need more as well; the segment that unlocks most
//                    words first, then the one most words need, then id
//                    order.

#include <cstddef>
#include <string>
#include <vector>

#include "core/words/PassageCheck.h"

namespace moxlet {

std::string passageShare(const PassageReport& report);
std::string passageSummary(const PassageReport& report, const std::string& studentName);

struct SegmentNeed {
    SegmentId segment = kNoSegment;
    std::vector<std::size_t> unlocks;    // words (into report.words) that need only this segment
    std::vector<std::size_t> alsoNeeds;  // words that need it and others
};
std::vector<SegmentNeed> segmentNeeds(const PassageReport& report);

}  // namespace moxlet
