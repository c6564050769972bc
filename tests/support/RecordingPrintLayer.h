#pragma once
// A print layer for tests that writes down every operation, one line each,
// so a printout can be compared with a committed expected file.  Its font is
// a model with fixed pitch: every character (combining marks excepted) is
// half an em wide, so columns, widths and line breaks come out the same on
// every machine.
//
//   font "Quillory Print"      size 12      bold on      underline off
//   print "text"               text printed, staying on the line
//   print "text" / end line    text printed, then the line ended
//   end line                   an empty line end
//   column 21                  advance to column 21 ("column 21, next line"
//                              when the position was already past it)
//   x = 1234                   the current position set (twips)
//   new page      end document
//   status: ...                the status window's text (written by the test)

#include <sstream>
#include <string>

#include "core/output/PrintLayer.h"

namespace moxlet::test {

class RecordingPrintLayer : public PrintLayer {
public:
    void setFontName(const std::string& name) override { log_ << "font \"" << name << "\"\n"; }
    void setFontSize(int points) override
    {
        points_ = points;
        log_ << "size " << points << "\n";
    }
    void setBold(bool on) override { log_ << "bold " << (on ? "on" : "off") << "\n"; }
    void setUnderline(bool on) override { log_ << "underline " << (on ? "on" : "off") << "\n"; }

    void print(const std::string& text, LineEnd end) override
    {
        if (!text.empty()) {
            log_ << "print \"" << text << "\"" << (end == LineEnd::End ? " / end line" : "") << "\n";
            x_ += textWidth(text);
        } else if (end == LineEnd::End) {
            log_ << "end line\n";
        }
        if (end == LineEnd::End) x_ = 0;
    }

    void toColumn(int n) override
    {
        const double target = (n < 1 ? 0 : n - 1) * charWidth();
        log_ << "column " << n;
        if (x_ > target + 0.5) log_ << ", next line";
        log_ << "\n";
        x_ = target;
    }

    double currentX() const override { return x_; }
    void setCurrentX(double x) override
    {
        x_ = x;
        log_ << "x = " << x << "\n";
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
        x_ = 0;
        log_ << "new page\n";
    }
    void endDocument() override
    {
        x_ = 0;
        log_ << "end document\n";
    }

    // A line of the caller's in the log (the status window's texts).
    void note(const std::string& text) { log_ << text << "\n"; }
    std::string log() const { return log_.str(); }

private:
    double charWidth() const { return points_ * 10.0; }  // half an em, in twips

    std::ostringstream log_;
    int points_ = 12;
    double x_ = 0;
};

}  // namespace moxlet::test
