#pragma once
// The word list tool's texts: segment names joined for the word frame's
// caption and the printout's heading, and the word grid as text for the
// clipboard.

#include <string>
#include <vector>

#include "core/catalogue/SegmentSet.h"
#include "core/words/WordChoice.h"

namespace moxlet {

// One name alone; two joined by " or "; three or more with ", " between
// them and ", or " before the last: "A", "A or B", "A, B, or C".
std::string joinNames(const std::vector<std::string>& names);

// The segments' catalogue names, marks drawn (UTF-8), joined as above.
std::string joinedSegmentNames(const std::vector<SegmentId>& segments);

// The word frame's caption once words are generated:
// "Select 40 Words Containing " and the joined names.
std::string wordFrameCaption(const std::vector<SegmentId>& segments);

// The grid as ten lines of four fields, in cell order (cell k is row k / 4,
// column k % 4): each cell's text as it stands, a tab after columns 0..2,
// carriage return and line feed after column 3.  Empty cells are empty
// fields, so there are always 10 lines; cells past the 40th are left out.
// UTF-8.
std::string wordListText(const std::vector<WordCell>& cells);

}  // namespace moxlet
