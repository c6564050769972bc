// Reading WORDBASE.WDB through the file layer: open and read failures are
// reported with the word base's messages (Retry repeats), a failed read
// leaves the record, and where the program finds the file.  The record
// codec: encoding is the exact inverse of decoding, odd lengths keep their
// length whatever the padding byte holds, and the seed carries the word's
// level.  The stored bytes themselves (scrambled, by record number) are
// pinned by the known-answer word base (KnownAnswerTest).

#include <gtest/gtest.h>

#include "core/store/FileError.h"
#include "core/words/WordBase.h"
#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"
#include "support/Segments.h"
#include "support/TempFolder.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

namespace fs = std::filesystem;

TEST(WordBaseReader, AMissingFileIsReportedWithTheOpenMessageAndRetriedOnRequest)
{
    test::TestWordBase b;
    b.prompt.answer(Answer::Ok);
    EXPECT_EQ(WordBase::open(FileContext{b.fs, b.prompt, b.random}), nullptr);
    ASSERT_EQ(b.prompt.shown().size(), 1u);
    EXPECT_EQ(b.prompt.shown()[0].text, "Unable to open WordBase file, WORDBASE.WDB.  File not found.");
    EXPECT_EQ(b.prompt.shown()[0].title, "File Error");
    EXPECT_FALSE(b.fs.exists(kWordBaseFileName));  // never created

    // A device error offers Retry; the second attempt finds the file.
    test::TestWordBase r;
    r.addRecord(test::segmentSet({seg::A_Short}), 1, "cat");
    r.fs.failReadAt(1, 68);
    r.prompt.answer(Answer::Retry);
    auto wb = r.open();
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->recordCount(), 1);
    EXPECT_EQ(r.prompt.shown().size(), 1u);
}

TEST(WordBaseReader, ReadsRecordsAndReportsReadsPastTheEnd)
{
    test::TestWordBase b;
    for (const char* text : {"cat", "stop", "hand"}) b.addRecord(test::segmentSet({seg::A_Short}), 1, text);
    auto wb = b.open();
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->recordCount(), 3);
    WordRecord w;
    ASSERT_TRUE(wb->read(2, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");
    EXPECT_TRUE(b.prompt.shown().empty());

    EXPECT_FALSE(wb->read(4, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");  // unchanged
    EXPECT_EQ(b.prompt.texts(),
              std::vector<std::string>{
                  "Unable to read WordBase file, WORDBASE.WDB.  This file has a nonstandard end-of-file "
                  "marker,or an attempt was made to read beyond the end-of-file marker."});

    std::vector<std::string> seen;
    EXPECT_FALSE(
        wb->readRun(2, 5, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_TRUE(seen.empty());  // the block past the end fails as a whole
    EXPECT_TRUE(
        wb->readRun(1, 3, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_EQ(seen, (std::vector<std::string>{"cat", "stop", "hand"}));
}

TEST(WordBaseReader, FindsTheDataDirectoryFirstThenTheInstallation)
{
    test::TempFolder dir;
    const fs::path data = dir.path / "data", install = dir.path / "install";
    fs::create_directories(data);
    fs::create_directories(install);
    EXPECT_EQ(wordBaseDirectory(data, install), data);  // neither: the data directory
    dir.put("install/" + std::string(kWordBaseFileName), "x");
    EXPECT_EQ(wordBaseDirectory(data, install), install);
    dir.put("data/" + std::string(kWordBaseFileName), "x");
    EXPECT_EQ(wordBaseDirectory(data, install), data);
}

WordRecord makeWord(const std::string& text, int syllables, std::initializer_list<int> segments,
                    std::int16_t flags = 0)
{
    WordRecord w;
    w.OrderKey = static_cast<std::int16_t>(syllables);
    w.Length = static_cast<std::int16_t>(text.size());
    w.Segments = test::segmentSet(segments);
    w.Segments.word(24) = static_cast<std::int16_t>(w.Segments.word(24) | flags);
    w.WordText.assign(text);
    return w;
}

TEST(WordCodec, DecodesWhatWasEncoded)
{
    const struct {
        std::string text;
        std::int32_t recordNo;
        std::int16_t seed;
    } cases[] = {{"a", 1, 0},
                 {"at", 2, 1},
                 {"cat", 21, 32767},
                 {"rabbit", 90516, 12345},
                 {"notwithstanding", 7, 20},
                 {"internationalization", 100000, 5},  // 20 letters
                 {"extraordinarinesses", 41, 6}};      // 19 letters, odd
    for (const auto& c : cases) {
        WordRecord w = makeWord(c.text, 3, {0, 14, 15, 121, 153, 331}, kRootFlag | kHomophoneFlag);
        w.Level = levelOfSeed(c.seed);
        WordRecord out;
        out.WordSeed = 99;
        ASSERT_TRUE(decodeWordRecord(encodeWordRecord(w, c.recordNo, c.seed), c.recordNo, out)) << c.text;
        EXPECT_EQ(out, w) << c.text;
        EXPECT_EQ(out.WordSeed, 0);
        EXPECT_EQ(out.WordText.trimmed(), c.text);
    }
}

// The level rides in the seed's bits 13-14, whatever the hash and the
// record number choose for the key and permutation rows; reading it from
// the raw record agrees with the full decoding, and the bits 3 that no
// builder writes read as Wider.
TEST(WordCodec, SeedCarriesTheLevel)
{
    const WordRecord w = makeWord("hummed", 1, {52, 99});
    for (const std::uint32_t hash : {0U, 1U, 0x1FFFU, 0xDEADBEEFU, 41U, 20U})
        for (const auto level : {WordLevel::Everyday, WordLevel::Common, WordLevel::Wider})
            for (const std::int32_t n : {1, 20, 90516}) {
                const auto seed = seedWithLevel(hash, level);
                ASSERT_GE(seed, 0);
                const RawWordRecord raw = encodeWordRecord(w, n, seed);
                WordRecord out;
                ASSERT_TRUE(decodeWordRecord(raw, n, out));
                EXPECT_EQ(levelOf(out), level) << hash << " " << n;
                EXPECT_EQ(levelOfRecord(raw.data()), level);
                EXPECT_EQ(out.WordText.trimmed(), "hummed");
            }
    EXPECT_EQ(levelOfSeed(0x7FFF), WordLevel::Wider);
    EXPECT_TRUE(offeredUpTo(WordLevel::Common, WordLevel::Wider));
    EXPECT_FALSE(offeredUpTo(WordLevel::Wider, WordLevel::Common));
    for (const auto level : {WordLevel::Everyday, WordLevel::Common, WordLevel::Wider})
        EXPECT_EQ(parseWordLevel(levelName(level)), level);
    EXPECT_EQ(parseWordLevel("rare"), std::nullopt);
}

// A record written elsewhere may hold anything in the byte after an odd
// Length.  Scrambling is an exclusive or with keys fixed by seed and record
// number, so E(3, "cats") = E(4, "cats") ^ E(4, "cat") ^ E(3, "cat") is the
// record of Length 3 whose padding byte is 's'.
TEST(WordCodec, PaddingAfterAnOddLengthIsNotText)
{
    struct Case {
        const char* stored;  // Length + 1 bytes: the word and a padding byte
        const char* text;    // what decodes
    } const cases[] = {
        {"as", "a"}, {"cats", "cat"}, {"seven!", "seven"}, {"abcdefghijklmnopqrsZ", "abcdefghijklmnopqrs"}};
    for (const auto& c : cases) {
        const std::string text = c.text;
        const auto length = static_cast<std::int16_t>(text.size());
        WordRecord padded = makeWord(c.stored, 1, {0});
        const RawWordRecord full = encodeWordRecord(padded, 8, 99);
        padded.WordText.assign(text);
        const RawWordRecord blankPad = encodeWordRecord(padded, 8, 99);
        padded.Length = length;
        const RawWordRecord shortWord = encodeWordRecord(padded, 8, 99);
        RawWordRecord raw{};
        for (std::size_t i = 0; i < raw.size(); ++i)
            raw[i] = static_cast<std::uint8_t>(full[i] ^ blankPad[i] ^ shortWord[i]);
        WordRecord out;
        ASSERT_TRUE(decodeWordRecord(raw, 8, out)) << c.stored;
        EXPECT_EQ(out.Length, length) << c.stored;
        EXPECT_EQ(out.WordText.trimmed(), text) << c.stored;
        WordRecord again;
        ASSERT_TRUE(decodeWordRecord(encodeWordRecord(out, 8, 99), 8, again));
        EXPECT_EQ(again, out) << c.stored;
    }
}

TEST(WordCodec, NegativeSeedIsRefusedAndLeavesTheRecord)
{
    RawWordRecord raw{};
    raw[1] = 0x80;  // r0 high bit: with KeyTable(0, 0) positive the seed is negative
    WordRecord before = makeWord("keep", 1, {1});
    WordRecord w = before;
    EXPECT_FALSE(decodeWordRecord(raw, 1, w));
    EXPECT_EQ(w, before);
}

}  // namespace
}  // namespace moxlet
