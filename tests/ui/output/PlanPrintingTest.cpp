// The printout on the Qt print layer, into PDF files: every reference plan
// prints with nothing past the paper's right edge and its word list pages
// as the layout breaks them (no list runs over a page).  The print dialog,
// a failed write, and Copy through the clipboard seam.
//
// To look at the printouts, keep the PDFs:
//   MOXLET_PRINTOUT_DIR=/tmp/printouts build/debug/bin/moxlet_ui_tests --gtest_filter='PlanPrinting*'
// then pdftoppm -png -r 60 /tmp/printouts/full.pdf /tmp/printouts/full

#include "ui/output/PlanPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "UiFixture.h"
#include "core/output/PlanPrintout.h"
#include "support/GoldenFiles.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"
#include "ui/output/PrintStatus.h"
#include "ui/output/PrinterError.h"
#include "ui/output/QtPrintLayer.h"

using namespace moxlet;
using namespace moxlet::test;

namespace {

QString outputFolder(const QTemporaryDir& temp)
{
    const QByteArray keep = qgetenv("MOXLET_PRINTOUT_DIR");
    if (keep.isEmpty()) return temp.path();
    QDir().mkpath(QString::fromLocal8Bit(keep));
    return QString::fromLocal8Bit(keep);
}

int explicitPages(ReferencePlan r)
{
    RecordingPrintLayer layer;
    PlanPrintout(layer, r.output()).printCopy();
    const std::string log = layer.log();
    int pages = 1;
    for (std::size_t at = log.find("new page"); at != std::string::npos; at = log.find("new page", at + 1))
        ++pages;
    return pages;
}

}  // namespace

TEST(PlanPrinting, EveryReferencePlanFitsItsPagesOnLetterAndA4)
{
    QTemporaryDir temp;
    const QString folder = outputFolder(temp);
    for (QPageSize::PageSizeId paper : {QPageSize::Letter, QPageSize::A4}) {
        for (ReferencePlan r : referencePlans()) {
            SCOPED_TRACE(r.name + (paper == QPageSize::A4 ? " on A4" : " on Letter"));
            const int expectedPages = explicitPages(r);
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPageSize(QPageSize(paper));
            printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
            const QString file =
                folder + "/" + QString::fromStdString(r.name) + (paper == QPageSize::A4 ? "-a4.pdf" : ".pdf");
            printer.setOutputFileName(file);
            ui::QtPrintLayer layer(printer);
            layer.begin();
            PlanPrintout(layer, r.output()).printCopy();
            EXPECT_TRUE(QFile::exists(file));
            EXPECT_LE(layer.widestShare(), 1.0);
            EXPECT_GE(layer.pages(), expectedPages);
            // Only a full plan page may run on to a second page; the word
            // list pages break where the layout breaks them.  In the large
            // font a 20-character word is wider than its column: the next
            // word goes to the next line, as the layout says, so its lists
            // may run over; a long word in the last column is condensed to
            // end at the edge rather than cut.
            if (r.fontSize != 2) {
                EXPECT_EQ(layer.condensedTexts(), 0);
                EXPECT_LE(layer.automaticPageBreaks(), 1);
                EXPECT_LE(layer.pages(), expectedPages + 1);
            }
        }
    }
}

TEST(PlanPrinting, CopiesIntoOneFileFollowEachOtherOnNewPages)
{
    QTemporaryDir temp;
    ReferencePlan r = fullReferencePlan();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp.filePath("two.pdf"));
    std::vector<QString> statuses;
    EXPECT_EQ(ui::printPlanOn(printer, 2, r.output(), [&](const QString& s) { statuses.push_back(s); }), 0);
    EXPECT_TRUE(QFile::exists(temp.filePath("two.pdf")));
    EXPECT_EQ(statuses, (std::vector<QString>{"Preparing Review Word Segment Lists ...",
                                              "Preparing New Word Segment Lists ...",
                                              "Preparing Review Word Segment Lists ...",
                                              "Preparing New Word Segment Lists ..."}));
}

TEST(PlanPrinting, AFileThatCannotBeWrittenEndsInAPrinterErrorAndNoFile)
{
    QTemporaryDir temp;
    ReferencePlan r = fullReferencePlan();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temp.filePath("no/such/folder/plan.pdf"));
    const int failure = ui::printPlanOn(printer, 1, r.output());
    EXPECT_EQ(failure, ui::kFileNotWritable);
    EXPECT_EQ(ui::printerErrorText(failure), "Printer Error 75.");
    EXPECT_FALSE(QFile::exists(temp.filePath("no/such/folder/plan.pdf")));
}

TEST(PlanPrinting, PrinterErrorMessagesByNumber)
{
    EXPECT_EQ(ui::printerErrorText(484).rfind(
                  "Printer Error484.  The current printer is not properly installed", 0),
              0u);
    EXPECT_EQ(
        ui::printerErrorText(482).rfind("Printer Error482.  Printer Error.  If using a network printer", 0),
        0u);
    EXPECT_EQ(ui::printerErrorText(7), "Printer Error 7.");
}

// The window that asked for a printout may go while the status window
// lets events run (a close already under way): the printout is still made
// and nothing the window owned is freed twice.  Meanwhile the window takes
// no input.
TEST(PlanPrinting, TheAskingWindowMayGoWhileThePrintoutIsMade)
{
    UiFixture fx;
    fx.start();
    ReferencePlan r = fullReferencePlan();
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("plan.pdf"));

    // Print clicked from an event (as a button is), with the window's
    // deletion already posted from outside any event: the first events the
    // printout lets run delete it.
    const auto fromAnEvent = [](const std::function<void()>& click) {
        bool done = false;
        QTimer::singleShot(0, [&] {
            click();
            done = true;
        });
        while (!done) QApplication::processEvents();
    };
    QPointer<QWidget> owner = new QWidget(fx.main.get(), Qt::Window);
    owner->show();
    bool disabledWhilePrinting = false;
    fx.printDialogs.answer = [&](QDialog& shown) {
        auto* dialog = qobject_cast<QPrintDialog*>(&shown);
        if (!dialog) return false;
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        return true;
    };
    owner->deleteLater();
    fromAnEvent([&] { ui::printPlan(owner, fx.services, r.output()); });
    EXPECT_TRUE(owner.isNull());
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_TRUE(fx.prompt.shown().empty());

    // A window that stays is disabled while its printout is made, and
    // enabled again after.
    QPointer<QWidget> stays = new QWidget(fx.main.get(), Qt::Window);
    stays->show();
    fx.printDialogs.answer = [&](QDialog& shown) {
        auto* dialog = qobject_cast<QPrintDialog*>(&shown);
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        // Runs while the status window lets events run.
        QTimer::singleShot(0, stays, [&] { disabledWhilePrinting = !stays->isEnabled(); });
        return true;
    };
    ui::printPlan(stays, fx.services, r.output());
    EXPECT_TRUE(disabledWhilePrinting);
    EXPECT_TRUE(stays->isEnabled());

    // The preview too.
    fx.printDialogs.answer = nullptr;
    stays->deleteLater();
    fromAnEvent([&] { ui::previewPlan(stays, fx.services, r.output()); });
    EXPECT_TRUE(stays.isNull());
}

// The dialog offers copies and printing to a file, no selection and no page
// ranges; cancelling it prints nothing and says nothing.
TEST(PlanPrinting, TheCancelledPrintDialogEndsQuietly)
{
    UiFixture fx;
    fx.start();
    ReferencePlan r = fullReferencePlan();
    bool seen = false;
    fx.printDialogs.answer = [&](QDialog& shown) {
        auto* dialog = qobject_cast<QPrintDialog*>(&shown);
        EXPECT_NE(dialog, nullptr);
        if (!dialog) return false;
        seen = true;
        EXPECT_EQ(dialog->windowTitle(), "Print Lesson Plan");
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintCurrentPage));
        return false;  // cancelled
    };
    ui::printPlan(fx.main.get(), fx.services, r.output());
    EXPECT_TRUE(seen);
    EXPECT_TRUE(fx.prompt.shown().empty());
    EXPECT_EQ(fx.window<ui::PrintStatus>(), nullptr);
}

TEST(PlanPrinting, CopyPutsThePlanTextOnTheClipboard)
{
    UiFixture fx;
    ReferencePlan r = fullReferencePlan();
    ui::copyPlan(fx.services, r.output());
    EXPECT_EQ(fx.clipboard.text.toStdString(),
              test::GoldenFiles(MOXLET_TEST_DATA_DIR "/plan-output").read("full", "copy.txt"));
    EXPECT_TRUE(fx.clipboard.text.contains(QString::fromUtf8("A (ă)\tCH (k)")));
}
