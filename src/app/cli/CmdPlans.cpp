// moxlet-cli plans N [DIR]: the lesson plans of profile N, newest first, one
// line each, tab-separated:
//
//   record  lesson date  A: ids  R: ids  S: ids  N: ids
//
// where A, R, S and N are the Auditory, Review, Spelling and New sections and
// the ids are the segments their entries name (blank-separated).  Problems
// met while reading go to standard error.

#include <ostream>

#include "app/cli/Command.h"
#include "app/cli/DataDirPrompt.h"
#include "core/catalogue/Marks.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"

namespace moxlet::cli {

namespace {

int runPlans(const Args& args, std::ostream& out, std::ostream& err)
{
    long n = 0;
    try {
        if (args.empty() || args.size() > 2) throw std::invalid_argument("arguments");
        std::size_t used = 0;
        n = std::stol(args[0], &used);
        if (used != args[0].size()) throw std::invalid_argument("number");
    } catch (const std::exception&) {
        err << "usage: moxlet-cli plans N [DIR]\n";
        return 2;
    }
    if (n < 1 || n > kMaxProfileNo) {
        err << "moxlet-cli: profile numbers with plan files are 1 to " << kMaxProfileNo << "\n";
        return 2;
    }
    DiskFileSystem fs(args.size() > 1 ? args[1] : ".");
    CollectingPrompt prompt;
    SeededRandom random(1);
    FileContext ctx{fs, prompt, random};
    Problems problems;
    auto number = static_cast<std::int32_t>(n);
    bool owned = false;
    for (const auto& e : listProfiles(ctx, &problems)) owned = owned || e.record == number;
    if (!owned)
        problems.push_back(
            {*planFileName(number), 0, "profile " + std::to_string(n) + " is not a live profile"});
    for (const auto& e : listPlans(ctx, number, &problems)) {
        out << e.record << '\t' << cp1252ToUtf8(e.date);
        const char* labels[] = {"A:", "R:", "S:", "N:"};
        for (PlanSection section : kPlanSections) {
            out << '\t' << labels[sectionIndex(section)];
            for (SegmentId s : sectionSegmentIds(e.plan, section)) out << ' ' << s;
        }
        out << '\n';
    }
    for (const auto& p : problems) err << cp1252ToUtf8(p.describe()) << '\n';
    for (const auto& t : prompt.texts) err << cp1252ToUtf8(t) << '\n';
    return prompt.texts.empty() ? 0 : 1;
}

const Command::Registration registration{
    "plans", "plans N [DIR]",
    "list the plans of profile N, newest first: record, date, segment ids of each section", &runPlans};

}  // namespace

}  // namespace moxlet::cli
