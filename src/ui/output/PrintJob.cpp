#include "ui/output/PrintJob.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/common/DataFiles.h"
#include "ui/output/PrintStatus.h"
#include "ui/output/PrinterError.h"
#include "ui/output/QtPrintLayer.h"

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
    void printFitted(const std::string& text, double width, LineEnd end) override
    {
        inner_.printFitted(text, width, end);
    }
    void toColumn(int n) override { inner_.toColumn(n); }
    double currentX() const override { return inner_.currentX(); }
    void setCurrentX(double x) override { inner_.setCurrentX(x); }
    double textWidth(const std::string& text) const override { return inner_.textWidth(text); }
    double columnX(int n) const override { return inner_.columnX(n); }
    double pageWidth() const override { return inner_.pageWidth(); }
    double pageHeight() const override { return inner_.pageHeight(); }
    void setLineSpacing(double share) override { inner_.setLineSpacing(share); }
    void beginMeasuring() override { inner_.beginMeasuring(); }
    double endMeasuring() override { return inner_.endMeasuring(); }
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

int printJobOn(QPrinter& printer, int copies, const PrintJob& job, const PrintStatusFn& status)
{
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile) {
        // A PDF is printed later on some printer: keep clear of the quarter
        // inch most printers cannot reach.
        printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    }
    printer.setCopyCount(1);
    copies = std::max(1, copies);
    QtPrintLayer layer(printer);
    try {
        if (toFile) {
            CopiesInOneDocument copiesLayer(layer, copies);
            layer.begin();
            for (int copy = 0; copy < copies; ++copy) job.printCopy(copiesLayer, status);
        } else {
            for (int copy = 0; copy < copies; ++copy) {
                layer.begin();
                job.printCopy(layer, status);
            }
        }
    } catch (const PrintFailure& failure) {
        layer.abort();
        if (toFile && !printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
        return failure.number();
    }
    return 0;
}

// The window that asked for a printout may go while events run (the
// status window lets them run, as a close already under way may finish):
// nothing made here is owned by it on the stack, and everything it owns is
// reached through a QPointer.  Meanwhile it takes no input, so a second
// Print or an Exit waits until the printout is made.
class BusyWindow {
public:
    explicit BusyWindow(QWidget* window) : window_(window), focus_(QApplication::focusWidget())
    {
        if (window_ && window_->isEnabled())
            window_->setEnabled(false);
        else
            window_ = nullptr;
    }
    ~BusyWindow()
    {
        if (!window_) return;
        window_->setEnabled(true);
        if (focus_) focus_->setFocus();
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

QPageSize::PageSizeId localePaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

void printWithDialog(QWidget* parent, Services& services, const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    int copies = 1;
    {
        QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
        dialog->setWindowTitle(job.dialogTitle);
        dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        const bool accepted = services.printDialogs.exec(*dialog);
        delete dialog.data();
        if (!accepted) return;
        copies = printer.copyCount();
    }

    int failure = 0;
    {
        WaitCursor wait;
        BusyWindow busy(parent);
        QPointer<PrintStatus> statusWindow = new PrintStatus(parent);
        const auto say = [&statusWindow](const QString& text) {
            if (statusWindow) statusWindow->say(text);
        };
        say(job.statusText);
        failure = printJobOn(printer, copies, job, say);
        delete statusWindow.data();
    }
    reportFailure(services, failure);
}

void previewJob(QWidget* parent, Services& services, const PrintJob& job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localePaper()));
    QPointer<QPrintPreviewDialog> preview = new QPrintPreviewDialog(&printer, parent);
    preview->setWindowTitle(job.previewTitle);
    int failure = 0;
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [&](QPrinter* target) {
        WaitCursor wait;
        failure = printJobOn(*target, target->copyCount(), job);
    });
    services.printDialogs.exec(*preview);
    delete preview.data();
    reportFailure(services, failure);
}

}  // namespace moxlet::ui
