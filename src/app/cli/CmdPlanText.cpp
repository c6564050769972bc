// moxlet-cli plan-text N RECORD [DIR]: the text that "Copy Plan" puts on the
// clipboard for plan RECORD of profile N, written to standard output as it
// is (UTF-8, CRLF line ends, tabs), with the options of the data folder DIR
// (default: the current directory, Moxlet's data folder).

#include <ostream>

#include "app/cli/CliPlan.h"
#include "app/cli/Command.h"
#include "core/output/PlanText.h"

namespace moxlet::cli {

namespace {

int runPlanText(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: moxlet-cli plan-text N RECORD [DIR]\n";
        return 2;
    }
    CliPlan loaded;
    if (int status = loadCliPlan(args[0], args[1], args.size() > 2 ? args[2] : ".", loaded, err))
        return status;
    const PlanOutput output{loaded.session.student.FirstName.trimmed(),
                            loaded.session.student.LastName.trimmed(), loaded.session.plan,
                            loaded.options.values, loaded.options.values.FontSizeMode};
    out << planText(output);
    return 0;
}

const Command::Registration registration{
    "plan-text", "plan-text N RECORD [DIR]",
    "the clipboard text of plan RECORD of profile N (UTF-8, CRLF line ends), by the options of DIR",
    &runPlanText};

}  // namespace

}  // namespace moxlet::cli
