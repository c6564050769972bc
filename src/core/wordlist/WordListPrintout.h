#pragma once
// The word list tool's printout, a sheet to hand to a student: a title
// with the student's names, a heading naming the segments, and the grid's
// cells in rows at the word list font size.  It shares the lesson plan's
// word list layout (output/WordListLayout.h): the font, the three sizes and
// the columns a word goes to.
//
//   Small   14 point, 4 columns, column step 22, 40 cells
//   Medium  18 point, 3 columns, column step 23, 40 cells
//   Large   24 point, 3 columns, column step 18, 39 cells (the 40th never)
//
// Empty cells keep their place.  With the homophone option 2 a homophone
// from the list is printed bold (its text keeps the " *" it was listed
// with under options 1 and 2).

#include <string>
#include <vector>

#include "core/catalogue/SegmentSet.h"
#include "core/output/PrintLayer.h"

namespace moxlet {

struct GridWord {
    std::string text;        // stored bytes, as the cell shows it
    bool homophone = false;  // a homophone chosen from the list
};

struct WordListSheet {
    std::string firstName;  // the student's, as stored
    std::string lastName;
    bool newList = false;             // the list type of the generation
    std::vector<SegmentId> segments;  // named in the heading, in order
    std::vector<GridWord> cells;      // cell k = row k / 4, column k % 4; missing cells are empty
    int fontSize = 0;                 // 0 Small, 1 Medium, 2 Large
    int homophoneMode = 0;
};

class WordListTool;

// The sheet of the tool's grid: the student's names, the list type and
// segments of the last generation (before the first, those chosen), the
// cells with their homophone flags.
WordListSheet wordListSheet(const WordListTool& tool, int fontSize, int homophoneMode);

// One copy, ended with end-of-document.  The print layer's PrintFailure
// passes through.
void printWordList(PrintLayer& out, const WordListSheet& sheet);

// The number of cells a font size prints: 39 in Large, else 40.
int printedCells(int fontSize);

}  // namespace moxlet
