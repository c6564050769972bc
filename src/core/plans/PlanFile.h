#pragma once
// The plan files: one per student (planFileName: "PLNS" + ProfileNo in
// four digits + ".DAT"), one 9600-byte record per lesson, appended in the
// order the plans were made.  Like profiles, plans are plain in memory; the
// write routine scrambles a copy.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/store/DataFile.h"
#include "core/store/DataFileNames.h"
#include "core/store/Problems.h"
#include "core/store/Records.h"

namespace moxlet {

inline const std::string kWritePlanMessage = "Unable to write to Student's plan file.";
inline const std::string kSavePlanMessage = "File error saving plans and profiles. (Save_Plan)";
inline const std::string kReadPlanMessage = "Unable to read Student's plan file.";

// Tells the tutor that profile numbers beyond 9999 keep no plans; false.
bool refusePlansFor(const FileContext& ctx, std::int32_t profileNo);

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

// The picker lists of a plan: catalogue segments in id order that are
// (Studied) or are not (Unstudied) in the plan's studied set.  Section
// entries 0..2 are positions in Studied, section 3 entries in Unstudied.
struct PlanSegmentLists {
    std::vector<SegmentId> Studied;
    std::vector<SegmentId> Unstudied;

    // The list section `section` picks from.
    const std::vector<SegmentId>& forSection(PlanSection section) const
    {
        return section == PlanSection::New ? Unstudied : Studied;
    }
    // The segment at `position` of that list, or kNoSegment.
    SegmentId at(PlanSection section, int position) const;
};
PlanSegmentLists planSegmentLists(const SegmentSet& planStudied);

// The usable slots of a section (10, 4, 15, 4) of a plan record: the
// positions in the section's picker list, -1 for an empty slot.
inline constexpr std::array<int, 4> kSectionSlots = {10, 4, 15, 4};
std::span<std::int16_t> sectionSlots(LessonPlan& plan, PlanSection section);
std::span<const std::int16_t> sectionSlots(const LessonPlan& plan, PlanSection section);

// The segment ids a section of a plan names, in slot order; empty slots and
// positions beyond the list are left out.
std::vector<SegmentId> sectionSegmentIds(const LessonPlan& plan, PlanSection section);

// Deletes the chosen plans (records) of a student: the kept ones are
// written, renumbered 1, 2, ... in their old order, to PLNSTEMP.DAT, which
// is flushed and renamed over the plan file in one step; the plan file is
// never missing while its plans live only in the temporary file.  When no
// plan is kept the plan file is removed.  Any failure shows "Unable to delete Student's Plan file
// (PLNS0007.DAT)." (information icon) and leaves the plan file as it was.
bool deletePlans(const FileContext& ctx, std::int32_t profileNo, const std::vector<std::int32_t>& records,
                 Problems* problems = nullptr);

}  // namespace moxlet
