#pragma once
// A word base built in memory for a test: blocks of records for a segment
// and syllable count, with an offset index that covers them.  Record n's
// word is "w<n>" unless a block names its words, so a test can tell which
// records a list holds.  Words are Everyday unless `levels` names them.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/words/WordBase.h"
#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"

namespace moxlet::test {

struct TestWordBase {
    OffsetIndex index;
    std::vector<std::uint8_t> bytes;
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    std::int32_t next = 1;
    std::map<std::string, WordLevel> levels;

    // One record; `text` defaults to "w<record number>".
    void addRecord(const SegmentSet& segments, int syllables, std::string text = {})
    {
        if (text.empty()) text = "w" + std::to_string(next);
        WordRecord w;
        w.OrderKey = static_cast<std::int16_t>(syllables);
        w.Length = static_cast<std::int16_t>(text.size());
        w.Segments = segments;
        w.WordText.assign(text);
        const auto level = levels.count(text) ? levels.at(text) : WordLevel::Everyday;
        const auto raw = encodeWordRecord(w, next, seedWithLevel(static_cast<std::uint32_t>(next), level));
        bytes.insert(bytes.end(), raw.begin(), raw.end());
        ++next;
    }
    // For segment s and syllable count k: `eligible` records that contain s
    // and A (short a, segment 0) and `other` that contain E (short e,
    // segment 19) as well, interleaved from the start; `extra` segments are
    // added to every record.
    void addBlock(SegmentId s, int k, int eligible, int other, std::initializer_list<int> extra = {})
    {
        SegmentSet yes;
        yes.add(s);
        yes.add(0);
        for (int e : extra) yes.add(e);
        SegmentSet no = yes;
        no.add(19);
        const std::int32_t first = next;
        for (int i = 0; i < eligible + other; ++i)
            addRecord(i % 2 == 0 && other > 0 && i / 2 < other ? no : yes, k);
        index.set(s, k - 1, first, next - 1);
    }
    // A block of given words, each with its own segments.
    void addWords(SegmentId s, int k, const std::vector<std::pair<std::string, SegmentSet>>& words)
    {
        const std::int32_t first = next;
        for (const auto& [text, segments] : words) addRecord(segments, k, text);
        index.set(s, k - 1, first, next - 1);
    }
    // Empty blocks everywhere else, each where the segment's blocks would
    // continue, so that every segment's blocks are one contiguous run.
    void closeIndex()
    {
        for (int s = 0; s < kIndexSegments; ++s) {
            const auto& first = index.FirstRecord[static_cast<std::size_t>(s)];
            std::int32_t cursor = next;
            for (int k = kIndexSyllables - 1; k >= 0; --k)
                if (first[static_cast<std::size_t>(k)] != 0) cursor = first[static_cast<std::size_t>(k)];
            for (int k = 0; k < kIndexSyllables; ++k) {
                if (first[static_cast<std::size_t>(k)] == 0)
                    index.set(s, k, cursor, cursor - 1);
                else
                    cursor = index.LastRecord[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)] + 1;
            }
        }
    }
    std::unique_ptr<WordBase> open()
    {
        fs.put(kWordBaseFileName, bytes);
        return WordBase::open(FileContext{fs, prompt, random});
    }
};

}  // namespace moxlet::test
