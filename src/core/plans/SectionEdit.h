#pragma once
// Editing one section of the open plan with its segment picker: the rules
// a section button follows, whatever window shows them.
//
// - The picker edits the section's slots in the plan itself (words/
//   SegmentPicker.h), so the plan shows every click at once.  Its rules by
//   section: Spelling allows repeats; New refuses a blend whose consonants
//   are neither studied nor chosen in the first three slots.
// - A spelling row's words, their tags and its thinning offset move with
//   the row's segment while the tutor picks; an emptied row loses them, and
//   a row that gets a segment starts from a fresh offset (-1).
// - Cancel puts the section back as it was when the edit began: the slots
//   and, for Spelling, every row's words, tags and offset.  Review and New
//   lists are not touched until OK.
// - OK marks the plan changed.  For Review and New every list follows its
//   segment, with its thinning offset (keepMovedLists): a segment moved to
//   an earlier slot keeps its list; any other slot that changed loses its
//   list and its offset, and so needs a new list.  This holds whatever the
//   list size option: a list always belongs to the segment it was made for.
//
// Clear is the picker's (every slot emptied, each emptied spelling row
// losing its words).

#include <array>
#include <cstdint>
#include <vector>

#include "core/options/Options.h"
#include "core/plans/PlanSession.h"
#include "core/words/SegmentPicker.h"

namespace moxlet {

class SectionEdit {
public:
    // session must outlive the edit; nothing else may change the section
    // while it lasts.
    SectionEdit(PlanSession& session, PlanSection section);
    SectionEdit(const SectionEdit&) = delete;
    SectionEdit& operator=(const SectionEdit&) = delete;

    PlanSection section() const { return section_; }
    SegmentPicker& picker() { return picker_; }
    // The segment of each line of the picker's list.
    const std::vector<SegmentId>& lines() const { return session_.lists.forSection(section_); }

    // Cancel: the section as it was when the edit began.
    void cancel();
    // OK: the plan changed; Review and New lists follow their segments.
    // Returns how many Review or New slots are in use and so take part in
    // generation (0 for Auditory and Spelling, and when the section's list
    // size option is 0).
    int accept(const Options& options);

    // The picker's rules for a section of a plan with this studied set.
    static SegmentPicker::Rules rules(PlanSection section, const SegmentSet& studied);

private:
    void rowMoved(int from, int to);

    PlanSession& session_;
    PlanSection section_;
    std::array<std::int16_t, 4> previous_{};  // Review and New slots when the edit began
    decltype(LessonPlan::SpellWord) spellWords_;
    decltype(LessonPlan::SpellWordTag) spellTags_{};
    decltype(LessonPlan::SpellingThinOffset) spellOffsets_{};
    SegmentPicker picker_;
};

// Whether a Review or New slot is in use and has no list yet (position 0
// unused): generation makes one for it.
bool needsList(const PlanSession& session, PlanSection section, int slot, const Options& options);

}  // namespace moxlet
