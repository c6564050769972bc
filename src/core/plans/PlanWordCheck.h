#pragma once
// The question "why is this word not in my list?" as the open plan's word
// dialogs ask it: for a Review or New slot's list, or a spelling row's.
// The answer comes from checkWord (words/WordCheck.h), with the plan's own
// studied set and syllable range and the list's remembered thinning offset,
// so it matches the list the dialog rebuilt.  A slot or row without a
// segment gives a query without one (every list of the word).  The level
// the list offers words up to is the tutor's option, not the plan's: the
// caller sets WordCheckQuery::upTo (WordChoiceUnit::checkQuery does).
//
//   const WordCheckQuery q = planListQuery(session, PlanSection::New, slot, toStored(typed));
//   const WordCheckResult r = checkWord(*wordBase, services.words.index, q);
//   label->setText(markedText(wordCheckText(r)));  // in the mark font

#include <string>

#include "core/plans/PlanSession.h"
#include "core/words/PassageCheck.h"
#include "core/words/WordCheck.h"

namespace moxlet {

// The list of Review or New slot `slot` (0..3): the New list admits its own
// segment; the offset is the slot's ThinOffset.
WordCheckQuery planListQuery(const PlanSession& session, PlanSection list, int slot, std::string word);

// Spelling row `row` (0..14): a studied segment, the row's
// SpellingThinOffset.
WordCheckQuery spellingRowQuery(const PlanSession& session, int row, std::string word);

// The student the plan's sentence lines are written for: the plan's studied
// set and syllable range, as its Review lists, together with the plan's New
// segments: the sentences are dictated in the lesson that teaches them.
PassageStudent planSentenceReader(const PlanSession& session);

}  // namespace moxlet
