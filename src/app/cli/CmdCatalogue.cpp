// moxlet-cli catalogue: the whole word segment catalogue, one line per
// segment in id order, tab-separated:
//
//   id  stored name  displayed name  group index (-1 for none)  meaning
//
// The stored name and the meaning are the stored Windows-1252 bytes converted
// to UTF-8 unchanged (mark bytes appear as their Latin-1 characters, 0xAD as
// U+00AD), so the output can be compared byte for byte with the stored
// tables; the displayed name shows the pronunciation marks as a tutor sees
// them. The meaning is empty for segments without one.

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"

namespace moxlet::cli {

namespace {

void runCatalogue(const Args& args, CliContext& ctx)
{
    if (!args.empty()) return ctx.usageError();
    for (SegmentId s : listAllSegments()) {
        const std::string stored = segmentName(s);
        ctx.out << s << '\t' << cp1252ToUtf8(stored) << '\t' << displayText(stored) << '\t' << groupOf(s)
                << '\t' << cp1252ToUtf8(segmentMeaning(s)) << '\n';
    }
}

const Command::Registration registration{
    "catalogue", "catalogue",
    "list the word segments: id, stored name, displayed name, group, meaning (tab-separated)", &runCatalogue};

}  // namespace

}  // namespace moxlet::cli
