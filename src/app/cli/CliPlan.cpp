#include "app/cli/CliPlan.h"

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "core/options/OptionFile.h"

namespace moxlet::cli {

namespace {
constexpr int kMaxPlanRecord = 999999;
}

std::optional<PlanSession> loadCliPlan(CliContext& ctx, const std::string& profileArg,
                                       const std::string& recordArg, const std::string& dir)
{
    const auto profile = parseNumber(profileArg, 1, kMaxProfileNo);
    const auto record = parseNumber(recordArg, 1, kMaxPlanRecord);
    if (!profile || !record) {
        ctx.usageError("N is a profile number, 1 to " + std::to_string(kMaxProfileNo) +
                       "; RECORD a plan record, 1, 2, ...");
        return std::nullopt;
    }
    const FileContext* files = ctx.dataFolder(dir);
    if (!files) return std::nullopt;
    PlanSession session;
    switch (openStudentPlan(*files, *profile, *record, session, &ctx.problems)) {
    case PlanStart::Ready: return session;
    case PlanStart::NoStudent:
        ctx.fail(1, "profile " + std::to_string(*profile) + " is not a live profile in " + dir);
        return std::nullopt;
    case PlanStart::NoPlan: break;
    }
    ctx.fail(1, "profile " + std::to_string(*profile) + " has no plan record " + std::to_string(*record));
    return std::nullopt;
}

OptionSettings loadCliOptions(CliContext& ctx, const std::string& dir)
{
    OptionSettings options;
    if (const FileContext* files = ctx.dataFolder(dir)) loadOptions(*files, options, &ctx.problems);
    return options;
}

}  // namespace moxlet::cli
