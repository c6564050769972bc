#pragma once
// How the print system's failures reach the tutor: one "Printer Error"
// message whose number says what went wrong.  Qt reports failures, not
// numbers, so each failure is given the number of the message a tutor
// knows:
//
//   failure                                                      number
//   the chosen printer is not installed (no longer known to the
//     printing system when the job begins)                          484
//   the printer refuses the job: painting cannot begin, a page
//     cannot be started, or the printing system reports an error   482
//   the PDF file cannot be created or written                        75
//
// A cancelled print dialog is no failure: printing ends quietly.

#include <string>

class QPrinter;

namespace moxlet::ui {

enum PrinterErrorNumber : int {
    kFileNotWritable = 75,
    kPrinterFault = 482,
    kPrinterNotInstalled = 484,
};

// The number for a document that could not begin on printer.
int beginFailureNumber(const QPrinter& printer);

// The message of the "Printer Error" box for number n.
std::string printerErrorText(int n);

}  // namespace moxlet::ui
