// moxlet-cli wordbase-stats: the size of the word base, from the
// compiled-in offset index and the file:
//
//   records  N                 (records in WORDBASE.WDB; the index's count follows)
//   syllables  K  N            records of K-syllable words, K = 1..9
//   segment  ID  NAME  TOTAL  N1 ... N9   records of each segment by syllable count
//
// Tab-separated; NAME is the displayed name.

#include <ostream>

#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"

namespace moxlet::cli {

namespace {

int runStats(const Args& args, std::ostream& out, std::ostream& err)
{
    if (!args.empty()) {
        err << "usage: moxlet-cli wordbase-stats\n";
        return 2;
    }
    CliWordBase wb(err);
    if (!wb.wordBase) return 1;
    out << "records\t" << wb.wordBase->recordCount() << '\t' << indexedRecordCount() << '\n';
    for (int k = 1; k <= kIndexSyllables; ++k) {
        long n = 0;
        for (int s = 0; s < kSegmentCount; ++s)
            n += wb.source.index.last(s, k) - wb.source.index.first(s, k) + 1;
        out << "syllables\t" << k << '\t' << n << '\n';
    }
    for (int s = 0; s < kSegmentCount; ++s) {
        long total = 0;
        std::string counts;
        for (int k = 1; k <= kIndexSyllables; ++k) {
            const long n = wb.source.index.last(s, k) - wb.source.index.first(s, k) + 1;
            total += n;
            counts += '\t' + std::to_string(n);
        }
        out << "segment\t" << s << '\t' << displayText(segmentName(s)) << '\t' << total << counts << '\n';
    }
    return 0;
}

const Command::Registration registration{
    "wordbase-stats", "wordbase-stats",
    "count the word base's records per syllable count and per segment (tab-separated)", &runStats};

}  // namespace

}  // namespace moxlet::cli
