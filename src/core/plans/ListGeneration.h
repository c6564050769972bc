#pragma once
// Word-list generation for a plan's Review and New sections: after the
// tutor confirms the section's picker, every slot in use gets a list of 24
// or 40 words drawn from the word base, only from words the student can
// decode; and a plan made under other list-size options is offered new
// lists when it is opened.
//
// The steps are separate so that the window can show each slot's count as
// it is made:
//   slotsInUse()     how many slots take part (none: no lists at all);
//   keepMovedLists() a segment that moved to an earlier slot takes its list
//                    along; every other changed slot loses its list;
//   generateSlot()   a slot without a list gets one; a slot with a list
//                    keeps it; either way its word count is returned.
//
// Picking: from a candidate list of `count` words, N = 24 or 40 are taken
// at an even step: below N all are taken in word base order; otherwise the
// step is count / N from a random start in [0, step).  A homophone is
// marked " *" (cut to 20 characters) when the homophone option is on.
// Each entry keeps its position in the candidate list, which the word
// choice dialogs read against the same rebuilt list.  Randomness comes only
// from the Random given, so a scripted one gives a known list.

#include <array>
#include <cstdint>
#include <string>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"
#include "core/store/Random.h"
#include "core/words/WordBase.h"

namespace moxlet {

// The list size option of a Review or New section, and the length it asks
// for: 40 when the option is 1, otherwise 24.
int listSizeOption(const Options& options, PlanSection section);
int listLength(int option);

// The slots of a Review or New section that get lists: the filled ones, or
// none when the section's list size option is 0.
int slotsInUse(const PlanSession& session, PlanSection section, const Options& options);

// Moves lists whose segments moved to earlier slots and blanks the lists of
// other changed slots.  `previous` holds the section's slots as they were
// when the picker opened.  A thinning offset belongs to its list: it moves
// with the list, and a slot that gets a new segment starts again from -1
// (a fresh offset), so its list is never thinned from another segment's
// offset.
void keepMovedLists(PlanSession& session, PlanSection section, const std::array<std::int16_t, 4>& previous);

// Empties a Review or New slot's list (every entry a blank word with
// position -1).
void blankList(PlanSession& session, PlanSection list, int slot);

// Generates the list of `slot` when it has none and returns its word
// count.  A missing word base gives an empty list.
int generateSlot(PlanSession& session, PlanSection section, int slot, WordBase* wordBase,
                 const OffsetIndex& index, const Options& options, Random& random);

// A word count as the summary window shows it: three blanks before a single
// digit, one blank before two or more.
std::string countText(int count);

// The question offered when an opened plan's lists were made under another
// list size; empty when there is nothing to ask.
struct RegenerationQuestion {
    std::string title;  // "Review Word Segments" or "New Word Segments"
    std::string text;
};
RegenerationQuestion regenerationQuestion(const PlanSession& session, PlanSection section,
                                          const Options& options);

// The tutor's answer: Yes blanks every list in use (generateSlot then makes
// them anew) and marks the plan changed; No to a plan whose lists were made
// with size 0 blanks every list of the section.
void answerRegeneration(PlanSession& session, PlanSection section, bool yes);

// After the questions: the plan's stored sizes become the options in force,
// so the questions come again only after the options change.
void noteListSizes(PlanSession& session, const Options& options);

}  // namespace moxlet
