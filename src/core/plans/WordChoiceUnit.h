#pragma once
// What a word choice dialog edits in the open plan: the four words of a
// spelling row, or the 24- or 40-word list of a Review or New slot (40
// when the section's list size option is 1).  One class for every kind, so
// the dialog has no branch per kind:
//
// - the unit's list is rebuilt by the one candidate procedure from the
//   unit's remembered thinning offset (a slot's ThinOffset, a row's
//   SpellingThinOffset; a fresh one is drawn and kept when it is -1), the
//   New list admitting its own segment;
// - the stored cells (word and tag) are read from the plan and checked
//   against the rebuilt list as they are loaded (words/WordChoice.h), so
//   every word the unit holds is either ticked at its line or kept as a
//   typed word;
// - OK or a step to another unit writes the cells back (text cut to 20
//   characters) and marks the plan changed; Cancel writes nothing.
// - Prev and Next step through the units of the section: back to unit 0,
//   forward while the next unit holds a segment.

#include <string>
#include <vector>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"
#include "core/store/Random.h"
#include "core/words/WordCheck.h"
#include "core/words/WordChoice.h"

namespace moxlet {

class WordChoiceUnit {
public:
    // section: Spelling (index a row, 0..14), Review or New (a slot, 0..3).
    WordChoiceUnit(PlanSession& session, PlanSection section, int index, const Options& options);

    PlanSection section() const { return section_; }
    int index() const { return index_; }
    int cellCount() const { return cells_; }
    SegmentId segment() const { return session_.slotSegment(section_, index_); }

    bool hasPrevious() const { return index_ > 0; }
    bool hasNext() const;
    // Steps to the previous or next unit (when there is one).
    void step(int delta);

    // The stored cells of the unit, as the plan holds them.
    std::vector<WordCell> storedCells() const;
    // Rebuilds the unit's list and loads it into `choice` with the stored
    // cells.  A null word base gives an empty list (every word typed).
    void load(WordChoice& choice, WordBase* wordBase, const OffsetIndex& index, Random& random,
              int homophoneMode);
    // Writes the cells into the plan and marks it changed.
    void store(const std::vector<WordCell>& cells);

    // The candidate procedure's question for this unit's list.
    CandidateQuery query() const;
    // "Why is this word not in the list?" for this unit's list.
    WordCheckQuery checkQuery(std::string word) const;

private:
    std::int16_t& thinOffset();

    PlanSession& session_;
    PlanSection section_;
    int index_;
    int cells_;
};

}  // namespace moxlet
