#pragma once
// The order of a generated word list: by syllable count (the record's
// OrderKey) ascending, then by the word in lower case, compared code point
// by code point; then each run of identical neighbours is cut to one entry.
//
// Why not std::sort.  A sort's result is fixed only for entries whose keys
// differ.  Entries with equal keys and different texts can occur: "Mark"
// and "mark" have the same syllable count and the same lower-case word.
// Where such entries end up depends on the partition scheme and on the
// input order, and the de-duplication compares neighbours exactly (letter
// case counts), so it sees the difference: from "Mark", "mark", "mark"
// (three segments' records of two words) sortWords makes "mark", "mark",
// "Mark" and the list keeps "mark", "Mark"; a stable sort leaves the input
// as it is and keeps "Mark", "mark"; from "mark", "Mark", "mark" every
// scheme keeps all three.  std::sort (introsort: median-of-three pivots,
// insertion sort for short ranges) promises nothing about equal keys, so it
// cannot be relied on to give the tool's list for such input.  sortWords is
// therefore the tool's own quicksort, below; for input whose keys all
// differ it gives std::sort's order exactly, since a sorted order of
// distinct keys is unique (a test checks this on random tables).  The word
// base this program ships has only lower-case words, so there equal keys
// mean identical texts, which every scheme brings together and the
// de-duplication joins; the difference needs a word base with capitalised
// words.
//
// The quicksort: for a range [left, right], the pivot is the entry at
// (left + right) / 2, copied once before partitioning.  i runs up from left
// while i < right and entry i is before the pivot; j runs down from right
// while j > left and the pivot is before entry j; when i <= j the two
// entries are swapped and both move on; this repeats while i <= j.  Then
// [left, j] is sorted when left < j, and [i, right] when i < right.  The
// two ranges are disjoint, so sorting the smaller one first (as done here,
// to keep the pending ranges few) gives the same result as any other order.

#include <cstdint>
#include <string>
#include <vector>

namespace moxlet {

struct SortableWord {
    std::string text;           // stored bytes (Windows-1252), as the list shows it
    std::int16_t orderKey = 0;  // the record's syllable count
    bool homophone = false;     // the record's homophone flag
};

// The lower-case form that orders a word: A..Z and the accented capitals of
// Windows-1252 lowered, then written as UTF-8 so that comparing bytes
// compares code points.
std::string wordSortKey(const std::string& text);

// Sorts the words in place (see above).
void sortWords(std::vector<SortableWord>& words);

// Cuts every run of neighbours with identical texts (letter case counts) to
// its first entry.
void removeRepeatedWords(std::vector<SortableWord>& words);

}  // namespace moxlet
