// Candidate collection over the largest run of the word base (the segment
// with the most records over syllables 1..9), reading WORDBASE.WDB as the
// program does (opened for the collection) against the same bytes already in
// memory; and, as the floor, copying the run's bytes without decoding.
// The student has studied every segment, so every record is a candidate and
// the list is thinned.

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>

#include "words/CandidateCollector.h"
#include "store/DiskFileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"

namespace {

using namespace moxlet;

struct Setup {
    OffsetIndex index;
    SegmentId segment = 0;
    RecordRun run;
    std::vector<std::uint8_t> bytes;
    StudentMasks masks;

    Setup()
    {
        fillOffsetIndex(index);
        for (SegmentId s = 0; s <= 331; ++s) {
            const RecordRun r = recordRun(index, s, 1, 9);
            if (r.size() > run.size()) {
                run = r;
                segment = s;
            }
        }
        std::ifstream in(MOXLET_WORDBASE_DIR "/WORDBASE.WDB", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        SegmentSet all;
        for (int s = 0; s <= 331; ++s) all.add(s);
        masks = StudentMasks::fromStudied(all);
    }
};

const Setup& setup()
{
    static const Setup s;
    return s;
}

void report(benchmark::State& state, std::int32_t n)
{
    state.counters["segment"] = setup().segment;
    state.counters["records"] = setup().run.size();
    state.counters["candidates"] = n;
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * setup().run.size());
}

void BM_CollectFromFile(benchmark::State& state)
{
    const Setup& s = setup();
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    SeededRandom rnd(1);
    std::int32_t n = 0;
    for (auto _ : state) {
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        auto wb = WordBase::open(FileContext{files, prompt, rnd});
        std::int16_t offset = -1;
        n = collectCandidates(*wb, s.index, s.masks, {s.segment, 1, 9}, offset, rnd, list);
        benchmark::DoNotOptimize(list.data());
    }
    report(state, n);
}
BENCHMARK(BM_CollectFromFile)->Unit(benchmark::kMillisecond);

void BM_CollectFromMemory(benchmark::State& state)
{
    const Setup& s = setup();
    MemoryFileSystem files;
    files.put(kWordBaseFileName, s.bytes);
    ScriptedPrompt prompt;
    SeededRandom seeds(1);
    auto wb = WordBase::open(FileContext{files, prompt, seeds});
    std::vector<std::int32_t> list(kCandidateSlots, 0);
    SeededRandom rnd(1);
    std::int32_t n = 0;
    for (auto _ : state) {
        std::int16_t offset = -1;
        n = collectCandidates(*wb, s.index, s.masks, {s.segment, 1, 9}, offset, rnd, list);
        benchmark::DoNotOptimize(list.data());
    }
    report(state, n);
}
BENCHMARK(BM_CollectFromMemory)->Unit(benchmark::kMillisecond);

void BM_CopyRunBytes(benchmark::State& state)
{
    const Setup& s = setup();
    std::vector<std::uint8_t> copy(static_cast<std::size_t>(s.run.size()) * kWordRecordLength);
    for (auto _ : state) {
        std::memcpy(copy.data(), s.bytes.data() + static_cast<std::size_t>(s.run.first - 1) * kWordRecordLength, copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
    report(state, 0);
}
BENCHMARK(BM_CopyRunBytes)->Unit(benchmark::kMillisecond);

}  // namespace
