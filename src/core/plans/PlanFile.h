#pragma once
// The plan files: one per student, "PLNS" + ProfileNo in four digits +
// ".DAT", one 9600-byte record per lesson, appended in the order the plans
// were made.  Like profiles, plans are plain in memory; the write routine
// scrambles a copy.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/DataFile.h"
#include "options/Options.h"
#include "store/Records.h"
#include "store/Problems.h"

namespace moxlet {

inline const std::string kPlanTempFileName = "PLNSTEMP.DAT";
inline const std::string kWritePlanMessage = "Unable to write to Student's plan file.";
inline const std::string kSavePlanMessage = "File error saving plans and profiles. (Save_Plan)";

// "PLNS0007.DAT" for profile 7.  Profile numbers outside 1..9999 have no
// plan file: the name would not fit its 12 characters, and a name made
// anyway could collide with another student's.  Callers refuse them.
std::optional<std::string> planFileName(std::int32_t profileNo);
// The profile number a plan file name stands for, or nothing.
std::optional<std::int32_t> planFileProfileNo(const std::string& fileName);

// Stored bytes -> plain plan (decode, unscramble, flag bits) and back.
LessonPlan decodePlanRecord(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> encodePlanRecord(LessonPlan p, Random& random);

// Reads record n into p, reporting under contextMessage (plan records are
// read by their callers, each with its own message).
bool readPlanRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, LessonPlan& p,
                    const std::string& contextMessage);
// "Unable to write to Student's plan file."; sets the flag bits in p.
bool writePlanRecord(const FileContext& ctx, DataFile& file, std::int32_t n, LessonPlan& p);

// Records in the student's plan file; 0 without a file.
std::int32_t planCount(const FileContext& ctx, std::int32_t profileNo);

struct PlanEntry {
    std::int32_t record = 0;
    std::string date;  // LessonDate without trailing blanks
    LessonPlan plan;   // checked
};
// The student's plans, newest (last record) first; bad records and a torn
// tail are noted and skipped.
std::vector<PlanEntry> listPlans(const FileContext& ctx, std::int32_t profileNo,
                                 Problems* problems = nullptr);

// A blank plan for a student: date "  -  -  ", the profile's range and
// studied segments, every section and position -1, words and sentences
// blank, thin offsets -1, FormatVersion 30100, InUse 1.
LessonPlan newPlanRecord(const StudentProfile& profile);

// The plan a window has open: its student, the record, and where it is
// stored.
struct PlanSession {
    StudentProfile student;
    LessonPlan plan;
    std::string fileName;       // "PLNS0007.DAT"
    std::int32_t recordNo = 0;  // the record a save writes
};

// A new lesson plan for session.student: plan = newPlanRecord, fileName,
// recordNo = count + 1.  A profile number outside 1..9999 is refused with a
// message (false).
bool beginNewPlan(const FileContext& ctx, PlanSession& session);
// Opens plan `record` of session.student (fileName and recordNo set).  False
// when it could not be read or is not a plan.
bool openPlan(const FileContext& ctx, PlanSession& session, std::int32_t record,
              Problems* problems = nullptr);

// The plan window's contents that savePlan stores.  Whatever the window
// keeps directly in session.plan (syllable range, thin offsets) is stored
// from there.
struct PlanState {
    std::string LessonDate;       // the text of the LessonDate box
    SegmentSet StudiedSet;        // working copy of the plan's studied segments
    // SectionSegments(section, slot): positions in the section's picker list,
    // -1 = none; slots used: 10, 4, 15, 4.
    std::array<std::array<std::int16_t, 15>, 4> SectionSegments;
    // Spelling grid: cell (row r 0..14, column c 0..3) at 4*r + c.
    std::array<std::string, 60> SpellCells;
    std::array<std::int16_t, 60> SpellTags;
    // WordListTable: [0] Review, [1] New; slot 0..3; position 0..39.
    struct ListWord {
        std::string word;
        std::int16_t pos = -1;
    };
    std::array<std::array<std::array<ListWord, 40>, 4>, 2> WordList;
    std::array<std::string, 11> Sentences;  // 0..9 dictation, 10 reading line
    std::vector<SegmentId> UnstudiedList;   // the New picker's list
    bool PlanChanged = false;

    PlanState();
};

// The picker lists of a plan: catalogue segments in id order that are
// (Studied) or are not (Unstudied) in the plan's studied set.  Section
// entries 0..2 are positions in Studied, section 3 entries in Unstudied.
struct PlanSegmentLists {
    std::vector<SegmentId> Studied;
    std::vector<SegmentId> Unstudied;
};
PlanSegmentLists planSegmentLists(const SegmentSet& planStudied);
// The segment ids a section of a plan names, in slot order; empty slots and
// positions beyond the list are left out.
std::vector<SegmentId> sectionSegmentIds(const LessonPlan& plan, PlanSection section);

// Stores the plan as record session.recordNo of session.fileName, reads it
// back into session.plan, adds the New section's segments to
// session.student and writes the profile back (the hourglass is the caller's).  The record
// routines report their own write errors ("Unable to write to Student's plan
// file.", "... Student Profile file ..."); reading back reports with "File
// error saving plans and profiles. (Save_Plan)".  A write that is given up
// ends savePlan (false) without reading back, so the tutor's work stays in
// memory; a given-up plan write also leaves the profile uncredited and sets
// PlanChanged again, so closing the window asks to save once more.  When the
// plan is stored but the profile write fails, the plan is kept (the next
// save credits the segments).
bool savePlan(const FileContext& ctx, PlanSession& session, PlanState& state, const Options& options);

// Deletes the chosen plans (records) of a student: the kept ones are
// written, renumbered 1, 2, ... in their old order, to PLNSTEMP.DAT, which
// is flushed and renamed over the plan file in one step; the plan file is
// never missing while its plans live only in the temporary file.  When no
// plan is kept the plan file is removed.  Any failure shows "Unable to delete Student's Plan file
// (PLNS0007.DAT)." (information icon) and leaves the plan file as it was.
bool deletePlans(const FileContext& ctx, std::int32_t profileNo,
                 const std::vector<std::int32_t>& records, Problems* problems = nullptr);

}  // namespace moxlet
