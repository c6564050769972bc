#pragma once
// A saved lesson plan as the plan output commands read it: profile N and
// its plan RECORD from a data folder, with the options of that folder.
// File errors go to the error stream with the program's own messages.

#include <iosfwd>
#include <string>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"

namespace moxlet::cli {

struct CliPlan {
    PlanSession session;
    OptionSettings options;
};

// Parses N and RECORD (positive numbers) and reads them from dir.  Returns
// 0, or the exit status after telling err why not (2 bad arguments, 1 not
// readable).
int loadCliPlan(const std::string& profileArg, const std::string& recordArg, const std::string& dir,
                CliPlan& loaded, std::ostream& err);

}  // namespace moxlet::cli
