// moxlet-cli words SEGMENT [--syllables MIN-MAX]: the records of a segment's
// run in record order, one line each, tab-separated: record number, word,
// syllables, segment ids, flags.  SEGMENT is an id (0..331); the syllable
// range defaults to 1-9.

#include <ostream>

#include "app/cli/CliArgs.h"
#include "app/cli/CliContext.h"
#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/words/CandidateCollector.h"

namespace moxlet::cli {

namespace {

void runWords(const Args& args, CliContext& ctx)
{
    const auto segment = args.empty() ? std::nullopt : parseNumber(args[0], 0, seg::Count - 1);
    std::optional<int> low = 1, high = kIndexSyllables;
    if (args.size() == 3 && args[1] == "--syllables") {
        const std::string& range = args[2];
        const auto dash = range.find('-');
        low = parseNumber(range.substr(0, dash), 1, kIndexSyllables);
        high = dash == std::string::npos ? std::nullopt
                                         : parseNumber(range.substr(dash + 1), 1, kIndexSyllables);
    } else if (args.size() != 1) {
        return ctx.usageError();
    }
    if (!segment || !low || !high || *low > *high) return ctx.usageError();
    CliWordBase wb(ctx);
    if (!wb.wordBase) return;
    const RecordRun run = recordRun(wb.source.index, static_cast<SegmentId>(*segment), *low, *high);
    const bool ok = wb.wordBase->readRun(run.first, run.last, [&](std::int32_t n, const WordRecord& w) {
        ctx.out << n << '\t' << wordLine(w) << '\n';
    });
    if (!ok) ctx.status = 1;
}

const Command::Registration registration{
    "words", "words SEGMENT [--syllables MIN-MAX]",
    "list a segment's records in order: record, word, syllables, segment ids, flags (tab-separated)",
    &runWords};

}  // namespace

}  // namespace moxlet::cli
