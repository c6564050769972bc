#pragma once
// Printing, previewing and copying a lesson plan: the plan window's
// "&Print...", "Print Pre&view..." and "&Copy Plan" call these with what it
// shows (a PlanOutput: the student's names, its plan record, the options in
// force and its word list font size).
//
// printPlan shows the print dialog ("Print Lesson Plan": copies, no
// selection, no page ranges), then prints each copy as a document of its
// own while the status window says what is being prepared.  The dialog keeps
// "Print to File (PDF)": on this platform it is how a tutor without a
// configured printer gets a printable file, where the original platform's
// dialog hid it.  Copies printed to one file follow one another in it (each
// starting on a new page), as separate files would overwrite each other.
// A cancelled dialog ends quietly; a failure while printing ends in one
// "Printer Error" message (see PrinterError.h), never with a half-sent job.

#include <QString>
#include <functional>

#include "common/Services.h"
#include "output/PlanOutput.h"

class QPrinter;
class QWidget;

namespace moxlet::ui {

void printPlan(QWidget* parent, Services& services, const PlanOutput& output);
// The same printout in a preview window, from which it can also be printed.
void previewPlan(QWidget* parent, Services& services, const PlanOutput& output);
// Puts the plan's text on the clipboard.
void copyPlan(Services& services, const PlanOutput& output);

// Prints `copies` copies of the plan on a printer already set up, without a
// dialog; status (may be empty) is told what is being prepared.  Returns 0,
// or the number of the "Printer Error" message on a failure, after which
// nothing more is sent (a PDF file is removed).
using PrintStatusFn = std::function<void(const QString&)>;
int printPlanOn(QPrinter& printer, int copies, const PlanOutput& output, const PrintStatusFn& status = {});

}  // namespace moxlet::ui
