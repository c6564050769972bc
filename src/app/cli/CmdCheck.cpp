// moxlet-cli check [DIR]: reads every data file of a data directory (default:
// the current one) the way Moxlet does and prints one line per problem:
// damaged records, values out of range, plan files without a live profile,
// leftover temporary files, and any error a file routine would show.  Exit
// status 0 only when nothing was found; 1 when problems were found.

#include <ostream>

#include "app/cli/Command.h"
#include "app/cli/DataDirPrompt.h"
#include "core/catalogue/Marks.h"
#include "core/shell/DataCheck.h"
#include "core/store/DiskFileSystem.h"

namespace moxlet::cli {

namespace {

int runCheck(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "usage: moxlet-cli check [DIR]\n";
        return 2;
    }
    DiskFileSystem fs(args.empty() ? "." : args[0]);
    CollectingPrompt prompt;
    SeededRandom random(1);  // nothing is written
    FileContext ctx{fs, prompt, random};
    DirectorySummary s = checkDataDirectory(ctx);
    for (const auto& p : s.problems) out << cp1252ToUtf8(p.describe()) << '\n';
    for (const auto& t : prompt.texts) out << cp1252ToUtf8(t) << '\n';
    std::size_t count = s.problems.size() + prompt.texts.size();
    err << s.liveProfiles << " live profile(s), " << s.planFiles << " plan file(s), " << s.plans
        << " plan(s); " << count << " problem(s)\n";
    return count == 0 ? 0 : 1;
}

const Command::Registration registration{
    "check", "check [DIR]",
    "check a data directory (profiles, plan files, options); one line per problem, exit 0 when clean",
    &runCheck};

}  // namespace

}  // namespace moxlet::cli
