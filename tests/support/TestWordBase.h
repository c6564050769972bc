#pragma once
// A word base built in memory for a test, with an offset index that covers
// it: either blocks of records for a segment and syllable count (record n's
// word is "w<n>" unless a block names its words, so a test can tell which
// records a list holds), or a list of words laid out as the word base
// builder lays out WORDBASE.WDB.  Words are Everyday unless `levels` names
// them.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/words/Eligibility.h"
#include "core/words/WordBase.h"
#include "core/words/WordCodec.h"
#include "core/words/WordLevel.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"

namespace moxlet::test {

struct LexiconWord {
    std::string text;
    int syllables = 1;
    SegmentSet segments;                    // flags included
    WordLevel level = WordLevel::Everyday;  // every record of the word carries it, as the builder writes
};

inline LexiconWord lexiconWord(std::string text, int syllables, std::initializer_list<int> ids,
                               bool rootFlag = false)
{
    LexiconWord w{std::move(text), syllables, {}};
    for (int id : ids) w.segments.add(id);
    if (rootFlag) w.segments.add(seg::RootFlag);
    return w;
}

// Whether a word may stand in a list of `segment` for a student: it holds
// the segment and passes the eligibility test, a New list admitting its
// own segment and the 1-1-1 Rule's list the 2-1-1 Rule.
inline bool fitsList(const WordRecord& w, StudentMasks masks, SegmentId segment, bool newList)
{
    if (segment == seg::Rule111) {
        masks.studentSet.add(seg::Rule211);
        masks.studentRootSet.add(seg::Rule211);
    }
    return w.Segments.contains(segment) && isEligible(w.Segments, masks, newList ? segment : kNoSegment);
}

struct TestWordBase {
    OffsetIndex index;
    std::vector<std::uint8_t> bytes;
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    std::int32_t next = 1;
    std::map<std::string, WordLevel> levels;
    std::unique_ptr<WordBase> wordBase;  // opened by the word list constructor

    TestWordBase() = default;
    // One record per segment a word contains, in blocks by segment and
    // syllable count, the blocks in id order; within a block the words keep
    // the order of the list.
    explicit TestWordBase(const std::vector<LexiconWord>& words)
    {
        for (int s = 0; s < seg::Count; ++s) {
            for (int k = 1; k <= kIndexSyllables; ++k) {
                const std::int32_t first = next;
                for (const auto& w : words)
                    if (w.syllables == k && w.segments.contains(s)) addRecord(w.segments, k, w.text, w.level);
                index.set(s, k - 1, first, next - 1);
            }
        }
        wordBase = open();
    }

    // One record; `text` defaults to "w<record number>", the level to the
    // one `levels` names.
    void addRecord(const SegmentSet& segments, int syllables, std::string text = {},
                   std::optional<WordLevel> wordLevel = {})
    {
        if (text.empty()) text = "w" + std::to_string(next);
        WordRecord w;
        w.OrderKey = static_cast<std::int16_t>(syllables);
        w.Length = static_cast<std::int16_t>(text.size());
        w.Segments = segments;
        w.WordText.assign(text);
        const auto level = wordLevel            ? *wordLevel
                           : levels.count(text) ? levels.at(text)
                                                : WordLevel::Everyday;
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
