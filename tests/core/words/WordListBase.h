#pragma once
// A word base in memory built from a list of words, laid out as the word
// base builder lays out WORDBASE.WDB: one record per segment a word
// contains, in blocks by segment and syllable count, the blocks in id
// order, with the offset index that describes them.  Within a block the
// words keep the order of the list.

#include <memory>
#include <string>
#include <vector>

#include "core/words/WordBase.h"
#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"

namespace moxlet::test {

struct ListedWord {
    std::string text;
    int syllables = 1;
    SegmentSet segments;                    // flags included
    WordLevel level = WordLevel::Everyday;  // every record of the word carries it, as the builder writes
};

inline ListedWord listedWord(std::string text, int syllables, std::initializer_list<int> ids,
                             bool rootFlag = false)
{
    ListedWord w{std::move(text), syllables, {}};
    for (int id : ids) w.segments.add(id);
    if (rootFlag) w.segments.add(seg::RootFlag);
    return w;
}

struct WordListBase {
    OffsetIndex index;
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    std::unique_ptr<WordBase> wordBase;
    std::int32_t records = 0;

    explicit WordListBase(const std::vector<ListedWord>& words)
    {
        std::vector<std::uint8_t> bytes;
        std::int32_t next = 1;
        for (int s = 0; s < seg::Count; ++s) {
            for (int k = 1; k <= kIndexSyllables; ++k) {
                const std::int32_t first = next;
                for (const auto& w : words) {
                    if (w.syllables != k || !w.segments.contains(s)) continue;
                    WordRecord r;
                    r.OrderKey = static_cast<std::int16_t>(k);
                    r.Length = static_cast<std::int16_t>(w.text.size());
                    r.Segments = w.segments;
                    r.WordText.assign(w.text);
                    const auto raw = encodeWordRecord(
                        r, next, seedWithLevel(static_cast<std::uint32_t>(next * 7919), w.level));
                    bytes.insert(bytes.end(), raw.begin(), raw.end());
                    ++next;
                }
                index.set(s, k - 1, first, next - 1);
            }
        }
        records = next - 1;
        fs.put(kWordBaseFileName, std::move(bytes));
        wordBase = WordBase::open(FileContext{fs, prompt, random});
    }
};

}  // namespace moxlet::test
