#pragma once
// What a printed or copied lesson plan is made from.  The plan window shows
// exactly what its plan record holds, so everything is derived from the
// record: the segment grids from the sections' positions in the plan's
// picker lists (sections 0..2 index the studied list, section 3 the
// unstudied one), the spelling words, word lists and sentences from their
// fields.  The printout (PlanPrintout) and the clipboard text (PlanText)
// read the same PlanSheet, so they cannot disagree about what the plan
// holds.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/options/Options.h"
#include "core/store/Records.h"

namespace moxlet {

struct PlanOutput {
    std::string firstName;  // the student's, as stored
    std::string lastName;   // last name or group name, as stored
    const LessonPlan& plan;
    // The options in force.  Printing or copying a plan whose review and
    // new list sizes differ switches the form feed option on here.
    Options& options;
    int fontSize = 0;  // the plan window's word list font size: 0 Small, 1 Medium, 2 Large
};

// One Review or New slot of the plan window.
struct PlanSlot {
    bool empty = true;          // the section entry is -1: no list is printed
    SegmentId id = kNoSegment;  // the segment its grid names, or none
    std::string name;           // the grid's text (stored bytes, trimmed)
};

// The plan window's grids as texts (stored bytes, trailing blanks removed).
struct PlanSheet {
    std::string names;  // "First Last" or "Last"
    std::string lessonDate;
    std::array<std::array<std::string, 5>, 2> auditory;  // rows 0..1, columns 0..4
    std::array<PlanSlot, 4> review;
    std::array<PlanSlot, 4> newSlots;
    std::array<std::string, 15> spelling;  // segment of each spelling row
    std::array<std::array<std::string, 4>, 15> spellWords;
    std::array<std::string, 11> sentences;
};

PlanSheet planSheet(const PlanOutput& output);

// The Visual section: the plan's studied segments of the kinds the Visual
// options include, complete groups named by their title.
struct VisualEntries {
    std::vector<std::string> groupTitles;   // stored bytes, trimmed
    std::vector<std::string> segmentNames;  // stored bytes, trimmed
};
bool visualSectionWanted(const Options& options);
VisualEntries visualEntries(const SegmentSet& studied, const Options& options);

// One pass of the word list pages: Review or New.
struct ListPass {
    PlanSection list;         // PlanSection::Review or PlanSection::New
    const char* heading;      // "Review " or "New "
    std::int16_t sizeOption;  // 0 no lists, 1 forty words, 2 twenty-four words
    const std::array<PlanSlot, 4>* slots;
};
// The passes that are printed (a pass whose size option is 0 is left out),
// Review first.  When the review and new list sizes differ and the New pass
// runs, the form feed option is switched on in output.options, where it
// stays: call switchFormFeedForNewPass at the start of the New pass.
std::vector<ListPass> listPasses(const PlanOutput& output, const PlanSheet& sheet);
void switchFormFeedForNewPass(Options& options);

// "Phonogram  ", "Consonant Blend  ", ...: the kind of a segment in a list
// heading; empty for ids of no kind.
std::string segmentKindLabel(SegmentId id);
// "  (meaning)" for prefixes, suffixes and roots with a meaning, else "".
std::string meaningSuffix(SegmentId id);

// The stored text of list word k of a slot, trimmed; nothing when the
// position is empty (its position value is -1), where a list stops.
std::optional<std::string> listWord(const LessonPlan& plan, PlanSection list, int slot, int k);

}  // namespace moxlet
