// moxlet-cli wordbase-stats: the size of the word base, from the
// compiled-in offset index and the file:
//
//   records  N                 (records in WORDBASE.WDB; the index's count follows)
//   syllables  K  N            records of K-syllable words, K = 1..9
//   segment  ID  NAME  TOTAL  N1 ... N9   records of each segment by syllable count
//
// Tab-separated; NAME is the displayed name.

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"

namespace moxlet::cli {

namespace {

void runStats(const Args& args, CliContext& ctx)
{
    if (!args.empty()) return ctx.usageError();
    CliWordBase wb(ctx);
    if (!wb.wordBase) return;
    const OffsetIndex& index = wb.source.index;
    std::ostream& out = ctx.out;
    out << "records\t" << wb.wordBase->recordCount() << '\t' << index.last(seg::Count - 1, kIndexSyllables)
        << '\n';
    for (int k = 1; k <= kIndexSyllables; ++k) {
        long n = 0;
        for (int s = 0; s < kSegmentCount; ++s) n += index.last(s, k) - index.first(s, k) + 1;
        out << "syllables\t" << k << '\t' << n << '\n';
    }
    for (int s = 0; s < kSegmentCount; ++s) {
        long total = 0;
        std::string counts;
        for (int k = 1; k <= kIndexSyllables; ++k) {
            const long n = index.last(s, k) - index.first(s, k) + 1;
            total += n;
            counts += '\t' + std::to_string(n);
        }
        out << "segment\t" << s << '\t' << displayText(segmentName(s)) << '\t' << total << counts << '\n';
    }
}

const Command::Registration registration{
    "wordbase-stats", "wordbase-stats",
    "count the word base's records per syllable count and per segment (tab-separated)", &runStats};

}  // namespace

}  // namespace moxlet::cli
