#pragma once
// The printed lesson plan: one plan page (title line, Visual, Auditory,
// Review, Spelling Dictation, New, Sentence Dictation and Vocal Reading,
// footer) followed by the word list pages, one list for each Review and
// each New segment, several lists to a page.  Written against the print
// layer in text columns, point sizes and line ends, so the paper, the PDF
// and the tests' recording all follow the same layout.
//
// The print options decide which parts appear, the list sizes, page breaks
// and underlines for blank selections; the plan window's word list font size
// decides how the lists are laid out.
//
// The plan page is measured before it is printed and always fits one sheet
// (see fitPlanPage); nothing on it runs into the next cell or past the
// margin: a text too long for its cell is fitted into it, and a heading
// keeps a space clear of the cell after it.

#include <functional>
#include <string>

#include "core/output/PlanOutput.h"
#include "core/output/PrintLayer.h"
#include "core/output/WordListLayout.h"

namespace moxlet {

class PlanPrintout {
public:
    // Called with "Preparing Review Word Segment Lists ..." and the New
    // twin as each pass of word lists begins, for the status window.
    using StatusFn = std::function<void(const std::string&)>;

    PlanPrintout(PrintLayer& out, const PlanOutput& output, StatusFn status = {});

    // One copy: the whole document, ended with end-of-document.  The print
    // layer's PrintFailure passes through.
    void printCopy();

private:
    // Measures the plan page and decides how it fits one sheet: returns the
    // line spacing and leaves step_ at the points every size is set smaller.
    double fitPlanPage();
    int points(int size) const;  // a plan page size, stepped down
    void planPage();
    void titleLine();
    void visualSection(double rightLimit);
    void auditory();
    void slotRow(const char* label, const std::array<PlanSlot, 4>& slots);
    void spelling();
    void sentences();
    void footer();
    void wordListPages();
    void printList(const ListPass& pass, int slot, int size, const WordListLayout& layout);
    void sectionHeading(const char* text, LineEnd end);
    bool blanks() const { return output_.options.BlankLines == 1; }

    PrintLayer& out_;
    const PlanOutput& output_;
    StatusFn status_;
    PlanSheet sheet_;
    int listsPrinted_ = 0;
    int step_ = 0;
};

}  // namespace moxlet
