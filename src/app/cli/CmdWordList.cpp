// moxlet-cli wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]
// [--level everyday|common|wider]:
// the word list tool's list for profile N of the data folder DIR (default:
// the current directory), over up to five segments (ids 0..331) from the
// student's Review list, or with --new from the New list.  Prints the
// generated list, one word a line, sorted and each word once, with " *"
// after a homophone when the folder's homophone option is 1 or 2; with
// --auto then an empty line and the words automatic selection puts into the
// grid, in cell order.  Random choices (the thinning of long runs, the
// start of the selection) come from the clock, or repeatably from --seed.
// Words are offered up to the folder's word level option, or --level.
// Segments that give no words are explained on standard error.  The word
// base is DIR's when it holds one, else the installed one.

#include <memory>
#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliWordList.h"
#include "app/cli/Command.h"
#include "core/catalogue/Marks.h"

namespace moxlet::cli {

namespace {

void runWordList(const Args& args, CliContext& ctx)
{
    WordListRequest request;
    const auto positional = parseWordListArgs(args, request, {});
    if (!positional || !takeProfileAndFolder(*positional, request))
        return ctx.usageError("one to five different segment ids, 0 to " + std::to_string(seg::Count - 1));
    const std::unique_ptr<WordListTool> tool = generateWordList(ctx, request);
    if (!tool) return;
    for (const ListedWord& w : tool->words()) ctx.out << cp1252ToUtf8(w.text) << '\n';
    if (request.automatic) {
        tool->selectAutomatically(*ctx.random);
        ctx.out << '\n';
        for (const WordCell& c : tool->grid().cells())
            if (c.tag != kCellEmpty) ctx.out << cp1252ToUtf8(c.text) << '\n';
    }
}

const Command::Registration registration{
    "wordlist",
    "wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S] [--level everyday|common|wider]",
    "the word list tool's list for profile N over up to five segments; --auto adds the 40 chosen words",
    &runWordList};

}  // namespace

}  // namespace moxlet::cli
