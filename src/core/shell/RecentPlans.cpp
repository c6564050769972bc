#include "core/shell/RecentPlans.h"

#include <algorithm>
#include <sstream>

#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DataFileNames.h"

namespace moxlet {

std::vector<RecentPlan> readRecentPlans(FileSystem& fs)
{
    std::vector<RecentPlan> plans;
    std::string text;
    try {
        if (!fs.exists(kRecentPlansFileName)) return plans;
        const std::vector<std::uint8_t> bytes = fs.readAll(kRecentPlansFileName);
        text.assign(bytes.begin(), bytes.end());
    } catch (const FileException&) {
        return plans;
    }
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line) && plans.size() < kRecentPlanCount) {
        std::istringstream fields(line);
        RecentPlan p;
        if (!(fields >> p.profile >> p.record >> p.date) || p.profile < 1 || p.record < 1) continue;
        plans.push_back(p);
    }
    return plans;
}

bool rememberRecentPlan(FileSystem& fs, const RecentPlan& plan)
{
    std::vector<RecentPlan> plans = readRecentPlans(fs);
    std::erase_if(plans, [&](const RecentPlan& p) {
        return p.profile == plan.profile && (p.record == plan.record || p.date == plan.date);
    });
    plans.insert(plans.begin(), plan);
    if (plans.size() > kRecentPlanCount) plans.resize(kRecentPlanCount);
    std::string text;
    for (const RecentPlan& p : plans)
        text += std::to_string(p.profile) + ' ' + std::to_string(p.record) + ' ' + p.date + '\n';
    try {
        replaceFileAtomically(fs, kRecentPlansFileName, std::vector<std::uint8_t>(text.begin(), text.end()));
    } catch (const FileException&) {
        return false;
    }
    return true;
}

std::vector<RecentPlanLine> recentPlanLines(const FileContext& ctx)
{
    std::vector<RecentPlanLine> lines;
    const std::vector<RecentPlan> stored = readRecentPlans(ctx.fs);
    if (stored.empty()) return lines;
    Problems ignored;  // the load and the choosers report damaged records
    const std::vector<ProfileEntry> live = listProfiles(ctx, &ignored);
    for (const RecentPlan& p : stored) {
        const auto student = std::find_if(live.begin(), live.end(),
                                          [&](const ProfileEntry& e) { return e.record == p.profile; });
        if (student == live.end()) continue;
        const std::vector<PlanEntry> plans = listPlans(ctx, student->profile.ProfileNo, &ignored);
        auto plan = std::find_if(plans.begin(), plans.end(), [&](const PlanEntry& e) {
            return e.record == p.record && e.date == p.date;
        });
        if (plan == plans.end())
            plan = std::find_if(plans.begin(), plans.end(),
                                [&](const PlanEntry& e) { return e.date == p.date; });
        if (plan == plans.end()) continue;
        lines.push_back({{p.profile, plan->record, p.date}, studentListText(student->profile)});
    }
    return lines;
}

}  // namespace moxlet
