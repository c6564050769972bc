#pragma once
// The print layer: the few operations a printed lesson plan or word list is
// written against.  The layouts (PlanPrintout, the word list printout) are
// written once, here in core, in text columns, point sizes and line ends;
// the Qt implementation (ui/output/QtPrintLayer) puts them on paper or into
// a PDF, and tests record them (tests/support/RecordingPrintLayer).
//
// Positions and widths are in twips (1/1440 inch) from the left margin.
// Text columns: column 1 is the left margin and a column is as wide as the
// average character of the current font; advancing to column n when the
// print position is already past it moves to column n of the next line;
// columns below 1 are column 1.
//
// Lines: a line end moves down by the height of the current font's line
// times the line spacing (1 unless set).  A layout that must fit a page
// measures first: between beginMeasuring() and endMeasuring() the
// operations move the print position exactly as they would, but nothing is
// drawn and no page is started.
//
// Texts are UTF-8, ready to draw: segment names with their pronunciation
// marks already mapped (catalogue/Marks.h), stored names and words converted
// from Windows-1252.  The font name is the layout's ("Quillory Print"); an
// implementation maps it to a font it has.
//
// An implementation reports a failure of the printer by throwing
// PrintFailure with the number the "Printer Error" message shows.

#include <stdexcept>
#include <string>

namespace moxlet {

enum class LineEnd { Stay, End };

class PrintFailure : public std::runtime_error {
public:
    explicit PrintFailure(int number, const std::string& what = "printer failure")
        : std::runtime_error(what), number_(number)
    {
    }
    int number() const { return number_; }

private:
    int number_;
};

class PrintLayer {
public:
    virtual ~PrintLayer() = default;

    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;

    // Prints text at the current position; Stay leaves the position just
    // after it, End moves to the start of the next line.
    virtual void print(const std::string& text, LineEnd end) = 0;
    // Advances to text column n (see above).
    virtual void toColumn(int n) = 0;

    // Prints text like print(), but no wider than `width`: a wider text is
    // condensed, and past a point also set smaller, to fit.  So a long word
    // stays inside its cell.
    virtual void printFitted(const std::string& text, double width, LineEnd end) = 0;

    virtual double currentX() const = 0;
    virtual void setCurrentX(double x) = 0;
    // The width of text in the current font.
    virtual double textWidth(const std::string& text) const = 0;
    // Where text column n of the current font starts.
    virtual double columnX(int n) const = 0;

    // The printable area, in twips.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    // A share of the font's own line height that each line end moves down.
    virtual void setLineSpacing(double share) = 0;

    virtual void beginMeasuring() = 0;
    // The height the operations since beginMeasuring() took (a line begun
    // and not ended counts whole); the print position is put back.
    virtual double endMeasuring() = 0;

    virtual void newPage() = 0;
    // Ends the document and sends it to the printer.
    virtual void endDocument() = 0;

    void endLine() { print({}, LineEnd::End); }
    void printStaying(const std::string& text) { print(text, LineEnd::Stay); }
};

}  // namespace moxlet
