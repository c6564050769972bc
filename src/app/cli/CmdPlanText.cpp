// moxlet-cli plan-text N RECORD [DIR]: the text that "Copy Plan" puts on the
// clipboard for plan RECORD of profile N, written to standard output as it
// is (UTF-8, CRLF line ends, tabs), with the options of the data folder DIR
// (default: the current directory, Moxlet's data folder).

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliPlan.h"
#include "app/cli/Command.h"
#include "core/output/PlanText.h"

namespace moxlet::cli {

namespace {

void runPlanText(const Args& args, CliContext& ctx)
{
    if (args.size() < 2 || args.size() > 3) return ctx.usageError();
    const std::string dir = args.size() > 2 ? args[2] : ".";
    const auto plan = loadCliPlan(ctx, args[0], args[1], dir);
    if (!plan) return;
    Options options = loadCliOptions(ctx, dir).values;
    ctx.out << planText({plan->student.FirstName.trimmed(), plan->student.LastName.trimmed(), plan->plan,
                         options, options.FontSizeMode});
}

const Command::Registration registration{
    "plan-text", "plan-text N RECORD [DIR]",
    "the clipboard text of plan RECORD of profile N (UTF-8, CRLF line ends), by the options of DIR",
    &runPlanText};

}  // namespace

}  // namespace moxlet::cli
