// The word base record codec: encoding is the exact inverse of decoding, the
// decoding depends on the record number, odd lengths keep their length
// whatever the padding byte holds, and the seed carries the word's level.

#include "core/words/WordCodec.h"

#include <gtest/gtest.h>

#include "core/words/WordLevel.h"

namespace moxlet {
namespace {

WordRecord makeWord(const std::string& text, int syllables, std::initializer_list<int> segments,
                    std::int16_t flags = 0)
{
    WordRecord w;
    w.OrderKey = static_cast<std::int16_t>(syllables);
    w.Length = static_cast<std::int16_t>(text.size());
    for (int s : segments) w.Segments.add(s);
    w.Segments.word(24) = static_cast<std::int16_t>(w.Segments.word(24) | flags);
    w.WordText.assign(text);
    return w;
}

struct CodecCase {
    std::string text;
    std::int32_t recordNo;
    std::int16_t seed;
};

class WordCodecRoundTrip : public ::testing::TestWithParam<CodecCase> {};

TEST_P(WordCodecRoundTrip, DecodesWhatWasEncoded)
{
    const auto& c = GetParam();
    WordRecord w = makeWord(c.text, 3, {0, 14, 15, 121, 153, 331}, kRootFlag | kHomophoneFlag);
    w.Level = levelOfSeed(c.seed);
    WordRecord out;
    out.WordSeed = 99;
    ASSERT_TRUE(decodeWordRecord(encodeWordRecord(w, c.recordNo, c.seed), c.recordNo, out));
    EXPECT_EQ(out, w);
    EXPECT_EQ(out.WordSeed, 0);
    EXPECT_EQ(out.WordText.trimmed(), c.text);
}

INSTANTIATE_TEST_SUITE_P(LengthsSeedsAndRecords, WordCodecRoundTrip,
                         ::testing::Values(CodecCase{"a", 1, 0}, CodecCase{"at", 2, 1},
                                           CodecCase{"cat", 21, 32767}, CodecCase{"rabbit", 90516, 12345},
                                           CodecCase{"notwithstanding", 7, 20},
                                           CodecCase{"internationalization", 100000, 5},  // 20 letters
                                           CodecCase{"extraordinarinesses", 41, 6}));     // 19 letters, odd

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

TEST(WordCodec, OddLengthDecodesToExactlyLengthCharacters)
{
    for (const std::string text : {"a", "cat", "seven", "abcdefghijklmnopqrs"}) {
        WordRecord out;
        ASSERT_TRUE(decodeWordRecord(encodeWordRecord(makeWord(text, 1, {0}), 5, 77), 5, out));
        EXPECT_EQ(out.Length, static_cast<std::int16_t>(text.size()));
        EXPECT_EQ(out.WordText.trimmed(), text);
    }
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

TEST(WordCodec, DecodingDependsOnTheRecordNumber)
{
    const WordRecord w = makeWord("bread", 1, {10, 17, 22, 84, 122, 125});
    const RawWordRecord raw = encodeWordRecord(w, 100, 4321);
    WordRecord same, other, cycle;
    ASSERT_TRUE(decodeWordRecord(raw, 100, same));
    ASSERT_TRUE(decodeWordRecord(raw, 101, other));
    ASSERT_TRUE(decodeWordRecord(raw, 100 + 21, cycle));  // the record's key row repeats every 21 records
    EXPECT_EQ(same, w);
    EXPECT_NE(other, w);
    EXPECT_EQ(cycle, w);
}

TEST(WordCodec, StoredBytesAreScrambled)
{
    const WordRecord w = makeWord("cat", 1, {0, 11, 93, 121});
    const RawWordRecord a = encodeWordRecord(w, 1, 10);
    const RawWordRecord b = encodeWordRecord(w, 1, 11);
    EXPECT_NE(a, b);  // the seed changes every stored word
    const std::string bytes(a.begin(), a.end());
    EXPECT_EQ(bytes.find("cat"), std::string::npos);
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
