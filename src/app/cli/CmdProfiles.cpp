// moxlet-cli profiles [DIR]: the live student profiles of a data directory,
// one line each, tab-separated:
//
//   record  last name  first name  syllable range (min-max)  studied segment ids
//
// Names are converted from Windows-1252 to UTF-8; the ids are separated by
// blanks.  Problems met while reading go to standard error.

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/profiles/ProfileFile.h"

namespace moxlet::cli {

namespace {

void runProfiles(const Args& args, CliContext& ctx)
{
    if (args.size() > 1) return ctx.usageError();
    const FileContext* files = ctx.dataFolder(args.empty() ? "." : args[0]);
    if (!files) return;
    for (const auto& e : listProfiles(*files, &ctx.problems)) {
        const auto& p = e.profile;
        ctx.out << e.record << '\t' << cp1252ToUtf8(p.LastName.trimmed()) << '\t'
                << cp1252ToUtf8(p.FirstName.trimmed()) << '\t' << p.SyllableMin << '-' << p.SyllableMax
                << '\t';
        const char* sep = "";
        for (SegmentId s : listSet(p.StudiedSegments)) {
            ctx.out << sep << s;
            sep = " ";
        }
        ctx.out << '\n';
    }
}

const Command::Registration registration{
    "profiles", "profiles [DIR]",
    "list the live profiles: record, last name, first name, syllable range, studied segment ids",
    &runProfiles};

}  // namespace

}  // namespace moxlet::cli
