#pragma once
// The lesson plan as plain text for the clipboard, ready to paste into a
// word processor: the printout's sections in the same order, separated by
// tabs, with lines ended by carriage return and line feed.  It has no
// footer, no page breaks and no underlines for blank selections, and its
// word lists are laid out in rows of four whatever the font size.
//
// The text is UTF-8: segment names carry their pronunciation marks as
// Unicode, so they paste correctly into any word processor and font.

#include <string>

#include "core/output/PlanOutput.h"

namespace moxlet {

// Like printing, copying a plan whose review and new list sizes differ
// switches the form feed option on in output.options.
std::string planText(const PlanOutput& output);

}  // namespace moxlet
