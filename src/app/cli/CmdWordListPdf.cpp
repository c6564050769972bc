// moxlet-cli wordlist-pdf N OUT.pdf [DIR] --segments ID[,ID...] [--new]
// [--seed S] [--level everyday|common|wider] [--font small|medium|large] [--paper a4|letter]: the word list
// tool's sheet for profile N of the data folder DIR, printed into OUT.pdf
// through the program's own print layer as "&Print..." prints it to a file:
// the list generated as wordlist makes it, the grid filled as "Auto" fills
// it.  The font is the options' word list font unless --font says
// otherwise; the paper is the locale's unless --paper says otherwise.

#include <QPrinter>
#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliPdf.h"
#include "app/cli/CliWordList.h"
#include "app/cli/Command.h"
#include "core/wordlist/WordListPrintout.h"
#include "ui/output/PrintJob.h"
#include "ui/output/PrinterError.h"

namespace moxlet::cli {

namespace {

void runWordListPdf(const Args& args, CliContext& ctx)
{
    WordListRequest request;
    std::string fontName;
    std::string paperName;
    const auto positional =
        parseWordListArgs(args, request, {{"--font", &fontName}, {"--paper", &paperName}});
    const int font = fontName.empty()       ? -1
                     : fontName == "small"  ? 0
                     : fontName == "medium" ? 1
                     : fontName == "large"  ? 2
                                            : -2;
    const auto paper = paperNamed(paperName);
    // N OUT.pdf [DIR]: the output file aside, the list's own arguments.
    std::vector<std::string> rest = positional.value_or(std::vector<std::string>{});
    const std::string out = rest.size() > 1 ? rest[1] : std::string();
    if (rest.size() > 1) rest.erase(rest.begin() + 1);
    if (!positional || out.empty() || request.automatic || font == -2 || !paper ||
        !takeProfileAndFolder(rest, request))
        return ctx.usageError("one to five different segment ids, 0 to " + std::to_string(seg::Count - 1));
    const std::unique_ptr<WordListTool> tool = generateWordList(ctx, request);
    if (!tool) return;
    tool->selectAutomatically(*ctx.random);

    PdfApplication app;
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, ctx.path(out), *paper);
    const WordListSheet sheet =
        wordListSheet(*tool, font >= 0 ? font : request.fontSize, request.homophoneMode);
    const ui::PrintJob job{
        {}, {}, {}, [&](PrintLayer& layer, const ui::PrintStatusFn&) { printWordList(layer, sheet); }};
    if (const int failure = ui::printJobOn(printer, 1, job); failure != 0)
        return ctx.fail(1, ui::printerErrorText(failure));
    ctx.out << out << "\n";
}

const Command::Registration registration{
    "wordlist-pdf",
    "wordlist-pdf N OUT.pdf [DIR] --segments ID[,ID...] [--new] [--seed S] [--level everyday|common|wider] "
    "[--font small|medium|large] [--paper a4|letter]",
    "print the word list tool's sheet for profile N into a PDF file, its grid filled automatically",
    &runWordListPdf};

}  // namespace

}  // namespace moxlet::cli
