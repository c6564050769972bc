// moxlet-wordbase: builds WORDBASE.WDB, its offset index (WordOff1.cpp ..
// WordOff3.cpp) and the review listing from the lexicon under data/.
//
//   moxlet-wordbase DATA_DIR OUT_DIR [--index-dir DIR] [--stats]
//   moxlet-wordbase DATA_DIR --explain WORD...   (the sound parse and segments, for review)

#include <chrono>
#include <fstream>
#include <iostream>

#include "ListingWriter.h"
#include "OffsetIndexWriter.h"
#include "SoundAligner.h"
#include "SoundBridge.h"
#include "Taggers.h"
#include "WordBaseBuilder.h"
#include "WordBaseWriter.h"
#include "core/words/WordListing.h"

namespace {

// Writes only when the content differs, so unchanged outputs keep their time
// stamps and nothing downstream rebuilds.
bool writeIfChanged(const std::filesystem::path& path, const std::string& text)
{
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (old == text) return true;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace moxlet::wordbase;
    if (argc < 3) {
        std::cerr << "usage: moxlet-wordbase DATA_DIR OUT_DIR [--index-dir DIR] [--stats]\n";
        return 2;
    }
    const std::filesystem::path dataDir = argv[1];
    if (std::string(argv[2]) == "--explain") {
        try {
            const Lexicon lexicon = Lexicon::load(dataDir / "lexicon.tsv");
            const auto built = buildWords(lexicon, dataDir / "curated");
            for (int i = 3; i < argc; ++i) {
                const LexiconEntry* e = lexicon.find(argv[i]);
                if (!e) {
                    std::cout << argv[i] << "\tnot in the lexicon\n";
                    continue;
                }
                WordAnalysis a = WordAnalysis::analyse(*e);
                // The sound aligner's parse, the one every tagger reads:
                // letters:phones:kind+segments/syllable.
                std::cout << a.word << "\t" << phoneKey(a.phones) << "\t" << describe(soundAlignmentOf(a));
                for (const auto& w : built)
                    if (w.word == a.word)
                        std::cout << "\t" << moxlet::segmentIdList(w.segments) << "\t"
                                  << moxlet::wordFlags(w.segments);
                std::cout << "\n";
            }
        } catch (const std::exception& ex) {
            std::cerr << "moxlet-wordbase: " << ex.what() << "\n";
            return 1;
        }
        return 0;
    }
    const std::filesystem::path outDir = argv[2];
    std::filesystem::path indexDir = outDir;
    bool stats = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--index-dir" && i + 1 < argc)
            indexDir = argv[++i];
        else if (arg == "--stats")
            stats = true;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        const Lexicon lexicon = Lexicon::load(dataDir / "lexicon.tsv");
        std::vector<std::string> unexplained;
        const auto words = buildWords(lexicon, dataDir / "curated", &unexplained);
        const WordBaseImage image = layOutWordBase(words);
        std::filesystem::create_directories(outDir);
        std::filesystem::create_directories(indexDir);
        bool ok =
            writeIfChanged(outDir / "WORDBASE.WDB", std::string(image.bytes.begin(), image.bytes.end()));
        ok = writeIfChanged(outDir / "wordbase-listing.tsv", listingText(words)) && ok;
        for (int m = 1; m <= 3; ++m)
            ok = writeIfChanged(indexDir / ("WordOff" + std::to_string(m) + ".cpp"),
                                offsetModuleSource(image.index, m)) &&
                 ok;
        if (!ok) {
            std::cerr << "moxlet-wordbase: cannot write the outputs in " << outDir << "\n";
            return 1;
        }
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << "moxlet-wordbase: " << words.size() << " words, " << image.recordCount << " records, "
                  << ms << " ms\n";
        if (!unexplained.empty()) {
            std::cout << "moxlet-wordbase: " << unexplained.size()
                      << " words with a part no segment explains, made Rote Words:";
            for (std::size_t k = 0; k < unexplained.size() && k < 400; ++k)
                std::cout << " " << unexplained[k];
            std::cout << "\n";
        }
        if (stats) {
            for (int k = 1; k <= 9; ++k) {
                long n = 0;
                for (int s = 0; s <= 331; ++s) {
                    const auto f = image.index.first(s, k), l = image.index.last(s, k);
                    n += l - f + 1;
                }
                std::cout << "syllables " << k << ": " << n << " records\n";
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "moxlet-wordbase: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
