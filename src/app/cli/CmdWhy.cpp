// moxlet-cli why N WORD [--segment S] [--new] [--offset K] [--level everyday|common|wider]: why a word is or
// is not offered to student N (a profile record number of PROFILES.DAT in
// the current directory), in the list of segment S (an id 0..331 or its
// name, as stored or as displayed), as the word list tool and the word
// choice dialogs build their lists.  Without --segment it says which of the
// word's segments would list it.  --new asks about a New list (the
// segment's own bit admitted), otherwise a Review list.  --offset K (with
// --segment) gives the list's remembered thinning offset, as a plan slot
// keeps it; without it every long list is thinned from a fresh random
// offset, as the word list tool does.  Words are offered up to the folder's
// word level option (OPTION.PRM), or --level everyday|common|wider; a word
// above it is said to be beyond the chosen level.
//
// Prints the answer in UTF-8.  Exit status: 0 the word is offered, 1 it is
// not, 2 bad usage or no answer (no such student, no word base).

#include <ostream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/words/WordCheck.h"
#include "core/words/WordCheckText.h"

namespace moxlet::cli {

namespace {

// A typed word (UTF-8) as Windows-1252: characters up to U+00FF keep their
// number, others become '?' (the word base holds plain letters only).
std::string toWindows1252(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        int extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned code = extra == 0 ? c : c & (0x3Fu >> extra);
        std::size_t j = i + 1;
        for (; j < utf8.size() && j <= i + static_cast<std::size_t>(extra); ++j)
            code = (code << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3Fu);
        out += code < 0x100 ? static_cast<char>(code) : '?';
        i = j;
    }
    return out;
}

// An id 0..331, or a name exactly as stored, as displayed, or as stored
// read as Windows-1252.
SegmentId findSegment(const std::string& arg)
{
    if (const auto id = parseNumber(arg, 0, seg::Count - 1)) return static_cast<SegmentId>(*id);
    for (int s = 0; s < seg::Count; ++s) {
        const std::string name = segmentName(s);
        if (arg == name || arg == displayText(name) || arg == cp1252ToUtf8(name))
            return static_cast<SegmentId>(s);
    }
    return kNoSegment;
}

void runWhy(const Args& args, CliContext& ctx)
{
    const auto profileNo = args.size() < 2 ? std::nullopt : parseNumber(args[0], 1, kMaxProfileNo);
    if (!profileNo) return ctx.usageError();
    SegmentId segment = kNoSegment;
    bool newList = false;
    std::optional<int> offset;
    std::optional<WordLevel> level;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--new") {
            newList = true;
        } else if (args[i] == "--segment" && i + 1 < args.size()) {
            segment = findSegment(args[++i]);
            if (segment == kNoSegment) return ctx.fail(2, "no word segment is called \"" + args[i] + "\"");
        } else if (args[i] == "--offset" && i + 1 < args.size() &&
                   (offset = parseNumber(args[i + 1], 0, kMaxListPosition))) {
            ++i;
        } else if (args[i] == "--level" && i + 1 < args.size() && (level = parseWordLevel(args[i + 1]))) {
            ++i;
        } else {
            return ctx.usageError();
        }
    }
    if (offset && segment == kNoSegment)
        return ctx.fail(2, "--offset belongs to one list: give its --segment too");

    const FileContext* files = ctx.dataFolder(".");
    if (!files) return;
    std::optional<StudentProfile> student;
    for (const auto& e : listProfiles(*files))
        if (e.record == *profileNo) student = e.profile;
    if (!student)
        return ctx.fail(2, "there is no student " + std::to_string(*profileNo) +
                               " in PROFILES.DAT of this folder");

    if (!level) {
        OptionSettings options;
        loadOptions(*files, options, &ctx.problems);
        level = options.values.OfferUpTo;
    }

    CliWordBase wb(ctx);
    if (!wb.wordBase) {
        ctx.status = 2;
        return;
    }
    WordCheckQuery query = profileQuery(*student, toWindows1252(args[1]), segment, newList, *level);
    query.thinOffset = static_cast<std::int16_t>(offset.value_or(-1));
    const WordCheckResult result = checkWord(*wb.wordBase, wb.source.index, query);
    ctx.out << displayText(wordCheckText(result)) << '\n';
    ctx.status = result.verdict == WordVerdict::Unreadable ? 2 : result.offered() ? 0 : 1;
}

const Command::Registration registration{
    "why", "why N WORD [--segment S] [--new] [--offset K] [--level everyday|common|wider]",
    "say why student N's lists offer a word or not (exit 0 offered, 1 not, 2 bad usage)", &runWhy};

}  // namespace

}  // namespace moxlet::cli
