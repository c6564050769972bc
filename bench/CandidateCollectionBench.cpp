// Word-list generation against the shipped word base (Release builds,
// -DMOXLET_BENCHMARKS=ON):
// - collection of the largest run (the segment with the most records over
//   syllables 1..9) read from the file as the program does, and from the
//   same bytes in memory; as the floor, copying the run's bytes;
// - a whole plan: four Review and four New slots of the largest segments,
//   40 words each, syllables 1..9, for a student who has studied
//   everything but the New segments.

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>

#include "core/catalogue/Catalogue.h"
#include "core/plans/ListGeneration.h"
#include "core/store/DiskFileSystem.h"
#include "core/words/CandidateCollector.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"

namespace {

using namespace moxlet;

struct Setup {
    OffsetIndex index;
    std::vector<SegmentId> largest;  // segments by run size, largest first
    SegmentId segment = 0;
    RecordRun run;
    std::vector<std::uint8_t> bytes;
    StudentMasks masks;

    Setup()
    {
        fillOffsetIndex(index);
        for (SegmentId s = 0; s < seg::Count; ++s) largest.push_back(s);
        std::sort(largest.begin(), largest.end(), [&](SegmentId a, SegmentId b) {
            return recordRun(index, a, 1, 9).size() > recordRun(index, b, 1, 9).size();
        });
        segment = largest.front();
        run = recordRun(index, segment, 1, 9);
        std::ifstream in(MOXLET_WORDBASE_DIR "/WORDBASE.WDB", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        SegmentSet all;
        for (int s = 0; s < seg::Count; ++s) all.add(s);
        masks = StudentMasks::fromStudied(all);
    }
};

const Setup& setup()
{
    static const Setup s;
    return s;
}

void report(benchmark::State& state, std::size_t n)
{
    state.counters["segment"] = setup().segment;
    state.counters["records"] = setup().run.size();
    state.counters["candidates"] = static_cast<double>(n);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * setup().run.size());
}

void BM_CollectFromFile(benchmark::State& state)
{
    const Setup& s = setup();
    SeededRandom rnd(1);
    std::size_t n = 0;
    for (auto _ : state) {
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        auto wb = WordBase::open(FileContext{files, prompt, rnd});
        std::int16_t offset = -1;
        const Candidates c = collectCandidates(*wb, s.index, s.masks, {s.segment, 1, 9}, offset, rnd);
        n = c.size();
        benchmark::DoNotOptimize(c.records.data());
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
    SeededRandom rnd(1);
    auto wb = WordBase::open(FileContext{files, prompt, rnd});
    std::size_t n = 0;
    for (auto _ : state) {
        std::int16_t offset = -1;
        const Candidates c = collectCandidates(*wb, s.index, s.masks, {s.segment, 1, 9}, offset, rnd);
        n = c.size();
        benchmark::DoNotOptimize(c.records.data());
    }
    report(state, n);
}
BENCHMARK(BM_CollectFromMemory)->Unit(benchmark::kMillisecond);

// The way collection worked before: every record of the run decoded whole
// (text included) and then tested.
void BM_CollectDecodingEveryRecord(benchmark::State& state)
{
    const Setup& s = setup();
    SeededRandom rnd(1);
    std::size_t n = 0;
    for (auto _ : state) {
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        auto wb = WordBase::open(FileContext{files, prompt, rnd});
        std::vector<std::int32_t> records;
        wb->readRun(s.run.first, s.run.last, [&](std::int32_t r, const WordRecord& w) {
            if (isEligible(w.Segments, s.masks)) records.push_back(r);
        });
        std::int16_t offset = -1;
        n = thinCandidates(records, offset, rnd);
        benchmark::DoNotOptimize(records.data());
    }
    report(state, n);
}
BENCHMARK(BM_CollectDecodingEveryRecord)->Unit(benchmark::kMillisecond);

void BM_CopyRunBytes(benchmark::State& state)
{
    const Setup& s = setup();
    std::vector<std::uint8_t> copy(static_cast<std::size_t>(s.run.size()) * kWordRecordLength);
    for (auto _ : state) {
        std::memcpy(copy.data(),
                    s.bytes.data() + static_cast<std::size_t>(s.run.first - 1) * kWordRecordLength,
                    copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
    report(state, 0);
}
BENCHMARK(BM_CopyRunBytes)->Unit(benchmark::kMillisecond);

// A whole plan as the program makes it: the word base opened once, eight
// slots generated with 40 words each, words offered up to the level of the
// argument (0 everyday, 1 common: the default, 2 wider: no filter).
void BM_GenerateWholePlan(benchmark::State& state)
{
    const Setup& s = setup();
    StudentProfile student;
    student.ProfileNo = 1;
    student.SyllableMin = 1;
    student.SyllableMax = 9;
    for (int id = 0; id < seg::Count; ++id) student.StudiedSegments.add(id);
    for (int k = 4; k < 8; ++k) student.StudiedSegments.remove(s.largest[static_cast<std::size_t>(k)]);
    student.StudiedSegments.setFlagBits();
    Options options;  // 40-word lists
    options.OfferUpTo = static_cast<WordLevel>(state.range(0));
    SeededRandom rnd(7);
    int words = 0;
    for (auto _ : state) {
        PlanSession plan;
        plan.student = student;
        plan.plan = newPlanRecord(student);
        plan.prepare();
        for (int k = 0; k < 4; ++k) {
            const auto& studied = plan.lists.Studied;
            const auto& unstudied = plan.lists.Unstudied;
            plan.plan.ReviewSegments[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(
                std::find(studied.begin(), studied.end(), s.largest[static_cast<std::size_t>(k)]) -
                studied.begin());
            plan.plan.NewSegments[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(
                std::find(unstudied.begin(), unstudied.end(), s.largest[static_cast<std::size_t>(k + 4)]) -
                unstudied.begin());
        }
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        auto wb = WordBase::open(FileContext{files, prompt, rnd});
        words = 0;
        for (PlanSection section : {PlanSection::Review, PlanSection::New})
            for (int slot = 0; slot < 4; ++slot)
                words += generateSlot(plan, section, slot, wb.get(), s.index, options, rnd);
        benchmark::DoNotOptimize(plan.plan.ListWord.data());
    }
    state.counters["words"] = words;
    std::int64_t records = 0;
    for (int k = 0; k < 8; ++k)
        records += recordRun(s.index, s.largest[static_cast<std::size_t>(k)], 1, 9).size();
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_GenerateWholePlan)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
