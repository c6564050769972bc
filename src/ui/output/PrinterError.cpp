#include "ui/output/PrinterError.h"

#include <QPrinter>

namespace moxlet::ui {

int beginFailureNumber(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) return kFileNotWritable;
    return printer.isValid() ? kPrinterFault : kPrinterNotInstalled;
}

std::string printerErrorText(int n)
{
    const std::string number = std::to_string(n);
    switch (n) {
    case kPrinterFault:
        return "Printer Error" + number +
               ".  Printer Error.  If using a network printer, try this:  Exit Moxlet, open the printer "
               "settings of your desktop (or the printing system's page, http://localhost:631), make sure "
               "the default printer is enabled and accepting jobs, reenter Moxlet and try again.";
    case kPrinterNotInstalled:
        return "Printer Error" + number +
               ".  The current printer is not properly installed in the printing system (CUPS).";
    default: return "Printer Error " + number + ".";
    }
}

}  // namespace moxlet::ui
