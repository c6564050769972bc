#pragma once
// A print layer for tests that writes down every operation, one line each,
// so a printout can be compared with a committed expected file.  Its font is
// a model with fixed pitch: every character (combining marks excepted) is
// half an em wide, so columns, widths and line breaks come out the same on
// every machine.  Its page is the layout's design page (8 x 10.5 inches
// printable, a Letter sheet less quarter-inch margins) and its line 1.15 em
// high, as on paper, so a layout's fitting decisions show in the log.
// Measuring writes nothing down.
//
//   font "Quillory Print"      size 12      bold on      underline off
//   print "text"               text printed, staying on the line
//   print "text" / end line    text printed, then the line ended
//   print "text" fitted to 2400
//                              text wider than its room, condensed to fit
//   end line                   an empty line end
//   column 21                  advance to column 21 ("column 21, next line"
//                              when the position was already past it)
//   x = 1234                   the current position set (twips)
//   line spacing 0.93          the share of a line each line end moves down
//   new page      end document
//   status: ...                the status window's text (written by the test)

#include <sstream>
#include <string>

#include "core/output/PrintLayer.h"

namespace moxlet::test {

class RecordingPrintLayer : public PrintLayer {
public:
    void setFontName(const std::string& name) override { write() << "font \"" << name << "\"\n"; }
    void setFontSize(int points) override
    {
        points_ = points;
        write() << "size " << points << "\n";
    }
    void setBold(bool on) override { write() << "bold " << (on ? "on" : "off") << "\n"; }
    void setUnderline(bool on) override { write() << "underline " << (on ? "on" : "off") << "\n"; }

    void print(const std::string& text, LineEnd end) override { printFitted(text, kPageWidth, end); }
    void printFitted(const std::string& text, double width, LineEnd end) override
    {
        const double natural = textWidth(text);
        if (!text.empty()) {
            write() << "print \"" << text << "\"";
            if (natural > width) write() << " fitted to " << width;
            write() << (end == LineEnd::End ? " / end line" : "") << "\n";
            x_ += natural > width ? width : natural;
        } else if (end == LineEnd::End) {
            write() << "end line\n";
        }
        if (end == LineEnd::End) lineEnd();
    }

    void toColumn(int n) override
    {
        const double target = columnX(n);
        write() << "column " << n;
        if (x_ > target + 0.5) {
            write() << ", next line";
            lineEnd();
        }
        write() << "\n";
        x_ = target;
    }

    double currentX() const override { return x_; }
    void setCurrentX(double x) override
    {
        x_ = x;
        write() << "x = " << x << "\n";
    }
    double columnX(int n) const override { return (n < 1 ? 0 : n - 1) * charWidth(); }
    double pageWidth() const override { return kPageWidth; }
    double pageHeight() const override { return 10.5 * 1440; }
    void setLineSpacing(double share) override
    {
        spacing_ = share;
        write() << "line spacing " << share << "\n";
    }
    void beginMeasuring() override
    {
        measuring_ = true;
        measureX_ = x_;
        measureY_ = y_;
    }
    double endMeasuring() override
    {
        const double height = y_ - measureY_ + (x_ > 0 ? lineHeight() : 0);
        measuring_ = false;
        x_ = measureX_;
        y_ = measureY_;
        return height;
    }
    double textWidth(const std::string& text) const override
    {
        double w = 0;
        for (std::size_t i = 0; i < text.size();) {
            const auto c = static_cast<unsigned char>(text[i]);
            const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            // U+0300..U+036F (combining marks) are CC 80..CD AF in UTF-8.
            const bool combining =
                len == 2 && (c == 0xCC || (c == 0xCD && static_cast<unsigned char>(text[i + 1]) <= 0xAF));
            if (!combining) w += charWidth();
            i += len;
        }
        return w;
    }

    void newPage() override
    {
        x_ = y_ = 0;
        write() << "new page\n";
    }
    void endDocument() override
    {
        x_ = y_ = 0;
        write() << "end document\n";
    }

    // A line of the caller's in the log (the status window's texts).
    void note(const std::string& text) { log_ << text << "\n"; }
    std::string log() const { return log_.str(); }

private:
    static constexpr double kPageWidth = 8.0 * 1440;

    double charWidth() const { return points_ * 10.0; }  // half an em, in twips
    double lineHeight() const { return spacing_ * 1.15 * points_ * 20; }
    void lineEnd()
    {
        x_ = 0;
        y_ += lineHeight();
    }
    std::ostream& write() { return measuring_ ? discard_ : log_; }

    std::ostringstream log_;
    std::ostream discard_{nullptr};
    int points_ = 12;
    double spacing_ = 1;
    double x_ = 0;
    double y_ = 0;
    bool measuring_ = false;
    double measureX_ = 0;
    double measureY_ = 0;
};

}  // namespace moxlet::test
