// Bytes 0..73 are a stored word record (zeros past the input), bytes 74..77
// its record number (little-endian, 1 when absent).
//
// Any record decodes without fault: it is refused, leaving the word as it
// was, exactly when its seed is negative or the number is; otherwise the
// text is at most 20 characters, the segment-only decoder agrees with the
// whole one, and scrambling the word again with its own seed and number
// gives a record that decodes to the same word.  The same bytes, read as a
// word (a Length, a text without blanks, segments), scramble and decode
// back to that word exactly, for any seed 0..32767 and number.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "FuzzSupport.h"
#include "core/store/KeyTables.h"
#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"

using namespace moxlet;

namespace {

std::int16_t int16At(const RawWordRecord& raw, std::size_t i)
{
    return static_cast<std::int16_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    RawWordRecord raw{};
    std::memcpy(raw.data(), data, std::min<std::size_t>(size, kWordRecordLength));
    std::int32_t recordNo = 1;
    if (size >= kWordRecordLength + 4) {
        std::uint32_t n = 0;
        for (std::size_t i = 0; i < 4; ++i)
            n |= static_cast<std::uint32_t>(data[kWordRecordLength + i]) << (8 * i);
        recordNo = static_cast<std::int32_t>(n);
    }

    const auto seed = static_cast<std::int16_t>(KeyTable[0][0] ^ int16At(raw, 0));
    WordRecord untouched;
    untouched.OrderKey = 77;
    untouched.WordText.assign("untouched");
    WordRecord word = untouched;
    const bool decoded = decodeWordRecord(raw, recordNo, word);
    SegmentSet segments;
    const bool segmentsDecoded = decodeWordSegments(raw.data(), recordNo, segments);
    FUZZ_CHECK(decoded == (seed >= 0 && recordNo >= 0));
    FUZZ_CHECK(segmentsDecoded == decoded);
    if (!decoded) {
        FUZZ_CHECK(word == untouched);
    } else {
        FUZZ_CHECK(word.WordSeed == 0);
        FUZZ_CHECK(word.Level == levelOfRecord(raw.data()));
        FUZZ_CHECK(segments == word.Segments);
        WordRecord again;
        FUZZ_CHECK(decodeWordRecord(encodeWordRecord(word, recordNo, seed), recordNo, again));
        FUZZ_CHECK(again == word);
    }

    // The input as a word to scramble.
    WordRecord built;
    built.OrderKey = int16At(raw, 1);
    built.Length = static_cast<std::int16_t>(int16At(raw, 2) % 32);
    for (int w = 1; w <= 24; ++w) built.Segments.word(w) = int16At(raw, static_cast<std::size_t>(2 + w));
    char text[kMaxWordLength] = {};
    const int used = std::clamp<int>(built.Length, 0, kMaxWordLength);
    for (int i = 0; i < used; ++i) {
        const char c = static_cast<char>(raw[static_cast<std::size_t>(54 + i)]);
        text[i] = c == ' ' ? '_' : c;
    }
    built.WordText.assign(std::string_view(text, static_cast<std::size_t>(used)));
    const auto builtSeed = static_cast<std::int16_t>(static_cast<std::uint16_t>(recordNo) & 0x7FFF);
    const std::int32_t builtNo = recordNo < 0 ? -(recordNo + 1) : recordNo;
    built.Level = levelOfSeed(builtSeed);
    WordRecord back;
    FUZZ_CHECK(decodeWordRecord(encodeWordRecord(built, builtNo, builtSeed), builtNo, back));
    FUZZ_CHECK(back == built);
    return 0;
}
