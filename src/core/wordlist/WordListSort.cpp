#include "core/wordlist/WordListSort.h"

#include <algorithm>
#include <utility>

#include "core/catalogue/Marks.h"

namespace moxlet {

namespace {

unsigned char lowered(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // À..Þ except ×, and Š, Œ, Ž, Ÿ.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

struct Keyed {
    SortableWord word;
    std::string key;
};

// a is before b.
bool before(const Keyed& a, const Keyed& b)
{
    if (a.word.orderKey != b.word.orderKey) return a.word.orderKey < b.word.orderKey;
    return a.key < b.key;
}

// Partitions [left, right]; what is left to sort is [left, j] and [i, right].
void partition(std::vector<Keyed>& v, std::ptrdiff_t left, std::ptrdiff_t right, std::ptrdiff_t& j,
               std::ptrdiff_t& i)
{
    const Keyed pivot = v[static_cast<std::size_t>((left + right) / 2)];
    i = left;
    j = right;
    do {
        while (i < right && before(v[static_cast<std::size_t>(i)], pivot)) ++i;
        while (j > left && before(pivot, v[static_cast<std::size_t>(j)])) --j;
        if (i <= j) {
            std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
}

}  // namespace

std::string wordSortKey(const std::string& text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(lowered(static_cast<unsigned char>(c)));
    return cp1252ToUtf8(lower);
}

void sortWords(std::vector<SortableWord>& words)
{
    if (words.size() < 2) return;
    std::vector<Keyed> v;
    v.reserve(words.size());
    for (SortableWord& w : words) {
        std::string key = wordSortKey(w.text);
        v.push_back({std::move(w), std::move(key)});
    }
    // Ranges still to sort; the smaller part of each partition goes on top,
    // so at most log2(n) ranges wait at any time.
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> pending{
        {0, static_cast<std::ptrdiff_t>(v.size()) - 1}};
    while (!pending.empty()) {
        const auto [left, right] = pending.back();
        pending.pop_back();
        std::ptrdiff_t j = 0, i = 0;
        partition(v, left, right, j, i);
        const bool lower = left < j, upper = i < right;
        if (lower && upper) {
            if (j - left < right - i) {
                pending.emplace_back(i, right);
                pending.emplace_back(left, j);
            } else {
                pending.emplace_back(left, j);
                pending.emplace_back(i, right);
            }
        } else if (lower) {
            pending.emplace_back(left, j);
        } else if (upper) {
            pending.emplace_back(i, right);
        }
    }
    for (std::size_t k = 0; k < v.size(); ++k) words[k] = std::move(v[k].word);
}

void removeRepeatedWords(std::vector<SortableWord>& words)
{
    const auto end =
        std::unique(words.begin(), words.end(),
                    [](const SortableWord& a, const SortableWord& b) { return a.text == b.text; });
    words.erase(end, words.end());
}

}  // namespace moxlet
