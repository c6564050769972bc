// moxlet-cli wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]:
// the word list tool's list for profile N of the data folder DIR (default:
// the current directory), over up to five segments (ids 0..331) from the
// student's Review list, or with --new from the New list.  Prints the
// generated list, one word a line, sorted and each word once, with " *"
// after a homophone when the folder's homophone option is 1 or 2; with
// --auto then an empty line and the words automatic selection puts into the
// grid, in cell order.  Random choices (the thinning of long runs, the
// start of the selection) come from the clock, or repeatably from --seed.
// Segments that give no words are explained on standard error.  The word
// base is DIR's when it holds one, else the installed one.

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/catalogue/Marks.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/wordlist/WordListTool.h"

namespace moxlet::cli {

namespace {

struct Request {
    int profile = 0;
    std::string dir = ".";
    std::vector<SegmentId> segments;
    bool newList = false;
    bool automatic = false;
    std::optional<int> seed;
};

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

bool parse(const Args& args, Request& r)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--segments" && i + 1 < args.size()) {
            if (!parseSegments(args[++i], r.segments)) return false;
        } else if (a == "--seed" && i + 1 < args.size()) {
            r.seed = parseNumber(args[++i], 0, 999999999);
            if (!r.seed) return false;
        } else if (a == "--new") {
            r.newList = true;
        } else if (a == "--auto") {
            r.automatic = true;
        } else if (a.rfind("--", 0) == 0) {
            return false;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty() || positional.size() > 2 || r.segments.empty()) return false;
    if (positional.size() == 2) r.dir = positional[1];
    const auto profile = parseNumber(positional[0], 1, kMaxProfileNo);
    r.profile = profile.value_or(0);
    return profile.has_value();
}

void runWordList(const Args& args, CliContext& ctx)
{
    Request request;
    if (!parse(args, request))
        return ctx.usageError("one to five different segment ids, 0 to " + std::to_string(seg::Count - 1));
    const FileContext* files = ctx.dataFolder(request.dir);
    if (!files) return;
    OptionSettings options;
    loadOptions(*files, options, &ctx.problems);
    WordListTool tool;
    bool live = false;
    for (const auto& e : listProfiles(*files, &ctx.problems))
        if (e.record == request.profile) {
            tool.chooseStudent(e.profile);
            live = true;
        }
    if (!live)
        return ctx.fail(1, "profile " + std::to_string(request.profile) + " is not a live profile in " +
                               request.dir);

    tool.setListType(request.newList ? PlanSection::New : PlanSection::Review);
    const std::vector<SegmentId>& lines = tool.candidates();
    for (const SegmentId s : request.segments)
        if (std::find(lines.begin(), lines.end(), s) == lines.end())
            return ctx.fail(2, "segment " + std::to_string(s) + " is not among the student's " +
                                   (request.newList ? "New (not yet studied)" : "Review (studied)") +
                                   " segments");
    tool.chooseSegments(request.segments);

    if (request.seed) ctx.random = std::make_unique<SeededRandom>(*request.seed);
    CliWordBase wb(ctx, request.dir);
    if (!wb.wordBase) return;
    const GenerationReport report =
        tool.generate(wb.wordBase.get(), wb.source.index, *ctx.random, options.values.HomophoneMode);
    const StudentProfile& s = tool.student();
    const std::string note = generationNote(report, s.SyllableMin, s.SyllableMax);
    if (!note.empty()) ctx.err << note << '\n';
    for (const ListedWord& w : tool.words()) ctx.out << cp1252ToUtf8(w.text) << '\n';
    if (request.automatic) {
        tool.selectAutomatically(*ctx.random);
        ctx.out << '\n';
        for (const WordCell& c : tool.grid().cells())
            if (c.tag != kCellEmpty) ctx.out << cp1252ToUtf8(c.text) << '\n';
    }
}

const Command::Registration registration{
    "wordlist", "wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]",
    "the word list tool's list for profile N over up to five segments; --auto adds the 40 chosen words",
    &runWordList};

}  // namespace

}  // namespace moxlet::cli
