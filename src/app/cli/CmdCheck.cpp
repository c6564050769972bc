// moxlet-cli check [DIR]: reads every data file of a data directory (default:
// the current one) the way Moxlet does and prints one line per problem:
// damaged records, values out of range, plan files without a live profile,
// leftover temporary files, and any error a file routine would show.  Exit
// status 0 only when nothing was found; 1 when problems were found.

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/catalogue/Marks.h"
#include "core/shell/DataCheck.h"

namespace moxlet::cli {

namespace {

void runCheck(const Args& args, CliContext& ctx)
{
    if (args.size() > 1) return ctx.usageError();
    const FileContext* files = ctx.dataFolder(args.empty() ? "." : args[0]);
    if (!files) return;
    const DirectorySummary s = checkDataDirectory(*files);
    // The problems are this command's output, not its complaints.
    for (const auto& p : s.problems) ctx.out << cp1252ToUtf8(p.describe()) << '\n';
    for (const auto& t : ctx.prompt.texts) ctx.out << cp1252ToUtf8(t) << '\n';
    const std::size_t count = s.problems.size() + ctx.prompt.texts.size();
    ctx.prompt.texts.clear();
    ctx.err << s.liveProfiles << " live profile(s), " << s.planFiles << " plan file(s), " << s.plans
            << " plan(s); " << count << " problem(s)\n";
    ctx.status = count == 0 ? 0 : 1;
}

const Command::Registration registration{
    "check", "check [DIR]",
    "check a data directory (profiles, plan files, options); one line per problem, exit 0 when clean",
    &runCheck};

}  // namespace

}  // namespace moxlet::cli
