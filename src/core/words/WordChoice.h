#pragma once
// The word choice dialogs' logic: the list of words a student can decode for
// one segment, and a grid of cells (4 for a spelling row, 24 or 40 for a
// word list) that the tutor fills by ticking words in that list or by
// typing words the list lacks.
//
// A cell holds a text and a tag: -1 for an empty cell, -9 for a typed word,
// otherwise the position of the chosen word in the list.  Ticking a word
// puts it into the first empty cell, unless the last cell is in use, in
// which case it is refused silently; unticking it takes its cell out and
// moves every later cell one to the left.  Typed words keep the cell they
// were typed into.
//
// The list is rebuilt by the procedure generation used (the same
// candidates, thinned from the same remembered offset), so a freshly
// generated list rebuilds to itself.  Stored positions are still checked
// against the stored words when a list is loaded, because the list may have
// changed since they were stored (a new word base, other studied segments
// in an older plan): a position counts only when the rebuilt list has the
// cell's word there (compared without the " *" mark); otherwise the word is
// looked up by its text in the rebuilt list; and a word the list no longer
// has keeps its cell as a typed word.  Nothing the tutor chose is silently
// replaced or dropped.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/Random.h"
#include "core/words/CandidateCollector.h"

namespace moxlet {

struct WordCell {
    std::string text;       // as shown (stored bytes, trailing blanks removed)
    std::int16_t tag = -1;  // -1 empty, -9 typed, else a list position

    friend bool operator==(const WordCell&, const WordCell&) = default;
};

inline constexpr std::int16_t kCellEmpty = -1;
inline constexpr std::int16_t kCellTyped = -9;

// One word of a choice list.
struct ListedWord {
    std::string text;  // with " *" when it is a homophone and marks are on
    bool homophone = false;
};

// The words of `query` as the word choice dialogs list them, thinned from
// `thinOffset` (in/out) as generation thins.  A missing word base (nullptr)
// gives an empty list.
std::vector<ListedWord> choiceList(WordBase* wordBase, const OffsetIndex& index, const StudentMasks& masks,
                                   const CandidateQuery& query, std::int16_t& thinOffset, Random& random,
                                   int homophoneMode);

// A listed or stored word without its homophone mark (" *", or what is left
// of it after a cut to 20 characters) and trailing blanks.
std::string bareWord(std::string_view text);

class WordChoice {
public:
    explicit WordChoice(int cellCount) : cells_(static_cast<std::size_t>(cellCount)) {}

    int cellCount() const { return static_cast<int>(cells_.size()); }
    const std::vector<WordCell>& cells() const { return cells_; }

    // A new list and the cells to show with it (a row or slot loaded); the
    // cells' positions are checked against their words (see above).
    void load(std::vector<ListedWord> list, std::vector<WordCell> cells);
    const std::vector<ListedWord>& list() const { return list_; }

    // Lines shown ticked: the positions the cells hold that the list has.
    std::vector<bool> tickedLines() const;

    // One click on line x (ticked: the line's state after the click).
    // Returns whether any cell changed.
    bool toggle(int line, bool ticked);

    // Empties every cell.
    void clear();

    // The typed words: a box per cell, usable when the cell is not a list
    // word; boxes[k] is what box k holds afterwards.  A non-empty box makes
    // its cell a typed word; an emptied box empties a typed cell.
    std::vector<bool> typingAllowed() const;
    void applyTyped(const std::vector<std::string>& boxes);

private:
    std::vector<ListedWord> list_;
    std::vector<WordCell> cells_;
};

// A word as the tutor typed it: control characters dropped, blanks removed
// at both ends, cut to 20 characters (a field of the plan holds 20).
std::string typedWord(const std::string& typed);

}  // namespace moxlet
