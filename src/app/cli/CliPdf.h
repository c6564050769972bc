#pragma once
// What the PDF commands (plan-pdf, wordlist-pdf) share: the paper --paper
// names, an application to print in, and a printer that writes a PDF file
// as "Print..." to a file does (quarter-inch margins, one copy).

#include <QApplication>
#include <QPageSize>
#include <filesystem>
#include <optional>
#include <string>

class QPrinter;

namespace moxlet::cli {

// "a4" or "letter"; empty (no --paper) is the locale's paper, as the print
// preview starts with; nothing for any other name.
std::optional<QPageSize::PageSizeId> paperNamed(const std::string& name);

// A Qt application while a PDF is printed: a test runs the command inside
// its own; without one, a fresh one on the offscreen platform unless a
// display is named.  The mark font is loaded either way.
class PdfApplication {
public:
    PdfApplication();

private:
    std::optional<QApplication> app_;
};

// Sets the printer to write `file` as a PDF on `paper`.
void setUpPdf(QPrinter& printer, const std::filesystem::path& file, QPageSize::PageSizeId paper);

}  // namespace moxlet::cli
