#pragma once
// "Check a Word" in the word list tool: why a word is, or is not, in the
// list the tool builds for its student.  The list is the last generation's
// (its type and segments), or before any generation the chosen ones; the
// student is the one chosen now, with their studied segments and syllable
// range, and every list is thinned from a fresh offset as the tool does.
// The level is the last generation's, or before any the one offered now.
//
// One answer covers all the list's segments: the answer of a segment that
// offers the word; else, when the word is not in the word base or outside
// the range (the same for every segment), that answer once (for a segment
// the word contains, if any); else one answer per segment, a line each.  Without segments the word is checked
// against every list of the type (any segment).

#include <string>
#include <string_view>

#include "core/wordlist/WordListTool.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"

namespace moxlet {

// The answer in the words of wordCheckText (Windows-1252, stored segment
// names).  The tool must have a student.
std::string wordListCheckText(WordBase& wordBase, const OffsetIndex& index, const WordListTool& tool,
                              std::string_view word);

}  // namespace moxlet
