#pragma once
// One way to print for every printout (the lesson plan, the word list):
// the print dialog with copies, the status window while it prints, the
// preview, and the one "Printer Error" message when the printer fails.  A
// PrintJob says what is printed; the layouts stay in core.
//
// The dialog offers copies, no selection and no page ranges, and keeps
// "Print to File (PDF)": on this platform it is how a tutor without a
// configured printer gets a printable file, where the original platform's
// dialog hid it.  On a printer each copy is a document of its own; copies
// printed to one file follow one another in it (each starting on a new
// page), as separate files would overwrite each other.  A cancelled dialog
// ends quietly; a failure while printing ends in one "Printer Error"
// message (see PrinterError.h), never with a half-sent job.

#include <QPageSize>
#include <QString>
#include <functional>

#include "core/output/PrintLayer.h"
#include "ui/common/Services.h"

class QPrinter;
class QWidget;

namespace moxlet::ui {

// Tells the status window what is being prepared.
using PrintStatusFn = std::function<void(const QString&)>;

struct PrintJob {
    QString dialogTitle;   // "Print Lesson Plan"
    QString previewTitle;  // "Lesson Plan Preview"
    QString statusText;    // the status window's first text
    // Prints one copy, ending it with end-of-document; may tell the status
    // window more as it goes (the function it is given may be empty).
    std::function<void(PrintLayer&, const PrintStatusFn&)> printCopy;
};

// Prints `copies` copies on a printer already set up, without a dialog.
// Returns 0, or the number of the "Printer Error" message on a failure,
// after which nothing more is sent (a PDF file is removed).
int printJobOn(QPrinter& printer, int copies, const PrintJob& job, const PrintStatusFn& status = {});

// The paper a printout starts on when nothing else says: Letter where the
// locale measures in US customary units, A4 elsewhere.
QPageSize::PageSizeId localePaper();

// The print dialog, then the copies with the status window shown.
void printWithDialog(QWidget* parent, Services& services, const PrintJob& job);
// The printout in a preview window, on the locale's paper, from which it can
// also be printed.
void previewJob(QWidget* parent, Services& services, const PrintJob& job);

}  // namespace moxlet::ui
