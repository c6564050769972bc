// moxlet-cli plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large]:
// prints plan RECORD of profile N into OUT.pdf through the program's own
// print layer, exactly as "Print..." prints it to a file, by the options of
// the data folder DIR (default: the current directory).  The word list font
// is the options' unless --font says otherwise.  No window is shown: without
// a display the command uses Qt's offscreen platform.

#include <QApplication>
#include <QPrinter>
#include <ostream>

#include "app/cli/CliPlan.h"
#include "app/cli/Command.h"
#include "ui/common/MarkFont.h"
#include "ui/output/PlanPrinting.h"
#include "ui/output/PrinterError.h"
#include "ui/shell/Program.h"

namespace moxlet::cli {

namespace {

int runPlanPdf(const Args& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> positional;
    int font = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--font" && i + 1 < args.size()) {
            const std::string& f = args[++i];
            font = f == "small" ? 0 : f == "medium" ? 1 : f == "large" ? 2 : -2;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() < 3 || positional.size() > 4 || font == -2) {
        err << "usage: moxlet-cli plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large]\n";
        return 2;
    }
    CliPlan loaded;
    if (int status = loadCliPlan(positional[0], positional[1], positional.size() > 3 ? positional[3] : ".",
                                 loaded, err))
        return status;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "moxlet-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ui::MarkFont::ensureLoaded(ui::installDataDir());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(positional[2]));
    Options& options = loaded.options.values;
    const PlanOutput output{loaded.session.student.FirstName.trimmed(),
                            loaded.session.student.LastName.trimmed(), loaded.session.plan, options,
                            font >= 0 ? font : options.FontSizeMode};
    const int failure = ui::printPlanOn(printer, 1, output);
    if (failure != 0) {
        err << ui::printerErrorText(failure) << "\n";
        return 1;
    }
    out << positional[2] << "\n";
    return 0;
}

const Command::Registration registration{
    "plan-pdf", "plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large]",
    "print plan RECORD of profile N into a PDF file as the program prints it, by the options of DIR",
    &runPlanPdf};

}  // namespace

}  // namespace moxlet::cli
