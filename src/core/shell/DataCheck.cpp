#include "core/shell/DataCheck.h"

#include <set>

#include "core/options/OptionFile.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/FileError.h"

namespace moxlet {

namespace {

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

void noteEmpty(const FileContext& ctx, const std::string& name, Problems& problems)
{
    try {
        if (ctx.fs.exists(name) && ctx.fs.size(name) == 0) note(&problems, name, 0, "empty file");
    } catch (const FileException& e) {
        note(&problems, name, 0, "cannot be read (error " + std::to_string(e.number()) + ")");
    }
}

}  // namespace

DirectorySummary checkDataDirectory(const FileContext& ctx)
{
    DirectorySummary s;
    Problems& problems = s.problems;

    noteEmpty(ctx, kProfileFileName, problems);
    auto live = listProfiles(ctx, &problems);
    s.liveProfiles = static_cast<int>(live.size());
    std::set<std::int32_t> liveNumbers;
    for (const auto& e : live) {
        liveNumbers.insert(e.record);
        if (e.profile.FormatVersion < 30000)
            note(&problems, kProfileFileName, e.record,
                 "older FormatVersion " + std::to_string(e.profile.FormatVersion) +
                     "; updated at the next start");
    }

    std::vector<std::string> names;
    try {
        names = ctx.fs.list();
    } catch (const FileException& e) {
        note(&problems, "data directory", 0, "cannot be listed (error " + std::to_string(e.number()) + ")");
    }
    for (const auto& name : names) {
        if (name == kPlanTempFileName || endsWith(name, ".NEW")) {
            note(&problems, name, 0,
                 "temporary file left by an interrupted write; the data files are whole without it");
            continue;
        }
        auto owner = planFileNumber(name);
        if (!owner) continue;
        ++s.planFiles;
        noteEmpty(ctx, name, problems);
        if (!liveNumbers.count(*owner))
            note(&problems, name, 0,
                 "plan file of profile " + std::to_string(*owner) + ", which is not a live profile");
        if (*owner < 1) continue;
        s.plans += static_cast<int>(listPlans(ctx, *owner, &problems).size());
    }

    if (ctx.fs.exists(kOptionFileName)) {
        OptionSettings settings;
        loadOptions(ctx, settings, &problems);
    }
    return s;
}

}  // namespace moxlet
