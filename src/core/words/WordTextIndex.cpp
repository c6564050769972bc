#include "core/words/WordTextIndex.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <unordered_map>

namespace moxlet {

namespace {

using TextBytes = std::array<char, 20>;

bool textBefore(const TextBytes& a, const TextBytes& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

std::int32_t lastIndexedRecord(const OffsetIndex& index)
{
    std::int32_t last = 0;
    for (const auto& row : index.LastRecord) last = std::max(last, *std::max_element(row.begin(), row.end()));
    return last;
}

}  // namespace

std::shared_ptr<const WordTextIndex> WordTextIndex::build(WordBase& wordBase, const OffsetIndex& index)
{
    const std::int32_t indexed = lastIndexedRecord(index);
    if (wordBase.recordCount() < indexed) wordBase.reportShortfall();
    const std::int32_t last = std::min(indexed, wordBase.recordCount());

    auto built = std::shared_ptr<WordTextIndex>(new WordTextIndex);
    std::vector<Entry>& entries = built->entries_;
    std::unordered_map<std::string_view, std::uint32_t> ids;  // views into a stable copy of each text
    std::vector<std::unique_ptr<TextBytes>> texts;
    std::vector<std::pair<std::uint32_t, std::int32_t>> records;  // (entry, record), records ascending
    records.reserve(static_cast<std::size_t>(std::max(last, 0)));
    const bool read = last < 1 || wordBase.readRun(1, last, [&](std::int32_t n, const WordRecord& w) {
        const std::string_view text(w.WordText.bytes().data(), w.WordText.bytes().size());
        const auto found = ids.find(text);
        std::uint32_t id = 0;
        if (found == ids.end()) {
            id = static_cast<std::uint32_t>(entries.size());
            texts.push_back(std::make_unique<TextBytes>(w.WordText.bytes()));
            ids.emplace(std::string_view(texts.back()->data(), texts.back()->size()), id);
            entries.push_back({w, 0, 0, true});
        } else {
            id = found->second;
            entries[id].uniform = entries[id].uniform && entries[id].word == w;
        }
        records.emplace_back(id, n);
    });
    if (!read) return nullptr;

    // Entries in text order; each one's records together, still ascending.
    std::vector<std::uint32_t> order(entries.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return textBefore(entries[a].word.WordText.bytes(), entries[b].word.WordText.bytes());
    });
    std::vector<std::uint32_t> rank(entries.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) rank[order[k]] = k;
    std::vector<Entry> sorted(entries.size());
    for (std::uint32_t k = 0; k < order.size(); ++k) sorted[k] = entries[order[k]];
    for (const auto& [id, n] : records) ++sorted[rank[id]].records;
    std::uint32_t start = 0;
    for (Entry& e : sorted) {
        e.firstRecord = start;
        start += e.records;
        e.records = 0;
    }
    built->records_.resize(records.size());
    for (const auto& [id, n] : records) {
        Entry& e = sorted[rank[id]];
        built->records_[e.firstRecord + e.records++] = n;
    }
    entries = std::move(sorted);
    entries.shrink_to_fit();
    return built;
}

std::optional<WordTextIndex::Match> WordTextIndex::find(std::string_view text) const
{
    if (text.size() > 20) return std::nullopt;
    const FixedText<20> target(text);
    const auto at = std::lower_bound(
        entries_.begin(), entries_.end(), target.bytes(),
        [](const Entry& e, const TextBytes& t) { return textBefore(e.word.WordText.bytes(), t); });
    if (at == entries_.end() || at->word.WordText != target) return std::nullopt;
    return Match{&at->word, at->uniform, std::span(records_).subspan(at->firstRecord, at->records)};
}

std::size_t WordTextIndex::memoryBytes() const
{
    return entries_.capacity() * sizeof(Entry) + records_.capacity() * sizeof(std::int32_t);
}

const WordTextIndex* textIndexOf(WordSource& source, WordBase& wordBase)
{
    if (!source.texts) source.texts = WordTextIndex::build(wordBase, source.index);
    return source.texts.get();
}

}  // namespace moxlet
