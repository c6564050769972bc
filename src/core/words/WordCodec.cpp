#include "core/words/WordCodec.h"

#include <algorithm>
#include <string>

#include "core/store/KeyTables.h"
#include "core/words/WordLevel.h"

namespace moxlet {

namespace {

using Words = std::array<std::int16_t, kWordRecordWords>;

std::int16_t key(int row, int column)
{
    return KeyTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

std::int16_t perm(int row, int i)
{
    return PermTable[static_cast<std::size_t>(row)][static_cast<std::size_t>(i)];
}

std::int16_t x(std::int16_t a, std::int16_t b) { return static_cast<std::int16_t>(a ^ b); }

Words wordsOf(const RawWordRecord& raw)
{
    Words w{};
    for (std::size_t i = 0; i < w.size(); ++i)
        w[i] = static_cast<std::int16_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
    return w;
}

RawWordRecord bytesOf(const Words& w)
{
    RawWordRecord raw{};
    for (std::size_t i = 0; i < w.size(); ++i) {
        auto u = static_cast<std::uint16_t>(w[i]);
        raw[2 * i] = static_cast<std::uint8_t>(u & 0xFF);
        raw[2 * i + 1] = static_cast<std::uint8_t>(u >> 8);
    }
    return raw;
}

void trimRight(std::string& s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

bool decodeWordSegments(const std::uint8_t* raw, std::int32_t recordNo, SegmentSet& segments)
{
    auto stored = [raw](int i) { return static_cast<std::int16_t>(raw[2 * i] | (raw[2 * i + 1] << 8)); };
    const std::int16_t seed = x(key(0, 0), stored(0));
    if (seed < 0 || recordNo < 0) return false;
    const int a = seed % 21;
    const int b = seed % 6;
    const int c = static_cast<int>(recordNo % 21);
    for (int i = 3; i <= 26; ++i) {
        const int from = perm(b, i);
        segments.word(i - 2) = x(key(a, i), x(stored(from), key(c, from)));
    }
    return true;
}

bool decodeWordRecord(const RawWordRecord& raw, std::int32_t recordNo, WordRecord& word)
{
    Words r = wordsOf(raw);
    const std::int16_t seed = x(key(0, 0), r[0]);
    if (seed < 0 || recordNo < 0) return false;
    const int a = seed % 21;
    const int b = seed % 6;
    const int c = static_cast<int>(recordNo % 21);

    for (int i = 1; i < kWordRecordWords; ++i)
        r[static_cast<std::size_t>(i)] = x(r[static_cast<std::size_t>(i)], key(c, i));
    Words w{};
    w[0] = seed;
    for (int i = 1; i < kWordRecordWords; ++i)
        w[static_cast<std::size_t>(i)] = r[static_cast<std::size_t>(perm(b, i))];

    WordRecord out;
    out.WordSeed = 0;
    out.Level = levelOfSeed(seed);
    out.OrderKey = x(key(a, 1), w[1]);
    out.Length = x(key(a, 2), w[2]);
    for (int i = 3; i <= 26; ++i) out.Segments.word(i - 2) = x(key(a, i), w[static_cast<std::size_t>(i)]);

    std::string text;
    const int textWords = std::min((out.Length + 1) / 2, 10);
    for (int i = 1; i <= textWords; ++i) {
        const int j = 26 + i;
        const auto v = static_cast<std::uint16_t>(x(w[static_cast<std::size_t>(j)], key(a, j)));
        trimRight(text);
        text.push_back(static_cast<char>(v & 0xFF));
        // After an odd Length the high byte of the last word is padding, not
        // text: a builder writes a blank there, another file may not.
        if (2 * i > out.Length) break;
        trimRight(text);
        text.push_back(static_cast<char>(v >> 8));
    }
    out.WordText.assign(text);
    word = out;
    return true;
}

RawWordRecord encodeWordRecord(const WordRecord& word, std::int32_t recordNo, std::int16_t seed)
{
    const int a = seed % 21;
    const int b = seed % 6;
    const int c = static_cast<int>(recordNo % 21);

    Words w{};
    w[1] = x(key(a, 1), word.OrderKey);
    w[2] = x(key(a, 2), word.Length);
    for (int i = 3; i <= 26; ++i) w[static_cast<std::size_t>(i)] = x(key(a, i), word.Segments.word(i - 2));
    const auto& chars = word.WordText.bytes();
    for (int i = 1; i <= 10; ++i) {
        const auto k = static_cast<std::size_t>(2 * (i - 1));
        const bool lowUsed = static_cast<int>(k) < word.Length;
        const bool highUsed = static_cast<int>(k) + 1 < word.Length;
        const auto lo = static_cast<std::uint8_t>(lowUsed ? chars[k] : ' ');
        const auto hi = static_cast<std::uint8_t>(highUsed ? chars[k + 1] : ' ');
        w[static_cast<std::size_t>(26 + i)] = x(key(a, 26 + i), static_cast<std::int16_t>(lo | (hi << 8)));
    }

    Words r{};
    r[0] = x(key(0, 0), seed);
    for (int i = 1; i < kWordRecordWords; ++i) {
        const int p = perm(b, i);
        r[static_cast<std::size_t>(p)] = x(w[static_cast<std::size_t>(i)], key(c, p));
    }
    return bytesOf(r);
}

}  // namespace moxlet
