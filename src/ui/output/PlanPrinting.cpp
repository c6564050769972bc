#include "output/PlanPrinting.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "common/DataFiles.h"
#include "output/PlanPrintout.h"
#include "output/PlanText.h"
#include "output/PrintStatus.h"
#include "output/PrinterError.h"
#include "output/QtPrintLayer.h"

namespace moxlet::ui {

namespace {

// Copies printed into one file: each copy's end of document starts the
// next copy's first page instead, and only the last one ends the file.
class CopiesInOneDocument : public PrintLayer {
public:
    CopiesInOneDocument(PrintLayer& inner, int copies) : inner_(inner), remaining_(copies) {}
    void setFontName(const std::string& name) override { inner_.setFontName(name); }
    void setFontSize(int points) override { inner_.setFontSize(points); }
    void setBold(bool on) override { inner_.setBold(on); }
    void setUnderline(bool on) override { inner_.setUnderline(on); }
    void print(const std::string& text, LineEnd end) override { inner_.print(text, end); }
    void toColumn(int n) override { inner_.toColumn(n); }
    double currentX() const override { return inner_.currentX(); }
    void setCurrentX(double x) override { inner_.setCurrentX(x); }
    double textWidth(const std::string& text) const override { return inner_.textWidth(text); }
    void newPage() override { inner_.newPage(); }
    void endDocument() override
    {
        if (--remaining_ > 0)
            inner_.newPage();
        else
            inner_.endDocument();
    }

private:
    PrintLayer& inner_;
    int remaining_;
};

void reportFailure(Services& services, int failure)
{
    if (failure != 0)
        services.prompt.message(printerErrorText(failure), "Printer Error", Icon::Information, Buttons::Ok);
}

}  // namespace

int printPlanOn(QPrinter& printer, int copies, const PlanOutput& output, const PrintStatusFn& status)
{
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile) {
        // A PDF is printed later on some printer: keep clear of the quarter
        // inch most printers cannot reach.
        printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    }
    printer.setCopyCount(1);
    copies = std::max(1, copies);
    auto say = [&](const std::string& text) {
        if (status) status(QString::fromStdString(text));
    };
    QtPrintLayer layer(printer);
    try {
        if (toFile) {
            CopiesInOneDocument copiesLayer(layer, copies);
            layer.begin();
            for (int copy = 0; copy < copies; ++copy) PlanPrintout(copiesLayer, output, say).printCopy();
        } else {
            for (int copy = 0; copy < copies; ++copy) {
                layer.begin();
                PlanPrintout(layer, output, say).printCopy();
            }
        }
    } catch (const PrintFailure& failure) {
        layer.abort();
        if (toFile && !printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
        return failure.number();
    }
    return 0;
}

void printPlan(QWidget* parent, Services& services, const PlanOutput& output)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Lesson Plan"));
    // Copies, no selection and no page ranges; printing to a file stays
    // available (see PlanPrinting.h).
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) return;
    const int copies = printer.copyCount();

    int failure = 0;
    {
        WaitCursor wait;
        PrintStatus statusWindow(parent);
        statusWindow.say(QStringLiteral("Preparing Lesson Plan..."));
        failure = printPlanOn(printer, copies, output, [&](const QString& text) { statusWindow.say(text); });
    }
    reportFailure(services, failure);
}

void previewPlan(QWidget* parent, Services& services, const PlanOutput& output)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Lesson Plan Preview"));
    int failure = 0;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        WaitCursor wait;
        failure = printPlanOn(*target, target->copyCount(), output);
    });
    preview.exec();
    reportFailure(services, failure);
}

void copyPlan(Services& services, const PlanOutput& output)
{
    WaitCursor wait;
    const std::string text = planText(output);
    services.clipboard.clear();
    services.clipboard.setText(QString::fromStdString(text));
}

}  // namespace moxlet::ui
