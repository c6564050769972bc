#include "app/cli/CliWordList.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"

namespace moxlet::cli {

namespace {

bool parseSegments(const std::string& text, std::vector<SegmentId>& segments)
{
    if (text.ends_with(',')) return false;
    std::istringstream in(text);
    std::string id;
    std::set<int> seen;
    while (std::getline(in, id, ',')) {
        const auto value = parseNumber(id, 0, seg::Count - 1);
        if (!value || !seen.insert(*value).second) return false;
        segments.push_back(static_cast<SegmentId>(*value));
    }
    return !segments.empty() && segments.size() <= static_cast<std::size_t>(kWordListSegments);
}

}  // namespace

std::optional<std::vector<std::string>> parseWordListArgs(const Args& args, WordListRequest& r,
                                                          const std::map<std::string, std::string*>& valued)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto own = valued.find(a);
        if (a == "--segments" && i + 1 < args.size()) {
            if (!parseSegments(args[++i], r.segments)) return std::nullopt;
        } else if (a == "--seed" && i + 1 < args.size()) {
            r.seed = parseNumber(args[++i], 0, 999999999);
            if (!r.seed) return std::nullopt;
        } else if (own != valued.end() && i + 1 < args.size()) {
            *own->second = args[++i];
        } else if (a == "--new") {
            r.newList = true;
        } else if (a == "--auto") {
            r.automatic = true;
        } else if (a.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (r.segments.empty()) return std::nullopt;
    return positional;
}

bool takeProfileAndFolder(const std::vector<std::string>& positional, WordListRequest& r)
{
    if (positional.empty() || positional.size() > 2) return false;
    if (positional.size() == 2) r.dir = positional[1];
    const auto profile = parseNumber(positional[0], 1, kMaxProfileNo);
    r.profile = profile.value_or(0);
    return profile.has_value();
}

std::unique_ptr<WordListTool> generateWordList(CliContext& ctx, WordListRequest& r)
{
    const FileContext* files = ctx.dataFolder(r.dir);
    if (!files) return nullptr;
    OptionSettings options;
    loadOptions(*files, options, &ctx.problems);
    auto tool = std::make_unique<WordListTool>();
    bool live = false;
    for (const auto& e : listProfiles(*files, &ctx.problems))
        if (e.record == r.profile) {
            tool->chooseStudent(e.profile);
            live = true;
        }
    if (!live) {
        ctx.fail(1, "profile " + std::to_string(r.profile) + " is not a live profile in " + r.dir);
        return nullptr;
    }

    tool->setListType(r.newList ? PlanSection::New : PlanSection::Review);
    const std::vector<SegmentId>& lines = tool->candidates();
    for (const SegmentId s : r.segments) {
        if (std::find(lines.begin(), lines.end(), s) == lines.end()) {
            ctx.fail(2, "segment " + std::to_string(s) + " is not among the student's " +
                            (r.newList ? "New (not yet studied)" : "Review (studied)") + " segments");
            return nullptr;
        }
    }
    tool->chooseSegments(r.segments);

    if (r.seed) ctx.random = std::make_unique<SeededRandom>(*r.seed);
    CliWordBase wb(ctx, r.dir);
    if (!wb.wordBase) return nullptr;
    r.homophoneMode = options.values.HomophoneMode;
    r.fontSize = options.values.FontSizeMode;
    const GenerationReport report =
        tool->generate(wb.wordBase.get(), wb.source.index, *ctx.random, r.homophoneMode);
    const StudentProfile& s = tool->student();
    const std::string note = generationNote(report, s.SyllableMin, s.SyllableMax);
    if (!note.empty()) ctx.err << note << '\n';
    return tool;
}

}  // namespace moxlet::cli
