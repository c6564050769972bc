#pragma once
// The print layer on a QPrinter: a real printer, a PDF file or the preview.
//
// Units are twips (1/1440 inch) from the top left of the text area: the
// printable area less a twentyfourth of an inch each side, where the ink of
// a glyph that reaches past its advance still lands on paper.
// The layout was made for a printable area of 8 x 10.5 inches (a Letter page
// less a printer's quarter-inch margins): on a smaller area (A4, wide
// margins) the whole page is scaled down evenly, so the date column and the
// longest lists still fit; a larger area is not scaled up.
//
// Fonts: "Quillory Print" is drawn with the mark font (SIL Andika, see
// common/MarkFont), which draws the pronunciation marks, without ligatures
// so that a PDF's text holds every letter.
//
// Text columns: a column is the average character width of the current font
// on the printer, taken as the classic average character: the width of the
// lowercase letters and the space weighted by how often they occur in
// English text.  (Qt's averageCharWidth() averages every glyph of the font;
// Andika's many wide accented capitals and symbols make that a fifth wider
// than its text, which would push column 90 off the paper.)
//
// Lines: a line is 1.15 em high, the height of a text font's line on the
// platform the layout was made for, times the line spacing; the baseline
// sits a quarter em above the line's foot, so descenders stay inside it
// however tight the spacing.  A text that would not fit above the bottom
// margin starts a new page first, as a printer does (the plan page is
// measured so that this never splits it).
//
// Fitting: a text is kept inside its width (printFitted) and inside the
// right margin by condensing it down to kMostCondensed of its width and,
// when that is not enough, by setting it smaller as well; it is never cut.
//
// Failures throw PrintFailure with the number of the "Printer Error"
// message (see PrinterError.h).

#include <QFont>
#include <QPainter>
#include <map>
#include <vector>

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
    void printFitted(const std::string& text, double width, LineEnd end) override;
    void toColumn(int n) override;
    double currentX() const override { return x_; }
    void setCurrentX(double x) override
    {
        x_ = x;
        atColumn_ = true;
    }
    double textWidth(const std::string& text) const override;
    double columnX(int n) const override;
    double pageWidth() const override { return pageWidth_; }
    double pageHeight() const override { return pageHeight_; }
    void setLineSpacing(double share) override { spacing_ = share; }
    void beginMeasuring() override;
    double endMeasuring() override;
    void newPage() override;
    void endDocument() override;

    // For checks: pages started so far, and how many of them because a page
    // was full.
    int pages() const { return pages_; }
    int automaticPageBreaks() const { return automaticBreaks_; }

    // For checks: every text drawn, with the box its ink covers on its page
    // (in the text area's twips) and whether it was
    // printed at a column or position set for it rather than going on after
    // the text before it.  Kept only when asked for, as finding the ink
    // costs time.
    struct DrawnText {
        int page;
        QRectF box;
        QString text;
        bool atColumn;
    };
    void keepDrawnTexts() { keepDrawn_ = true; }
    const std::vector<DrawnText>& drawnTexts() const { return drawn_; }
    // The printable area in the boxes' coordinates.
    QRectF printableArea() const;

private:
    double em() const { return font_.pixelSize(); }
    double lineHeight() const { return spacing_ * 1.15 * em(); }
    double columnWidth() const;
    void startPageIfFull();
    void lineEnd() { x_ = 0, y_ += lineHeight(); }
    void draw(const QString& text, double width, double room);

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    double pageWidth_ = 0;  // printable area in twips, after scaling
    double pageHeight_ = 0;
    double x_ = 0;
    double y_ = 0;
    double spacing_ = 1;
    bool drawnOnPage_ = false;
    bool measuring_ = false;
    double measureX_ = 0;  // where measuring began
    double measureY_ = 0;
    int pages_ = 0;
    int automaticBreaks_ = 0;
    bool keepDrawn_ = false;
    bool atColumn_ = false;  // the next text starts at a column
    std::vector<DrawnText> drawn_;
    mutable std::map<std::pair<int, bool>, double> columnWidths_;
};

}  // namespace moxlet::ui
