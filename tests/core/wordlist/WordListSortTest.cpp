// The word list's order and de-duplication: hand-worked tables (syllables
// first, then the lower-cased word; equal keys as the tool's quicksort
// leaves them), std::sort's order wherever keys differ, and inputs that
// would drive a careless quicksort deep.

#include "core/wordlist/WordListSort.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace moxlet {
namespace {

std::vector<SortableWord> table(std::initializer_list<std::pair<const char*, int>> rows)
{
    std::vector<SortableWord> words;
    for (const auto& [text, syllables] : rows)
        words.push_back({text, static_cast<std::int16_t>(syllables), false});
    return words;
}

std::vector<std::string> texts(const std::vector<SortableWord>& words)
{
    std::vector<std::string> t;
    for (const auto& w : words) t.push_back(w.text);
    return t;
}

std::vector<std::string> sortedList(std::vector<SortableWord> words)
{
    sortWords(words);
    removeRepeatedWords(words);
    return texts(words);
}

using Strings = std::vector<std::string>;

TEST(WordListSort, HandWorkedTables)
{
    struct Case {
        const char* why;
        std::vector<SortableWord> input;
        Strings expected;
    };
    const Case cases[] = {
        {"syllables first, then the word whatever its letter case",
         table({{"rabbit", 2}, {"cat", 1}, {"Apple", 2}, {"bat", 1}, {"zebra", 2}, {"ant", 1}}),
         {"ant", "bat", "cat", "Apple", "rabbit", "zebra"}},
        {"a word shared by two segments is listed once",
         table({{"stand", 1}, {"bland", 1}, {"lands", 1}, {"stand", 1}, {"lands", 1}, {"bland", 1}}),
         {"bland", "lands", "stand"}},
        {"lower-cased bytes in order: '-' and ' ' before letters, a prefix first",
         table({{"ab", 1}, {"a-b", 1}, {"a b", 1}, {"a", 1}, {"Ab *", 1}}),
         {"a", "a b", "a-b", "ab", "Ab *"}},
        // Latin-1 bytes in octal: \311 and \351 are E and e acute, \327 and \367 the multiplication and
        // division signs.
        {"accented capitals sort as their small letters, after z; the sign x is no letter",
         table({{"\311t\351", 2}, {"zoo", 2}, {"\351lan", 2}, {"\3672", 2}, {"\3272", 2}}),
         {"zoo", "\3272", "\351lan", "\311t\351", "\3672"}},
        // Equal keys.  Pivot "mark" (index 1): entries 0 and 2 swap, then
        // entry 1 with itself: mark, mark, Mark; the neighbours join.
        {"equal keys: Mark, mark, mark", table({{"Mark", 1}, {"mark", 1}, {"mark", 1}}), {"mark", "Mark"}},
        // Pivot "Mark": entries 0 and 2 swap (both "mark"), entry 1 stays:
        // the two "mark"s stay apart.
        {"equal keys: mark, Mark, mark",
         table({{"mark", 1}, {"Mark", 1}, {"mark", 1}}),
         {"mark", "Mark", "mark"}},
        // Pivot "mark" (index 1): swap 0/3 and 1/2 gives mark, Mark, mark,
        // Mark; [0, 1] and [2, 3] are each swapped again.
        {"equal keys: Mark, mark, Mark, mark",
         table({{"Mark", 1}, {"mark", 1}, {"Mark", 1}, {"mark", 1}}),
         {"Mark", "mark", "Mark", "mark"}},
        {"one word", table({{"cat", 1}}), {"cat"}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(sortedList(c.input), c.expected) << c.why;
}

TEST(WordListSort, EntriesKeepTheirFlagsAndKeysWhenTheyMove)
{
    std::vector<SortableWord> words{
        {"pair *", 1, true}, {"bear *", 1, true}, {"apple", 2, false}, {"ant", 1, false}};
    sortWords(words);
    ASSERT_EQ(texts(words), (Strings{"ant", "bear *", "pair *", "apple"}));
    EXPECT_FALSE(words[0].homophone);
    EXPECT_TRUE(words[1].homophone);
    EXPECT_TRUE(words[2].homophone);
    EXPECT_EQ(words[3].orderKey, 2);
}

// Where every key differs, the order is the one sorted order, std::sort's.
// Where equal keys mean identical texts (the shipped word base has only
// small letters), the list after de-duplication is std::sort's too.
TEST(WordListSort, MatchesStdSortWheneverEqualKeysMeanEqualTexts)
{
    std::mt19937 gen(42);
    auto before = [](const SortableWord& a, const SortableWord& b) {
        return a.orderKey != b.orderKey ? a.orderKey < b.orderKey : wordSortKey(a.text) < wordSortKey(b.text);
    };
    for (int trial = 0; trial < 200; ++trial) {
        const bool distinct = trial % 2 == 0;
        const int n = 1 + static_cast<int>(gen() % 300);
        std::vector<SortableWord> words;
        std::set<std::pair<int, std::string>> used;
        while (static_cast<int>(words.size()) < n) {
            std::string text;
            for (int len = 1 + static_cast<int>(gen() % (distinct ? 6 : 2)); len > 0; --len)
                text.push_back(static_cast<char>('a' + gen() % 5));
            const int syllables = 1 + static_cast<int>(gen() % 3);
            if (distinct && !used.insert({syllables, text}).second) continue;
            // A text has one syllable count, as a word has.
            words.push_back(
                {text, static_cast<std::int16_t>(text.size() % 3 + (distinct ? syllables : 1)), false});
        }
        std::vector<SortableWord> expected = words;
        std::sort(expected.begin(), expected.end(), before);
        expected.erase(std::unique(expected.begin(), expected.end(),
                                   [](const auto& a, const auto& b) { return a.text == b.text; }),
                       expected.end());
        EXPECT_EQ(sortedList(words), texts(expected)) << "trial " << trial;
    }
}

// Sorted, reversed, all equal and organ-pipe inputs of the largest table
// (5 segments of 1500 words) end sorted; the pending ranges stay few, so
// none of them can exhaust the stack.
TEST(WordListSort, LargeAdverseInputsEndSorted)
{
    const int n = 7500;
    auto word = [](int k) {
        char text[8];
        std::snprintf(text, sizeof text, "w%05d", k);
        return SortableWord{text, 1, false};
    };
    std::vector<std::vector<SortableWord>> inputs(4);
    for (int k = 0; k < n; ++k) {
        inputs[0].push_back(word(k));
        inputs[1].push_back(word(n - k));
        inputs[2].push_back(word(7));
        inputs[3].push_back(word(k < n / 2 ? k : n - k));
    }
    for (auto& input : inputs) {
        sortWords(input);
        EXPECT_TRUE(std::is_sorted(input.begin(), input.end(),
                                   [](const auto& a, const auto& b) { return a.text < b.text; }));
    }
    removeRepeatedWords(inputs[2]);
    EXPECT_EQ(inputs[2].size(), 1u);
}

}  // namespace
}  // namespace moxlet
