#pragma once
// The lesson plans a tutor opened last, for the start page: at most five,
// newest first, kept in RECENT.TXT in the data folder.
//
// Why the data folder and not the user's settings: the list names plans by
// their student's record and their own record in this folder's files, so
// it belongs with them.  It moves with the folder to a new computer, and a
// backup (it is one of the tutor's files, see isTutorDataFileName) restores
// the list that fits the plans restored with it.  It is written like every
// data file, to a temporary name that is flushed and renamed over the old
// one (replaceFileAtomically), so a crash leaves the old list or the new
// one; but a list that cannot be read or written is never worth a message
// box: it is simply empty or not updated.
//
// The file is text, one plan a line: the student's profile record, the
// plan's record in the student's plan file, and its lesson date as stored
// ("7 3 06-15-24").  Deleting plans renumbers the records after them, so a
// line is checked against the files before it is shown: the student must
// be live, and the plan is its record when that has the same date, else the
// student's newest plan of that date; a line that fits no plan is left out.

#include <cstdint>
#include <string>
#include <vector>

#include "core/store/DataFile.h"

namespace moxlet {

inline constexpr std::size_t kRecentPlanCount = 5;

struct RecentPlan {
    std::int32_t profile = 0;  // record in PROFILES.DAT
    std::int32_t record = 0;   // record in the student's plan file
    std::string date;          // LessonDate without trailing blanks

    bool operator==(const RecentPlan&) const = default;
};

// The list as stored; lines that do not parse are skipped.
std::vector<RecentPlan> readRecentPlans(FileSystem& fs);

// Puts plan first, dropping an older line for the same plan (same student
// and record, or same student and date) and any beyond five, and writes the
// list.  False when it could not be written (nothing is said).
bool rememberRecentPlan(FileSystem& fs, const RecentPlan& plan);

// A plan of the list as the start page shows it.
struct RecentPlanLine {
    RecentPlan plan;      // with the record it has now
    std::string student;  // studentListText: "Lee, Ann"
};

// The stored list checked against the profiles and plan files (see above).
std::vector<RecentPlanLine> recentPlanLines(const FileContext& ctx);

}  // namespace moxlet
