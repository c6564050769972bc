// Checking a passage against a student on the shipped word base:
//   - building the word base by text (WordTextIndex), which the first check
//     of a program run pays for: its time, and its size as counters;
//   - a passage of 1,000 words (drawn at random from the word base, so
//     hundreds of them distinct, with capitals, punctuation, names and
//     numbers) for a beginner and for a student who has studied everything;
//   - one word looked up with the index and found by reading runs.

#include <benchmark/benchmark.h>
#include <random>

#include "core/store/DiskFileSystem.h"
#include "core/words/PassageCheck.h"
#include "core/words/PassageSummary.h"
#include "core/words/WordCheck.h"
#include "support/ScriptedPrompt.h"

namespace {

using namespace moxlet;

struct Shipped {
    OffsetIndex index;
    DiskFileSystem files{MOXLET_WORDBASE_DIR};
    ScriptedPrompt prompt;
    SeededRandom random{1};
    std::unique_ptr<WordBase> wordBase;
    std::shared_ptr<const WordTextIndex> texts;
    Shipped()
    {
        fillOffsetIndex(index);
        wordBase = WordBase::open(FileContext{files, prompt, random});
        texts = WordTextIndex::build(*wordBase, index);
    }
};

Shipped& shipped()
{
    static Shipped s;
    return s;
}

// 1,000 words: every twelfth or so ends a sentence, the next starts with a
// capital; now and then a name or a number.
std::string passage()
{
    std::vector<std::string> words;
    shipped().wordBase->readRun(1, shipped().wordBase->recordCount(),
                                [&](std::int32_t n, const WordRecord& w) {
                                    if (n % 97 == 0) words.push_back(w.WordText.trimmed());
                                });
    std::mt19937 rng(26);
    std::string text;
    bool capital = true;
    for (int k = 0; k < 1000; ++k) {
        std::string word = k % 53 == 7 ? "Sam" : k % 71 == 3 ? "1,250" : words[rng() % words.size()];
        if (capital && word[0] >= 'a') word[0] = static_cast<char>(word[0] - 'a' + 'A');
        capital = rng() % 12 == 0;
        text += word + (capital ? ". " : k % 7 == 0 ? ", " : " ");
    }
    return text;
}

PassageStudent student(bool beginner)
{
    PassageStudent s;
    s.name = "Sam";
    if (beginner)
        for (int id : {seg::A_Short, seg::E_Short, seg::I_Short,
                       seg::O_Short, seg::U_Short, seg::B,
                       seg::C_K,     seg::D,       seg::F,
                       seg::G_G,     seg::H,       seg::L,
                       seg::M,       seg::N,       seg::P,
                       seg::R,       seg::S,       seg::T,
                       seg::SH,      seg::CK,      seg::ClosedSyllable})
            s.studied.add(id);
    else
        s.studied.addRange(0, seg::Count - 1);
    s.syllableMax = beginner ? 1 : 9;
    return s;
}

void buildTextIndex(benchmark::State& state)
{
    std::shared_ptr<const WordTextIndex> texts;
    for (auto _ : state) {
        DiskFileSystem files(MOXLET_WORDBASE_DIR);
        ScriptedPrompt prompt;
        SeededRandom random(1);
        auto wb = WordBase::open(FileContext{files, prompt, random});
        texts = WordTextIndex::build(*wb, shipped().index);
        benchmark::DoNotOptimize(texts);
    }
    state.counters["words"] = static_cast<double>(texts->wordCount());
    state.counters["records"] = static_cast<double>(texts->recordCount());
    state.counters["MB"] = static_cast<double>(texts->memoryBytes()) / 1e6;
}
BENCHMARK(buildTextIndex)->Unit(benchmark::kMillisecond);

void checkThousandWords(benchmark::State& state, bool beginner)
{
    const std::string text = passage();
    const PassageStudent s = student(beginner);
    PassageReport report;
    for (auto _ : state) {
        report = checkPassage(*shipped().wordBase, shipped().index, *shipped().texts, text, s);
        benchmark::DoNotOptimize(passageSummary(report, s.name));
        benchmark::DoNotOptimize(segmentNeeds(report));
    }
    state.counters["running"] = report.runningWords;
    state.counters["distinct"] = static_cast<double>(report.words.size());
    state.counters["decodable"] = report.decodableWords;
}
BENCHMARK_CAPTURE(checkThousandWords, beginner, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkThousandWords, advanced, false)->Unit(benchmark::kMillisecond);

void findOneWord(benchmark::State& state, const char* word, bool indexed)
{
    FoundWord found;
    std::int32_t read = 0;
    for (auto _ : state) {
        read = 0;
        findWord(*shipped().wordBase, shipped().index, word, kNoSegment, found, read,
                 indexed ? shipped().texts.get() : nullptr);
        benchmark::DoNotOptimize(found);
    }
    state.counters["records"] = read;
}
BENCHMARK_CAPTURE(findOneWord, thought_indexed, "thought", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findOneWord, thought_read, "thought", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findOneWord, missing_indexed, "zorblatch", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(findOneWord, missing_read, "zorblatch", false)->Unit(benchmark::kMicrosecond);

}  // namespace
