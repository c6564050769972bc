// moxlet-cli words SEGMENT [--syllables MIN-MAX]: the records of a segment's
// run in record order, one line each, tab-separated: record number, word,
// syllables, segment ids, flags.  SEGMENT is an id (0..331); the syllable
// range defaults to 1-9.

#include <ostream>

#include "app/cli/CliWordBase.h"
#include "app/cli/Command.h"
#include "core/words/CandidateCollector.h"

namespace moxlet::cli {

namespace {

bool parseInt(const std::string& s, int& value)
{
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    value = std::stoi(s);
    return true;
}

int runWords(const Args& args, std::ostream& out, std::ostream& err)
{
    const char* usage = "usage: moxlet-cli words SEGMENT [--syllables MIN-MAX]\n";
    int segment = -1, low = 1, high = 9;
    if (args.empty() || !parseInt(args[0], segment) || segment >= seg::Count) {
        err << usage;
        return 2;
    }
    if (args.size() == 3 && args[1] == "--syllables") {
        const auto dash = args[2].find('-');
        if (dash == std::string::npos || !parseInt(args[2].substr(0, dash), low) ||
            !parseInt(args[2].substr(dash + 1), high) || low < 1 || high > 9 || low > high) {
            err << usage;
            return 2;
        }
    } else if (args.size() != 1) {
        err << usage;
        return 2;
    }
    CliWordBase wb(err);
    if (!wb.wordBase) return 1;
    const RecordRun run = recordRun(wb.source.index, static_cast<SegmentId>(segment), low, high);
    const bool ok = wb.wordBase->readRun(run.first, run.last, [&](std::int32_t n, const WordRecord& w) {
        out << n << '\t' << wordLine(w) << '\n';
    });
    return ok ? 0 : 1;
}

const Command::Registration registration{
    "words", "words SEGMENT [--syllables MIN-MAX]",
    "list a segment's records in order: record, word, syllables, segment ids, flags (tab-separated)",
    &runWords};

}  // namespace

}  // namespace moxlet::cli
