#pragma once
// The word base by text.  The word base is ordered by segment, so finding a
// word whose segments are unknown means reading the runs of its key
// segments (findWord, WordCheck.h): thousands of records for a word that is
// there, tens of thousands for one that is not.  This index decodes every
// record the offset index covers once and keeps, for each distinct text,
// the first of its records decoded, whether all of its records decode
// alike, and the numbers of all of them in order; a word is then found by a
// binary search.  The record numbers let findWord answer exactly as reading
// the runs would (the first record of the word in the first of its key
// segments' runs that holds one); a text whose records differ is read back
// from the word base for that one record.
//
// It is built on first use, not at start-up, and kept for the program's
// run by the WordSource (textIndexOf): the word base is read only.
// Measured on the shipped word base (323,568 records, 36,518 words; see
// bench/PassageBench.cpp, Release build, processor time): built in about
// 105 ms (reading 24 MB and decoding every record), holding 4.5 MB; a
// word found in under a microsecond, where reading runs takes 7 us for
// "thought" and 5 ms for a word the word base lacks (75,000 records).
//
// Records past the end of a word base shorter than its offset index are
// reported once (WordBase::reportShortfall) and left out, so such a word
// base answers "not in the word base" where reading the runs would report
// a read error.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/store/Records.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"

namespace moxlet {

class WordTextIndex {
public:
    // Decodes the records 1..n that both the file and the offset index
    // have.  Nothing when a read was given up (already reported).
    static std::shared_ptr<const WordTextIndex> build(WordBase& wordBase, const OffsetIndex& index);

    struct Match {
        const WordRecord* word = nullptr;       // its first record, decoded
        bool uniform = true;                    // every record of the text decodes to *word
        std::span<const std::int32_t> records;  // ascending
    };
    // The records whose text is `text` (compared as the word base stores
    // it: blank-padded to 20 characters).
    std::optional<Match> find(std::string_view text) const;

    std::size_t wordCount() const { return entries_.size(); }
    std::size_t recordCount() const { return records_.size(); }
    // The bytes the index holds (its tables, not the object itself).
    std::size_t memoryBytes() const;

private:
    struct Entry {
        WordRecord word;
        std::uint32_t firstRecord = 0;  // into records_
        std::uint32_t records = 0;
        bool uniform = true;
    };
    std::vector<Entry> entries_;  // sorted by WordText
    std::vector<std::int32_t> records_;
};

// The word base by text for a word source, built from `wordBase` (opened
// from source.directory) the first time it is asked for and kept in the
// source.  Nothing when the build was given up; it is tried again next time.
const WordTextIndex* textIndexOf(WordSource& source, WordBase& wordBase);

}  // namespace moxlet
