#include "app/cli/CliPlan.h"

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "core/options/OptionFile.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"

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
    bool live = false;
    for (const auto& e : listProfiles(*files, &ctx.problems)) {
        if (e.record != *profile) continue;
        session.student = e.profile;
        live = true;
    }
    if (!live) {
        ctx.fail(1, "profile " + std::to_string(*profile) + " is not a live profile in " + dir);
        return std::nullopt;
    }
    // A record past the end is not asked for: the file routines would
    // report it as a damaged file.
    if (*record > planCount(*files, *profile) || !openPlan(*files, session, *record, &ctx.problems)) {
        ctx.fail(1, "profile " + std::to_string(*profile) + " has no plan record " + std::to_string(*record));
        return std::nullopt;
    }
    return session;
}

OptionSettings loadCliOptions(CliContext& ctx, const std::string& dir)
{
    OptionSettings options;
    if (const FileContext* files = ctx.dataFolder(dir)) loadOptions(*files, options, &ctx.problems);
    return options;
}

}  // namespace moxlet::cli
