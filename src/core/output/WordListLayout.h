#pragma once
// What a lesson plan's word list pages and the word list tool's printout
// share: the three word list font sizes, the column a word goes to, the
// title line with the student's names, and how a homophone is recognised in
// a stored list.

#include <string>

#include "core/output/PrintLayer.h"

namespace moxlet {

// The font every printout uses; the Qt print layer draws it with the mark
// font.
inline const std::string kPrintFontName = "Quillory Print";
inline constexpr int kTitlePoints = 12;
// The date on a title line, and the right limit of the Visual section.
inline constexpr int kDateColumn = 90;

enum class ListFont { Small = 0, Medium = 1, Large = 2 };

struct WordListLayout {
    ListFont font = ListFont::Small;
    int points = 14;
    int columns = 4;
    int step = 22;  // word k goes to text column step * (k mod columns)
};

// By the font size combo's index: 0 Small, 1 Medium, anything else Large
// (an index out of range takes the last entry, as the option dialog does).
WordListLayout wordListLayout(int fontSize);

// "Ann Lee", or "Lee" when the first name is empty; stored bytes, trailing
// blanks removed.
std::string studentNames(const std::string& firstName, const std::string& lastName);

// A title line in 12-point bold: `lead` ("LESSON PLAN for "), the names in
// UTF-8 and, when date is not empty, the date at column 90 (the names kept
// clear of it); ends the line.  The caller sets the font before (12 point,
// bold) as the layouts do it.
void printTitleLine(PrintLayer& out, const std::string& lead, const std::string& names,
                    const std::string* date);

// Prints text at text column `column`, staying on the line, inside its cell:
// the cell ends a space's width before column `next`, or at the right
// margin when `next` is 0, and a text too wide for it is fitted (condensed)
// rather than run into the next cell.  Bold when asked, switched off again
// after; the cell is measured in the regular font, so a bold word takes no
// more room than a plain one.
void printInCell(PrintLayer& out, const std::string& text, int column, int next, bool bold = false);

// The room a text has before text column `next` of the current font: up to
// a space's width before it.
double roomBefore(const PrintLayer& out, int next);

// Prints word k of a list at its column, staying on the line, in bold when
// asked (bold is switched off again after it).
void printListWord(PrintLayer& out, const WordListLayout& layout, int k, const std::string& word, bool bold);

// Whether a stored list word carries the homophone mark: lists keep only the
// word's text, and a homophone generated while homophones are marked ends in
// " *" (a word too long for the mark has lost it and is not recognised).
bool hasHomophoneMark(const std::string& word);

}  // namespace moxlet
