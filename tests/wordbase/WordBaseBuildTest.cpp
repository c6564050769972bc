// The word base as built: the builder is deterministic, its index is
// contiguous, every record decodes back to the listing, and the first tagging
// finds the consonants, blends, syllable types and homophones of known words.

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "ListingWriter.h"
#include "WordBaseBuilder.h"
#include "WordBaseWriter.h"
#include "core/store/DiskFileSystem.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"
#include "core/words/WordLevel.h"
#include "core/words/WordListing.h"
#include "support/ScriptedPrompt.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

namespace fs = std::filesystem;
using namespace moxlet::wordbase;

const fs::path kFixture = fs::path(MOXLET_SOURCE_DIR) / "tests" / "data" / "wordbase";

WordBaseImage buildFixture(std::vector<BuiltWord>* words = nullptr)
{
    const Lexicon lexicon = Lexicon::load(kFixture / "lexicon.tsv");
    auto built = buildWords(lexicon, kFixture / "curated");
    if (words) *words = built;
    return layOutWordBase(built);
}

// The listing as word -> "syllables<TAB>ids<TAB>flags<TAB>level".
std::map<std::string, std::string> parseListing(std::istream& in)
{
    std::map<std::string, std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto tab = line.find('\t');
        out[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return out;
}

// Checks the index's blocks against each other and against the records.
void expectIndexMatchesRecords(const OffsetIndex& index, WordBase& wb)
{
    std::int32_t expected = 1;
    for (int s = 0; s <= 331; ++s) {
        for (int k = 1; k <= kIndexSyllables; ++k) {
            const auto first = index.first(s, k), last = index.last(s, k);
            ASSERT_EQ(first, expected) << s << "/" << k;
            ASSERT_GE(last, first - 1) << s << "/" << k;
            expected = last + 1;
            ASSERT_TRUE(wb.readRun(first, last, [&](std::int32_t n, const WordRecord& w) {
                EXPECT_TRUE(w.Segments.contains(s)) << n;
                EXPECT_EQ(w.OrderKey, k) << n;
            }));
        }
    }
    EXPECT_EQ(expected - 1, wb.recordCount());
    for (int s = 332; s <= 360; ++s)
        for (int k = 1; k <= kIndexSyllables; ++k) EXPECT_EQ(index.first(s, k) | index.last(s, k), 0);
}

void expectRecordsMatchListing(WordBase& wb, const std::map<std::string, std::string>& listing)
{
    std::map<std::string, int> records;
    ASSERT_TRUE(wb.readRun(1, wb.recordCount(), [&](std::int32_t n, const WordRecord& w) {
        const std::string text = w.WordText.trimmed();
        EXPECT_EQ(static_cast<std::size_t>(w.Length), text.size()) << n;
        auto it = listing.find(text);
        ASSERT_NE(it, listing.end()) << text;
        EXPECT_EQ(std::to_string(w.OrderKey) + "\t" + segmentIdList(w.Segments) + "\t" +
                      wordFlags(w.Segments) + "\t" + std::string(levelName(w.Level)),
                  it->second)
            << text;
        ++records[text];
    }));
    for (const auto& [word, line] : listing) {
        const auto ids = line.substr(line.find('\t') + 1);
        const auto segments =
            std::count(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(ids.find('\t')), ',') + 1;
        EXPECT_EQ(records[word], segments) << word;  // one record per segment
    }
}

TEST(WordBaseBuild, TwoBuildsGiveIdenticalBytes)
{
    const WordBaseImage a = buildFixture();
    const WordBaseImage b = buildFixture();
    EXPECT_EQ(a.bytes, b.bytes);
    EXPECT_EQ(a.index.FirstRecord, b.index.FirstRecord);
    EXPECT_EQ(a.index.LastRecord, b.index.LastRecord);
    EXPECT_EQ(a.bytes.size(), static_cast<std::size_t>(a.recordCount) * kWordRecordLength);
}

TEST(WordBaseBuild, FixtureIndexIsContiguousAndRecordsMatchTheListing)
{
    std::vector<BuiltWord> words;
    const WordBaseImage image = buildFixture(&words);
    test::TestWordBase memory;
    memory.bytes = image.bytes;
    auto wb = memory.open();
    ASSERT_NE(wb, nullptr);
    expectIndexMatchesRecords(image.index, *wb);
    std::istringstream listing(listingText(words));
    expectRecordsMatchListing(*wb, parseListing(listing));
}

TEST(WordBaseBuild, FirstTaggingOfKnownWords)
{
    std::vector<BuiltWord> words;
    buildFixture(&words);
    std::map<std::string, SegmentSet> byWord;
    for (const auto& w : words) byWord[w.word] = w.segments;
    struct Expect {
        const char* word;
        std::vector<int> has;
        std::vector<int> hasNot;
    };
    const Expect cases[] = {
        {"cat", {0, 11, 93, 121}, {12, 331}},
        {"stop", {86, 93, 58, 79, 153, 121}, {}},
        {"hand", {42, 0, 55, 17, 137}, {}},
        {"strap", {154, 86, 93, 84}, {153, 157}},  // the three-letter blend, not the two inside it
        {"school", {144, 64, 51, 122}, {13}},
        {"chef", {15, 19, 36}, {13, 14}},
        {"sing", {56, 43}, {55, 37}},
        {"table", {119, 120, 10, 51, 93}, {}},
        {"make", {118, 52, 49}, {0}},
        {"rabbit", {0, 10, 43, 121}, {}},
        {"transport", {157, 149, 121, 123}, {}},
        {"hopping", {159, 245}, {}},
        {"unhappy", {205}, {}},
        {"education", {97, 98}, {}},
    };
    for (const auto& c : cases) {
        const SegmentSet& s = byWord.at(c.word);
        for (int id : c.has) EXPECT_TRUE(s.contains(id)) << c.word << " lacks " << id;
        for (int id : c.hasNot) EXPECT_FALSE(s.contains(id)) << c.word << " has " << id;
    }
    const auto flags = [&](const char* w) { return byWord.at(w).word(24) & kHomophoneFlag; };
    EXPECT_TRUE(flags("there") && flags("their") && flags("meet") && flags("meat"));
    EXPECT_FALSE(flags("cat"));
}

// The word base of the ordinary build, with the compiled-in index.
TEST(WordBaseBuild, ShippedWordBaseMatchesItsIndexAndListing)
{
    const fs::path dir = fs::path(MOXLET_BINARY_DIR) / "share" / "moxlet";
    DiskFileSystem files(dir.string());
    ScriptedPrompt prompt;
    SeededRandom random(1);
    auto wb = WordBase::open(FileContext{files, prompt, random});
    ASSERT_NE(wb, nullptr) << "the build makes " << (dir / "WORDBASE.WDB");
    OffsetIndex index;
    fillOffsetIndex(index);
    EXPECT_EQ(indexedRecordCount(), wb->recordCount());
    expectIndexMatchesRecords(index, *wb);
    std::ifstream listing(dir / "wordbase-listing.tsv");
    expectRecordsMatchListing(*wb, parseListing(listing));
}

}  // namespace
}  // namespace moxlet
