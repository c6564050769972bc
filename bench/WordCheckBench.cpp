// "Why is this word not in my list?" on the shipped word base, read from the
// file as the program reads it (opened for each check), for a student who
// has studied every segment, range 1 to 9 (so every run is as long as it
// gets and long lists are thinned):
//   - a word in the list of the largest run (Closed Syllable) and of a small one;
//   - a word the word base lacks, with a segment (its run, then the search)
//     and without one (the search alone);
//   - a word without a segment, which reads the long runs of its segments.
// The counters give the records read.

#include <benchmark/benchmark.h>

#include "core/store/DiskFileSystem.h"
#include "core/words/WordCheck.h"
#include "support/ScriptedPrompt.h"

namespace {

using namespace moxlet;

const OffsetIndex& shippedIndex()
{
    static const OffsetIndex index = [] {
        OffsetIndex i;
        fillOffsetIndex(i);
        return i;
    }();
    return index;
}

void check(benchmark::State& state, const char* word, SegmentId segment)
{
    WordCheckQuery q;
    q.word = word;
    q.studied.addRange(0, seg::Count - 1);
    q.segment = segment;
    WordCheckResult r;
    for (auto _ : state) {
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        SeededRandom random(1);
        auto wb = WordBase::open(FileContext{files, prompt, random});
        r = checkWord(*wb, shippedIndex(), q);
        benchmark::DoNotOptimize(r);
    }
    state.counters["records"] = r.recordsRead;
    state.counters["verdict"] = static_cast<double>(r.verdict);
}

BENCHMARK_CAPTURE(check, cat_in_closed_syllable, "cat", seg::ClosedSyllable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, cat_in_c_k, "cat", seg::C_K)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, hummed_in_t, "hummed", seg::T)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, hummed_any_list, "hummed", kNoSegment)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, misspelt_long_word_any_list, "transportationally", kNoSegment)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, cat_any_list, "cat", kNoSegment)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(check, audience_any_list, "audience", kNoSegment)->Unit(benchmark::kMillisecond);

}  // namespace
