#include "WordBaseWriter.h"

#include <algorithm>

#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"

namespace moxlet::wordbase {

namespace {
constexpr int kLastSegment = 331;
}

std::uint64_t stableHash(const std::string& text, std::uint64_t salt)
{
    std::uint64_t h = 1469598103934665603ULL ^ (salt * 1099511628211ULL);
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    // Final mix so that near keys spread.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

WordBaseImage layOutWordBase(const std::vector<BuiltWord>& words)
{
    // Words of every block.
    std::vector<std::vector<std::vector<std::size_t>>> blocks(
        kLastSegment + 1, std::vector<std::vector<std::size_t>>(kIndexSyllables));
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto syl = static_cast<std::size_t>(std::clamp(words[i].syllables, 1, kIndexSyllables) - 1);
        for (int s = 0; s <= kLastSegment; ++s)
            if (words[i].segments.contains(s)) blocks[static_cast<std::size_t>(s)][syl].push_back(i);
    }

    WordBaseImage image;
    std::int32_t next = 1;
    for (int s = 0; s <= kLastSegment; ++s) {
        for (int k = 0; k < kIndexSyllables; ++k) {
            auto& block = blocks[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)];
            std::vector<std::pair<std::uint64_t, std::size_t>> order;
            order.reserve(block.size());
            for (std::size_t i : block)
                order.emplace_back(stableHash(words[i].word, static_cast<std::uint64_t>(s) + 1), i);
            std::sort(order.begin(), order.end(), [&](const auto& x, const auto& y) {
                return x.first != y.first ? x.first < y.first : words[x.second].word < words[y.second].word;
            });
            const std::int32_t first = next;
            for (const auto& [hash, i] : order) {
                const BuiltWord& w = words[i];
                WordRecord rec;
                rec.OrderKey = static_cast<std::int16_t>(w.syllables);
                rec.Length = static_cast<std::int16_t>(w.word.size());
                rec.Segments = w.segments;
                rec.WordText.assign(w.word);
                const auto seed =
                    seedWithLevel(static_cast<std::uint32_t>(
                                      stableHash(w.word, 0x5EED0000ULL + static_cast<std::uint64_t>(next))),
                                  w.level);
                const RawWordRecord raw = encodeWordRecord(rec, next, seed);
                image.bytes.insert(image.bytes.end(), raw.begin(), raw.end());
                ++next;
            }
            image.index.set(s, k, first, next - 1);
        }
    }
    image.recordCount = next - 1;
    return image;
}

}  // namespace moxlet::wordbase
