// moxlet-cli passage N [FILE|-] [DIR]: can student N (a profile record of
// the data folder DIR, by default the current directory) read a text?  The
// text is FILE, or standard input when FILE is "-" or left out, in UTF-8.
// Prints one line per distinct word, in order of first appearance,
// tab-separated:
//
//   word  verdict  reason
//
// where the verdict is decodable, needs-segments, outside-syllable-range,
// beyond-word-level, not-in-word-base, name, number or unreadable and the
// reason is Check a Word's sentence; then a summary line: the share of
// decodable words and the plan window's one-line summary ("All words
// decodable", "3 words beyond Sam: ...").  The word base is DIR's when it
// holds one, else the installed one.  Words are offered up to the folder's
// word level option (Common unless the tutor chose otherwise): a word above
// it that the student can decode is beyond-word-level.
//
// Exit status: 0 the text was checked (whatever it holds); 1 the input, the
// student or the word base cannot be read, or the input is not text; 2 bad
// usage.

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "app/cli/CliText.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/catalogue/Marks.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/words/PassageCheck.h"
#include "core/words/PassageSummary.h"

namespace moxlet::cli {

namespace {

const char* verdictName(PassageVerdict v)
{
    switch (v) {
    case PassageVerdict::Decodable: return "decodable";
    case PassageVerdict::NeedsUnstudied: return "needs-segments";
    case PassageVerdict::OutsideSyllableRange: return "outside-syllable-range";
    case PassageVerdict::BeyondLevel: return "beyond-word-level";
    case PassageVerdict::NotInWordBase: return "not-in-word-base";
    case PassageVerdict::Name: return "name";
    case PassageVerdict::Number: return "number";
    case PassageVerdict::Unreadable: break;
    }
    return "unreadable";
}

// The input's bytes, or nothing after saying why (status 1).
std::optional<std::string> readInput(CliContext& ctx, const std::string& file)
{
    if (file == "-") return std::string(std::istreambuf_iterator<char>(ctx.in), {});
    std::ifstream in(ctx.path(file), std::ios::binary);
    std::ostringstream bytes;
    if (in) bytes << in.rdbuf();
    if (!in) {
        ctx.fail(1, "cannot read " + file);
        return std::nullopt;
    }
    return bytes.str();
}

void runPassage(const Args& args, CliContext& ctx)
{
    const auto profileNo =
        args.empty() || args.size() > 3 ? std::nullopt : parseNumber(args[0], 1, kMaxProfileNo);
    if (!profileNo) return ctx.usageError("N is a profile number, 1 to " + std::to_string(kMaxProfileNo));
    const std::string file = args.size() > 1 ? args[1] : "-";
    const std::string dir = args.size() > 2 ? args[2] : ".";

    const FileContext* files = ctx.dataFolder(dir);
    if (!files) return;
    std::optional<StudentProfile> student;
    for (const auto& e : listProfiles(*files, &ctx.problems))
        if (e.record == *profileNo) student = e.profile;
    if (!student)
        return ctx.fail(1, "profile " + std::to_string(*profileNo) + " is not a live profile in " + dir);

    const auto bytes = readInput(ctx, file);
    if (!bytes) return;
    const CliText input = readCliText(*bytes);
    const std::string source = file == "-" ? "the input" : file;
    if (!input.refusal.empty()) return ctx.fail(1, source + " " + input.refusal);
    for (const auto& u : input.unheld)
        ctx.err << "moxlet-cli: line " << u.line << " of " << source << ": Moxlet cannot hold " << u.character
                << " and reads it as a blank\n";

    CliWordBase wb(ctx, dir);
    if (!wb.wordBase) return;
    const WordTextIndex* texts = textIndexOf(wb.source, *wb.wordBase);
    if (!texts) return ctx.fail(1, "the word base could not be read");

    // Words are offered up to the folder's "Offer words up to", as the
    // windows offer them.
    OptionSettings options;
    loadOptions(*files, options, &ctx.problems);
    PassageStudent reader = passageStudent(*student);
    reader.upTo = options.values.OfferUpTo;
    const PassageReport report = checkPassage(*wb.wordBase, wb.source.index, *texts, input.text, reader);
    for (const PassageWord& w : report.words)
        ctx.out << cp1252ToUtf8(w.text) << '\t' << verdictName(w.verdict) << '\t' << displayText(w.reason)
                << '\n';
    const std::string summary = passageSummary(report, reader.name);
    ctx.out << passageShare(report) << (summary.empty() ? "" : ". ") << displayText(summary) << '\n';
}

const Command::Registration registration{
    "passage", "passage N [FILE|-] [DIR]",
    "check a text (UTF-8; standard input without FILE) word by word for student N: word, verdict, reason; "
    "then a summary",
    &runPassage};

}  // namespace

}  // namespace moxlet::cli
