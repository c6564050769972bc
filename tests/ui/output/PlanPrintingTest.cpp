// Printing a plan from its window: copies into one file, a failed write,
// the print dialog, and Copy through the clipboard seam.  (What the sheets
// look like: PrintedSheetsTest.)

#include "ui/output/PlanPrinting.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "UiFixture.h"
#include "support/GoldenFiles.h"
#include "support/ReferencePlans.h"
#include "ui/output/PrintStatus.h"
#include "ui/output/PrinterError.h"

using namespace moxlet;
using namespace moxlet::test;

// Copies into one file follow each other on new pages; a file that cannot
// be written ends in a printer error and no file.
TEST(PlanPrinting, CopiesFollowEachOtherInOneFileAndAFailedWriteIsAPrinterError)
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

    printer.setOutputFileName(temp.filePath("no/such/folder/plan.pdf"));
    const int failure = ui::printPlanOn(printer, 1, r.output());
    EXPECT_EQ(failure, ui::kFileNotWritable);
    EXPECT_FALSE(QFile::exists(temp.filePath("no/such/folder/plan.pdf")));
    EXPECT_EQ(ui::printerErrorText(failure), "Printer Error 75.");
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
    fx.printDialogs.answer = [&](QDialog& shown) { return printToPdf(shown, pdf); };
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
        // Runs while the status window lets events run.
        QTimer::singleShot(0, stays, [&] { disabledWhilePrinting = !stays->isEnabled(); });
        return printToPdf(shown, pdf);
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

// A printout starts on Letter where the locale measures in US customary
// units, on A4 elsewhere (the preview and moxlet-cli's PDFs).
TEST(PlanPrinting, ThePaperFollowsTheLocale)
{
    const QLocale before;
    for (const auto& [name, paper] : {std::pair{"en_US", QPageSize::Letter},
                                      std::pair{"en_GB", QPageSize::A4}, std::pair{"fr_CA", QPageSize::A4}}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        EXPECT_EQ(ui::localePaper(), paper) << name;
    }
    QLocale::setDefault(before);
}
