#include "core/output/PlanPrintout.h"

#include <algorithm>
#include <cmath>

#include "core/catalogue/Marks.h"
#include "core/shell/ProductInfo.h"

namespace moxlet {

namespace {

const std::string kBlankCell(11, '_');  // an empty segment cell, with the underline option
const std::string kBlankWord(15, '_');  // an empty spelling word cell

// Text columns of the plan page: segment cells (Auditory, Review, New) at
// 11 + 19 * cell, spelling words at 21 + 21 * column.
constexpr int kFirstCell = 11;
constexpr int kSegmentStep = 19;
constexpr int kFirstWord = 21;
constexpr int kWordStep = 21;

// A segment name, group title or meaning as printed: marks drawn.
std::string shown(const std::string& catalogueText) { return displayText(catalogueText); }
// A name, word or sentence the tutor or the word base gave: Windows-1252.
std::string typed(const std::string& stored) { return cp1252ToUtf8(stored); }

// List size and lists per page of a pass.
struct ListGeometry {
    int size;
    int perPage;
};
ListGeometry listGeometry(std::int16_t sizeOption, ListFont font)
{
    const bool forty = sizeOption == 1;
    switch (font) {
    case ListFont::Small: return forty ? ListGeometry{40, 2} : ListGeometry{24, 3};
    case ListFont::Medium: return forty ? ListGeometry{40, 1} : ListGeometry{24, 2};
    case ListFont::Large: return forty ? ListGeometry{39, 1} : ListGeometry{24, 1};
    }
    return {24, 1};
}

// The plan page always fits one sheet.  When it would run over, its lines
// are drawn closer, down to kTightestSpacing of their height (where one
// line's descenders still clear the next line's capitals), and only when
// that is not enough is every size on the page set a point smaller, as
// often as needed down to kSmallestBody for its body text.  (Any paper
// holds that: the print layer scales a page smaller than the layout's
// design page down as a whole.  Should one not, the lines are squeezed no
// closer than kLastResortSpacing and the printer starts a new sheet.)
constexpr double kTightestSpacing = 0.9;
constexpr int kSmallestBody = 6;
constexpr double kLastResortSpacing = 0.5;
constexpr int kSmallestPoints = 5;

}  // namespace

PlanPrintout::PlanPrintout(PrintLayer& out, const PlanOutput& output, StatusFn status)
    : out_(out), output_(output), status_(std::move(status))
{
}

void PlanPrintout::printCopy()
{
    sheet_ = planSheet(output_);
    listsPrinted_ = 0;
    const double spacing = fitPlanPage();
    if (spacing != 1) out_.setLineSpacing(spacing);
    planPage();
    if (spacing != 1) out_.setLineSpacing(1);
    step_ = 0;  // the word list pages keep their layout
    wordListPages();
    out_.endDocument();
}

double PlanPrintout::fitPlanPage()
{
    const double room = out_.pageHeight();
    for (step_ = 0;; ++step_) {
        out_.beginMeasuring();
        planPage();
        const double height = out_.endMeasuring();
        if (height <= room) return 1;
        // Line ends make the whole height, so it shrinks with the spacing.
        const double spacing = std::floor(100 * room / height) / 100;
        if (spacing >= kTightestSpacing) return spacing;
        if (12 - step_ <= kSmallestBody) return std::max(kLastResortSpacing, spacing);
    }
}

int PlanPrintout::points(int size) const { return std::max(kSmallestPoints, size - step_); }

void PlanPrintout::titleLine()
{
    out_.setFontSize(points(kTitlePoints));
    out_.setBold(true);
    out_.endLine();
    const std::string date = typed(sheet_.lessonDate);
    printTitleLine(out_, "LESSON PLAN for ", typed(sheet_.names), &date);
}

void PlanPrintout::sectionHeading(const char* text, LineEnd end)
{
    out_.setFontSize(points(12));
    // A heading followed by its first cell keeps a space clear of it.
    const double room = end == LineEnd::Stay ? roomBefore(out_, kFirstCell) : out_.pageWidth();
    out_.setBold(true);
    out_.printFitted(text, room, end);
    out_.setBold(false);
    out_.setFontSize(points(12));
}

void PlanPrintout::planPage()
{
    out_.setFontName(kPrintFontName);
    titleLine();
    // The Visual section wraps before the date column of the title line.
    out_.toColumn(kDateColumn);
    const double rightLimit = out_.currentX();
    out_.endLine();
    out_.setBold(false);
    if (visualSectionWanted(output_.options)) visualSection(rightLimit);
    auditory();
    slotRow("Review:", sheet_.review);
    spelling();
    slotRow("New:", sheet_.newSlots);
    sentences();
    footer();
}

void PlanPrintout::visualSection(double rightLimit)
{
    const VisualEntries entries = visualEntries(output_.plan.PlanStudiedSegments, output_.options);
    out_.setFontSize(points(12));
    const double headingRoom = roomBefore(out_, kFirstCell);
    out_.setBold(true);
    out_.printFitted("Visual:  ", headingRoom, LineEnd::Stay);
    out_.setBold(false);
    out_.toColumn(kFirstCell);
    const double indent = out_.currentX();
    out_.setFontSize(points(10));
    // An entry stays on the line when it, and the separator that ends the
    // line with it, end within the right limit; otherwise the line ends and
    // the entry starts the next one at the indent.
    const double separator = out_.textWidth(", ");
    auto breakUnlessFits = [&](double width) {
        if (out_.currentX() > indent && out_.currentX() + width > rightLimit) {
            out_.endLine();
            out_.setCurrentX(indent);
        }
    };
    // A separator after a group title ends the line before a break; the one
    // between the last title and the first name starts the next line.
    const auto& titles = entries.groupTitles;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string title = shown(titles[i]);
        if (i > 0) out_.printStaying(", ");
        breakUnlessFits(out_.textWidth(title) + (i + 1 < titles.size() ? separator : 0));
        out_.printStaying(title);
    }
    const auto& names = entries.segmentNames;
    for (std::size_t j = 0; j < names.size(); ++j) {
        const std::string name = shown(names[j]);
        const bool lead = j == 0 && !titles.empty();
        const bool more = j + 1 < names.size();
        breakUnlessFits((lead ? separator : 0) + out_.textWidth(name) + (more ? separator : 0));
        if (lead) out_.printStaying(", ");
        out_.printStaying(name);
        if (more) out_.printStaying(", ");
    }
    out_.endLine();
    out_.endLine();
}

void PlanPrintout::auditory()
{
    sectionHeading("Auditory:", LineEnd::Stay);
    bool lastEmpty = false;
    for (std::size_t row = 0; row < 2; ++row) {
        // Without underlines, a first row that ended early has no second row.
        if (row == 1 && !blanks() && lastEmpty) break;
        for (std::size_t column = 0; column < 5; ++column) {
            const std::string& cell = sheet_.auditory[row][column];
            lastEmpty = cell.empty();
            if (lastEmpty && !blanks()) break;
            const int at = kFirstCell + kSegmentStep * static_cast<int>(column);
            printInCell(out_, lastEmpty ? kBlankCell : shown(cell), at, column < 4 ? at + kSegmentStep : 0);
        }
        out_.endLine();
    }
    out_.endLine();
}

void PlanPrintout::slotRow(const char* label, const std::array<PlanSlot, 4>& slots)
{
    sectionHeading(label, LineEnd::Stay);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const bool empty = slots[i].name.empty();
        if (empty && !blanks()) break;
        const int at = kFirstCell + kSegmentStep * static_cast<int>(i);
        printInCell(out_, empty ? kBlankCell : shown(slots[i].name), at, i < 3 ? at + kSegmentStep : 0);
    }
    out_.endLine();
    out_.endLine();
}

void PlanPrintout::spelling()
{
    sectionHeading("Spelling Dictation:", LineEnd::End);
    const bool boldHomophones = output_.options.HomophoneMode == 2;
    for (std::size_t row = 0; row < sheet_.spelling.size(); ++row) {
        const std::string& segment = sheet_.spelling[row];
        if (segment.empty() && !blanks()) return;
        out_.printFitted(segment.empty() ? kBlankCell : shown(segment), roomBefore(out_, kFirstWord),
                         LineEnd::Stay);
        for (std::size_t column = 0; column < 4; ++column) {
            const std::string& cell = sheet_.spellWords[row][column];
            if (cell.empty() && !blanks()) break;
            const int at = kFirstWord + kWordStep * static_cast<int>(column);
            const int next = column < 3 ? at + kWordStep : 0;
            // Bold homophones are printed without their " *".
            const std::size_t star = cell.find('*');
            if (cell.empty())
                printInCell(out_, kBlankWord, at, next);
            else if (boldHomophones && star != std::string::npos)
                printInCell(out_, typed(cell.substr(0, star >= 1 ? star - 1 : 0)), at, next, true);
            else
                printInCell(out_, typed(cell), at, next);
        }
        out_.endLine();
        out_.endLine();
    }
}

void PlanPrintout::sentences()
{
    sectionHeading("Sentence Dictation and Vocal Reading:", LineEnd::End);
    for (const std::string& line : sheet_.sentences)
        if (!line.empty()) out_.print(typed(line), LineEnd::End);
    out_.endLine();
    out_.endLine();
}

void PlanPrintout::footer()
{
    out_.setFontSize(points(8));
    out_.print("Generated by Quillory Moxlet.  Visit us at " + std::string(webAddressAsPrinted()) + ".",
               LineEnd::End);
}

void PlanPrintout::wordListPages()
{
    const WordListLayout layout = wordListLayout(output_.fontSize);
    for (const ListPass& pass : listPasses(output_, sheet_)) {
        if (status_)
            status_(pass.list == PlanSection::Review ? "Preparing Review Word Segment Lists ..."
                                                     : "Preparing New Word Segment Lists ...");
        if (pass.list == PlanSection::New) switchFormFeedForNewPass(output_.options);
        const ListGeometry geometry = listGeometry(pass.sizeOption, layout.font);
        bool firstOfPass = true;
        for (int slot = 0; slot < 4; ++slot) {
            if ((*pass.slots)[static_cast<std::size_t>(slot)].empty) continue;
            // With the form feed option each pass starts on a page of its
            // own (also when its slot 0 is empty, so a list never shares the
            // plan page); otherwise the lists run on from one pass to the next.
            const bool pageStart = output_.options.PageBreak != 0
                                       ? firstOfPass || slot % geometry.perPage == 0
                                       : listsPrinted_ % geometry.perPage == 0;
            firstOfPass = false;
            if (pageStart) {
                out_.newPage();
                titleLine();
            }
            printList(pass, slot, geometry.size, layout);
        }
    }
}

void PlanPrintout::printList(const ListPass& pass, int slot, int size, const WordListLayout& layout)
{
    const PlanSlot& segment = (*pass.slots)[static_cast<std::size_t>(slot)];
    ++listsPrinted_;
    out_.setBold(false);
    out_.endLine();
    out_.setFontSize(14);
    out_.setUnderline(true);
    out_.printStaying(pass.heading);
    out_.printStaying(segmentKindLabel(segment.id));
    out_.setBold(true);
    out_.printStaying(shown(segment.name));
    out_.setBold(false);
    const std::string meaning = meaningSuffix(segment.id);
    if (!meaning.empty()) out_.printStaying(shown(meaning));
    out_.endLine();
    out_.setUnderline(false);
    out_.setFontSize(layout.points);
    if ((layout.font == ListFont::Medium && size == 40) || (layout.font == ListFont::Large && size == 24))
        out_.endLine();

    const bool boldHomophones = output_.options.HomophoneMode == 2;
    for (int k = 0; k < size; ++k) {
        const std::optional<std::string> word = listWord(output_.plan, pass.list, slot, k);
        if (!word) {
            // A short list keeps the room of its missing rows, less one.
            const int m = k + 1;
            if (m < size)
                for (int i = 0; i < (size - m - 1) / layout.columns; ++i) {
                    out_.endLine();
                    out_.endLine();
                }
            return;
        }
        printListWord(out_, layout, k, typed(*word), boldHomophones && hasHomophoneMark(*word));
        if ((k + 1) % layout.columns != 0) continue;
        // The last row of a page's last list needs no room after it.
        const bool lastOnPage =
            (layout.font == ListFont::Large && size == 39 && k >= 38) ||
            (layout.font == ListFont::Medium && size == 24 && (slot == 1 || slot == 3) && k >= 23);
        if (!lastOnPage) {
            out_.endLine();
            out_.endLine();
        }
    }
}

}  // namespace moxlet
