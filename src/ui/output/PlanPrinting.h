#pragma once
// Printing, previewing and copying a lesson plan: the plan window's
// "&Print...", "Print Pre&view..." and "&Copy Plan" call these with what it
// shows (a PlanOutput: the student's names, its plan record, the options in
// force and its word list font size).
//
// They print through the one print flow of output/PrintJob.h: the print
// dialog ("Print Lesson Plan"), the status window ("Preparing Lesson
// Plan..." and each pass of word lists), copies, the preview and the
// "Printer Error" message.

#include "core/output/PlanOutput.h"
#include "ui/common/Services.h"
#include "ui/output/PrintJob.h"

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
int printPlanOn(QPrinter& printer, int copies, const PlanOutput& output, const PrintStatusFn& status = {});

}  // namespace moxlet::ui
