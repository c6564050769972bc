#pragma once
// A saved lesson plan as the plan commands read it: profile N and its plan
// RECORD from a data folder, and the options of that folder.

#include <optional>
#include <string>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"

namespace moxlet::cli {

class CliContext;

// Plan RECORD of profile N (both as given on the command line) from the
// data folder dir; nothing after a usage error (N or RECORD not a number in
// range) or after saying on err why it cannot be read (status 1).
std::optional<PlanSession> loadCliPlan(CliContext& ctx, const std::string& profileArg,
                                       const std::string& recordArg, const std::string& dir);

// The options in force in the data folder dir (its problems noted).
OptionSettings loadCliOptions(CliContext& ctx, const std::string& dir);

}  // namespace moxlet::cli
