// moxlet-cli wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]:
// the word list tool's list for profile N of the data folder DIR (default:
// the current directory), over up to five segments (ids 0..331) from the
// student's Review list, or with --new from the New list.  Prints the
// generated list, one word a line, sorted and each word once, with " *"
// after a homophone when the folder's homophone option is 1 or 2; with
// --auto then an empty line and the words automatic selection puts into the
// grid, in cell order.  Random choices (the thinning of long runs, the
// start of the selection) come from the clock, or repeatably from --seed.
// Segments that give no words are explained on standard error.

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "app/cli/DataDirPrompt.h"
#include "core/catalogue/Marks.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"
#include "core/wordlist/WordListTool.h"

namespace moxlet::cli {

namespace {

const char* kUsage = "usage: moxlet-cli wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]\n";

struct Request {
    long profile = 0;
    std::string dir = ".";
    std::vector<SegmentId> segments;
    bool newList = false;
    bool automatic = false;
    bool seeded = false;
    long seed = 0;
};

bool parseSegments(const std::string& text, std::vector<SegmentId>& segments)
{
    std::istringstream in(text);
    std::string id;
    std::set<long> seen;
    while (std::getline(in, id, ',')) {
        long value = 0;
        if (!parseNumber(id, 0, seg::Count - 1, value) || !seen.insert(value).second) return false;
        segments.push_back(static_cast<SegmentId>(value));
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
            if (!parseNumber(args[++i], 0, 999999999, r.seed)) return false;
            r.seeded = true;
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
    return parseNumber(positional[0], 1, kMaxProfileNo, r.profile);
}

int runWordList(const Args& args, std::ostream& out, std::ostream& err)
{
    Request request;
    if (!parse(args, request)) {
        err << kUsage << "  (one to five different segment ids, 0 to " << seg::Count - 1 << ")\n";
        return 2;
    }
    DiskFileSystem fs(request.dir);
    CollectingPrompt prompt;
    SeededRandom fileRandom(1);
    FileContext ctx{fs, prompt, fileRandom};
    Problems problems;
    OptionSettings options;
    loadOptions(ctx, options, &problems);
    WordListTool tool;
    bool live = false;
    for (const auto& e : listProfiles(ctx, &problems))
        if (e.record == request.profile) {
            tool.chooseStudent(e.profile);
            live = true;
        }
    for (const auto& p : problems) err << cp1252ToUtf8(p.describe()) << '\n';
    for (const auto& t : prompt.texts) err << cp1252ToUtf8(t) << '\n';
    if (!live) {
        err << "moxlet-cli: profile " << request.profile << " is not a live profile in " << request.dir
            << "\n";
        return 1;
    }

    tool.setListType(request.newList ? PlanSection::New : PlanSection::Review);
    const std::vector<SegmentId>& lines = tool.candidates();
    for (std::size_t p = 0; p < request.segments.size(); ++p) {
        const SegmentId s = request.segments[p];
        const auto at = std::find(lines.begin(), lines.end(), s);
        if (at == lines.end()) {
            err << "moxlet-cli: segment " << s << " is not among the student's "
                << (request.newList ? "New (not yet studied)" : "Review (studied)") << " segments\n";
            return 2;
        }
        tool.slots()[p] = static_cast<std::int16_t>(at - lines.begin());
    }

    std::unique_ptr<Random> random =
        request.seeded ? std::make_unique<SeededRandom>(request.seed) : makeClockRandom();
    CliWordBase wb(err);
    const GenerationReport report =
        tool.generate(wb.wordBase.get(), wb.source.index, *random, options.values.HomophoneMode);
    const StudentProfile& s = tool.student();
    const std::string note = generationNote(report, s.SyllableMin, s.SyllableMax);
    if (!note.empty()) err << note << '\n';
    for (const ListedWord& w : tool.words()) out << cp1252ToUtf8(w.text) << '\n';
    if (request.automatic) {
        tool.selectAutomatically(*random);
        out << '\n';
        for (const WordCell& c : tool.grid().cells())
            if (c.tag != kCellEmpty) out << cp1252ToUtf8(c.text) << '\n';
    }
    return wb.wordBase ? 0 : 1;
}

const Command::Registration registration{
    "wordlist", "wordlist N [DIR] --segments ID[,ID...] [--new] [--auto] [--seed S]",
    "the word list tool's list for profile N over up to five segments; --auto adds the 40 chosen words",
    &runWordList};

}  // namespace

}  // namespace moxlet::cli
