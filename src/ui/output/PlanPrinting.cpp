#include "ui/output/PlanPrinting.h"

#include "core/output/PlanPrintout.h"
#include "core/output/PlanText.h"
#include "ui/common/DataFiles.h"
#include "ui/output/PrintJob.h"

namespace moxlet::ui {

namespace {

PrintJob planJob(const PlanOutput& output)
{
    return {QStringLiteral("Print Lesson Plan"), QStringLiteral("Lesson Plan Preview"),
            QStringLiteral("Preparing Lesson Plan..."),
            [&output](PrintLayer& layer, const PrintStatusFn& status) {
                PlanPrintout(layer, output, [&](const std::string& text) {
                    if (status) status(QString::fromStdString(text));
                }).printCopy();
            }};
}

}  // namespace

int printPlanOn(QPrinter& printer, int copies, const PlanOutput& output, const PrintStatusFn& status)
{
    return printJobOn(printer, copies, planJob(output), status);
}

void printPlan(QWidget* parent, Services& services, const PlanOutput& output)
{
    printWithDialog(parent, services, planJob(output));
}

void previewPlan(QWidget* parent, Services& services, const PlanOutput& output)
{
    previewJob(parent, services, planJob(output));
}

void copyPlan(Services& services, const PlanOutput& output)
{
    WaitCursor wait;
    const std::string text = planText(output);
    services.clipboard.clear();
    services.clipboard.setText(QString::fromStdString(text));
}

}  // namespace moxlet::ui
