// moxlet-cli plans N [DIR]: the lesson plans of profile N, newest first, one
// line each, tab-separated:
//
//   record  lesson date  A: ids  R: ids  S: ids  N: ids
//
// where A, R, S and N are the Auditory, Review, Spelling and New sections and
// the ids are the segments their entries name (blank-separated).  Problems
// met while reading go to standard error.

#include <ostream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/catalogue/Marks.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"

namespace moxlet::cli {

namespace {

void runPlans(const Args& args, CliContext& ctx)
{
    const auto number = args.empty() ? std::nullopt : parseNumber(args[0], 1, kMaxProfileNo);
    if (!number || args.size() > 2)
        return ctx.usageError("N is a profile number, 1 to " + std::to_string(kMaxProfileNo));
    const FileContext* files = ctx.dataFolder(args.size() > 1 ? args[1] : ".");
    if (!files) return;
    bool owned = false;
    for (const auto& e : listProfiles(*files, &ctx.problems)) owned = owned || e.record == *number;
    if (!owned)
        ctx.problems.push_back(
            {*planFileName(*number), 0, "profile " + std::to_string(*number) + " is not a live profile"});
    for (const auto& e : listPlans(*files, *number, &ctx.problems)) {
        ctx.out << e.record << '\t' << cp1252ToUtf8(e.date);
        const char* labels[] = {"A:", "R:", "S:", "N:"};
        for (PlanSection section : kPlanSections) {
            ctx.out << '\t' << labels[sectionIndex(section)];
            for (SegmentId s : sectionSegmentIds(e.plan, section)) ctx.out << ' ' << s;
        }
        ctx.out << '\n';
    }
}

const Command::Registration registration{
    "plans", "plans N [DIR]",
    "list the plans of profile N, newest first: record, date, segment ids of each section", &runPlans};

}  // namespace

}  // namespace moxlet::cli
