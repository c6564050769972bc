// moxlet-cli profiles [DIR]: the live student profiles of a data directory,
// one line each, tab-separated:
//
//   record  last name  first name  syllable range (min-max)  studied segment ids
//
// Names are converted from Windows-1252 to UTF-8; the ids are separated by
// blanks.  Problems met while reading go to standard error.

#include <ostream>

#include "app/cli/Command.h"
#include "app/cli/DataDirPrompt.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"

namespace moxlet::cli {

namespace {

int runProfiles(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "usage: moxlet-cli profiles [DIR]\n";
        return 2;
    }
    DiskFileSystem fs(args.empty() ? "." : args[0]);
    CollectingPrompt prompt;
    SeededRandom random(1);
    FileContext ctx{fs, prompt, random};
    Problems problems;
    for (const auto& e : listProfiles(ctx, &problems)) {
        const auto& p = e.profile;
        out << e.record << '\t' << cp1252ToUtf8(p.LastName.trimmed()) << '\t'
            << cp1252ToUtf8(p.FirstName.trimmed()) << '\t' << p.SyllableMin << '-' << p.SyllableMax << '\t';
        const char* sep = "";
        for (SegmentId s : listSet(p.StudiedSegments)) {
            out << sep << s;
            sep = " ";
        }
        out << '\n';
    }
    for (const auto& p : problems) err << cp1252ToUtf8(p.describe()) << '\n';
    for (const auto& t : prompt.texts) err << cp1252ToUtf8(t) << '\n';
    return prompt.texts.empty() ? 0 : 1;
}

const Command::Registration registration{
    "profiles", "profiles [DIR]",
    "list the live profiles: record, last name, first name, syllable range, studied segment ids",
    &runProfiles};

}  // namespace

}  // namespace moxlet::cli
