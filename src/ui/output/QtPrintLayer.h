#pragma once
// The print layer on a QPrinter: a real printer, a PDF file or the preview.
//
// Units are twips (1/1440 inch) from the top left of the printable area.
// The layout was made for a printable area of 8 x 10.5 inches (a Letter page
// less a printer's quarter-inch margins): on a smaller area (A4, wide
// margins) the whole page is scaled down evenly, so the date column and the
// longest lists still fit; a larger area is not scaled up.
//
// Fonts: "Quillory Print" is drawn with the mark font (SIL Andika, see
// common/MarkFont), which draws the pronunciation marks.
//
// Text columns: a column is the average character width of the current font
// on the printer, taken as the classic average character: the width of the
// lowercase letters and the space weighted by how often they occur in
// English text.  (Qt's averageCharWidth() averages every glyph of the font;
// Andika's many wide accented capitals and symbols make that a fifth wider
// than its text, which would push column 90 off the paper.)
//
// Lines: a line is 1.15 em high, the height of a text font's line on the
// platform the layout was made for; a text that would not fit above the
// bottom margin starts a new page first, as a printer does.  A text that
// would run past the right edge (a 20-character word in the last column of
// the large font) is condensed to fit rather than cut.
//
// Failures throw PrintFailure with the number of the "Printer Error"
// message (see PrinterError.h).

#include <QFont>
#include <QPainter>
#include <map>

#include "core/output/PrintLayer.h"

class QPrinter;

namespace moxlet::ui {

class QtPrintLayer : public PrintLayer {
public:
    explicit QtPrintLayer(QPrinter& printer);
    ~QtPrintLayer() override;

    // Starts a document (a print job, or the PDF file).
    void begin();
    // Drops the document without ending it (after a failure).
    void abort();

    void setFontName(const std::string& name) override;
    void setFontSize(int points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void print(const std::string& text, LineEnd end) override;
    void toColumn(int n) override;
    double currentX() const override { return x_; }
    void setCurrentX(double x) override { x_ = x; }
    double textWidth(const std::string& text) const override;
    void newPage() override;
    void endDocument() override;

    // For checks: pages started so far (and how many of them because a page
    // was full), texts condensed to fit, and the
    // right end of the widest text drawn as a share of the printable width.
    int pages() const { return pages_; }
    int automaticPageBreaks() const { return automaticBreaks_; }
    int condensedTexts() const { return condensed_; }
    double widestShare() const { return pageWidth_ > 0 ? widest_ / pageWidth_ : 0; }

private:
    double em() const { return font_.pixelSize(); }
    double lineHeight() const { return 1.15 * em(); }
    double columnWidth() const;
    void startPageIfFull();
    void lineEnd() { x_ = 0, y_ += lineHeight(); }

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double pageWidth_ = 0;  // printable area in twips, after scaling
    double pageHeight_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool drawnOnPage_ = false;
    int pages_ = 0;
    int condensed_ = 0;
    int automaticBreaks_ = 0;
    double widest_ = 0;
    mutable std::map<std::pair<int, bool>, double> columnWidths_;
};

}  // namespace moxlet::ui
