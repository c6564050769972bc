// moxlet-cli plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large]
// [--paper a4|letter]: prints plan RECORD of profile N into OUT.pdf through
// the program's own print layer, exactly as "Print..." prints it to a file,
// by the options of the data folder DIR (default: the current directory).
// The word list font is the options' unless --font says otherwise; the
// paper is the locale's (Letter where it measures in US units, else A4)
// unless --paper says otherwise.  No window is shown: without a display the
// command uses Qt's offscreen platform.

#include <QPrinter>
#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliPdf.h"
#include "app/cli/CliPlan.h"
#include "app/cli/Command.h"
#include "ui/output/PlanPrinting.h"
#include "ui/output/PrinterError.h"

namespace moxlet::cli {

namespace {

void runPlanPdf(const Args& args, CliContext& ctx)
{
    std::vector<std::string> positional;
    int font = -1;
    std::string paperName;
    bool wrong = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--font" && i + 1 < args.size()) {
            const std::string& f = args[++i];
            font = f == "small" ? 0 : f == "medium" ? 1 : f == "large" ? 2 : -2;
        } else if (args[i] == "--paper" && i + 1 < args.size() && !args[i + 1].empty()) {
            paperName = args[++i];
        } else if (args[i].starts_with("--")) {
            wrong = true;
        } else {
            positional.push_back(args[i]);
        }
    }
    const auto paper = paperNamed(paperName);
    if (positional.size() < 3 || positional.size() > 4 || font == -2 || wrong || !paper)
        return ctx.usageError();
    const std::string dir = positional.size() > 3 ? positional[3] : ".";
    const auto plan = loadCliPlan(ctx, positional[0], positional[1], dir);
    if (!plan) return;
    Options options = loadCliOptions(ctx, dir).values;

    PdfApplication app;
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, ctx.path(positional[2]), *paper);
    const PlanOutput output{plan->student.FirstName.trimmed(), plan->student.LastName.trimmed(), plan->plan,
                            options, font >= 0 ? font : options.FontSizeMode};
    if (const int failure = ui::printPlanOn(printer, 1, output); failure != 0)
        return ctx.fail(1, ui::printerErrorText(failure));
    ctx.out << positional[2] << "\n";
}

const Command::Registration registration{
    "plan-pdf", "plan-pdf N RECORD OUT.pdf [DIR] [--font small|medium|large] [--paper a4|letter]",
    "print plan RECORD of profile N into a PDF file as the program prints it, by the options of DIR",
    &runPlanPdf};

}  // namespace

}  // namespace moxlet::cli
