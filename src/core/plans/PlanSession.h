#pragma once
// The lesson plan a window has open, as one plain object that the plan
// window, its pickers, its word dialogs and the printout all read.
//
// The record itself is the working copy: the window and its dialogs change
// `plan` in place (the lesson date, the section slots, the spelling words
// and their tags, the Review and New word lists, the sentences, the
// thinning offsets), and a save writes it as it stands.  What is derived
// from the plan's studied set when it opens (the two picker lists and the
// two eligibility masks) never changes while it is open: a plan keeps the
// studied set it was made with, even after saving it credits the student
// with its New segments.

#include <cstdint>
#include <string>

#include "core/options/Options.h"
#include "core/plans/PlanFile.h"
#include "core/store/DataFile.h"
#include "core/store/Problems.h"
#include "core/store/Records.h"
#include "core/words/Eligibility.h"

namespace moxlet {

inline constexpr int kListSlots = 4;
inline constexpr int kListPositions = 40;
inline constexpr int kSpellingRows = 15;
inline constexpr int kSpellingColumns = 4;
inline constexpr int kDictationSentences = 10;
inline constexpr int kReadingLine = 10;  // Sentence(10)

// Cell tags of the spelling grid and the word lists.
inline constexpr std::int16_t kEmptyCell = -1;
inline constexpr std::int16_t kTypedWord = -9;

struct PlanSession {
    StudentProfile student;     // the plan's student, as last read or written
    LessonPlan plan;            // the plan being edited
    std::string fileName;       // "PLNS0007.DAT"
    std::int32_t recordNo = 0;  // the record a save writes
    bool isNew = false;         // made by "New Lesson Plan", not yet opened from the file
    bool changed = false;       // unsaved changes

    PlanSegmentLists lists;  // the pickers' lists (Studied for sections 0..2, Unstudied for New)
    StudentMasks masks;      // the eligibility masks of the plan's studied set

    // Builds lists and masks from the plan's studied set and clears section
    // slots that point past their list (noted when problems is given).
    void prepare(Problems* problems = nullptr);

    // The segment a section slot names, or kNoSegment.
    SegmentId slotSegment(PlanSection section, int slot) const;
    // Its stored name without trailing blanks, or "" for an empty slot.
    std::string slotName(PlanSection section, int slot) const;

    FixedText<20>& spellWord(int row, int column) { return plan.SpellWord[spellIndex(row, column)]; }
    std::int16_t& spellTag(int row, int column) { return plan.SpellWordTag[spellIndex(row, column)]; }
    const FixedText<20>& spellWord(int row, int column) const
    {
        return plan.SpellWord[spellIndex(row, column)];
    }
    std::int16_t spellTag(int row, int column) const { return plan.SpellWordTag[spellIndex(row, column)]; }

    // The word lists of the Review and New slots (list is one of the two).
    FixedText<20>& listWord(PlanSection list, int slot, int pos)
    {
        return plan.ListWord[listIndex(list)][idx(slot)][idx(pos)];
    }
    std::int16_t& listPos(PlanSection list, int slot, int pos)
    {
        return plan.ListWordPos[listIndex(list)][idx(slot)][idx(pos)];
    }
    const FixedText<20>& listWord(PlanSection list, int slot, int pos) const
    {
        return plan.ListWord[listIndex(list)][idx(slot)][idx(pos)];
    }
    std::int16_t listPos(PlanSection list, int slot, int pos) const
    {
        return plan.ListWordPos[listIndex(list)][idx(slot)][idx(pos)];
    }
    std::int16_t& thinOffset(PlanSection list, int slot)
    {
        return list == PlanSection::New ? plan.NewThinOffset[idx(slot)] : plan.ReviewThinOffset[idx(slot)];
    }

private:
    static std::size_t spellIndex(int row, int column) { return static_cast<std::size_t>(4 * row + column); }
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
};

// "New Lesson Plan": session.student is the chosen student; the plan is a
// blank record for them, to be appended (recordNo = count + 1).  A profile
// number outside 1..9999 is refused with a message (false).  Nothing is
// written.
bool beginNewPlan(const FileContext& ctx, PlanSession& session);

// "Open Lesson Plan": reads plan `record` of session.student's file.  A
// damaged record opens with what could be read (repairs are noted); a
// record that is not a plan is refused (false).  Nothing is written.
bool openPlan(const FileContext& ctx, PlanSession& session, std::int32_t record,
              Problems* problems = nullptr);

// The two ways a plan is opened, as the main window's Plan menu and
// moxlet-cli both do it: the student is profile record `profileRecord`
// (read and checked; a deleted or unreadable one is NoStudent).
enum class PlanStart {
    Ready,      // `session` holds the plan, ready for a window
    NoStudent,  // no live student at that record (a read error was reported)
    NoPlan,     // "Open": no such plan record or one that is not a plan; "New": refused
};
// "New Lesson Plan": a blank plan for the student (beginNewPlan).
PlanStart beginStudentPlan(const FileContext& ctx, std::int32_t profileRecord, PlanSession& session,
                           Problems* problems = nullptr);
// "Open Lesson Plan": the student's plan `planRecord` (openPlan); a record
// past the end of the plan file is NoPlan without a word.
PlanStart openStudentPlan(const FileContext& ctx, std::int32_t profileRecord, std::int32_t planRecord,
                          PlanSession& session, Problems* problems = nullptr);

// Saves the plan as record recordNo, reads it back, adds the New section's
// segments to the student's studied segments and writes the profile back.
// The list sizes of the options in force are stored with the plan.  The
// record routines report their own write errors; reading back reports
// "File error saving plans and profiles. (Save_Plan)".  A plan write that
// is given up ends the save (false) with the plan still in memory and
// `changed` set again, and the profile is not credited; when the plan is
// stored but the profile write fails, the plan is kept (the next save
// credits the segments).  The hourglass is the caller's.
bool savePlan(const FileContext& ctx, PlanSession& session, const Options& options);

}  // namespace moxlet
