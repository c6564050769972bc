#pragma once
// The names of the files in a data folder, in one place: the profiles, the
// options, one plan file per student and the word base.  Every part of the
// program that builds or recognises one of these names asks here.

#include <cstdint>
#include <optional>
#include <string>

namespace moxlet {

inline const std::string kProfileFileName = "PROFILES.DAT";
inline const std::string kOptionFileName = "OPTION.PRM";
inline const std::string kWordBaseFileName = "WORDBASE.WDB";
// The plans the tutor opened last (core/shell/RecentPlans.h).
inline const std::string kRecentPlansFileName = "RECENT.TXT";
// Where the plans a tutor keeps are written while others are deleted.
inline const std::string kPlanTempFileName = "PLNSTEMP.DAT";

// Plan files exist for profile numbers 1..9999 only ("PLNS" + four digits).
inline constexpr std::int32_t kMaxProfileNo = 9999;

// "PLNS0007.DAT" for profile 7.  Profile numbers outside 1..9999 have no
// plan file: the name would not fit its 12 characters, and a name made
// anyway could collide with another student's.  Callers refuse them.
std::optional<std::string> planFileName(std::int32_t profileNo);

// The profile number a plan file name stands for: "PLNS", exactly four
// digits, ".DAT", in capitals as the program writes them.  Nothing for any
// other name, PLNSTEMP.DAT among them.
std::optional<std::int32_t> planFileNumber(const std::string& fileName);

// The files a data folder keeps for the tutor: the profiles, the options,
// the plan files and the list of plans opened last (not the word base,
// which the program only reads).
bool isTutorDataFileName(const std::string& fileName);

}  // namespace moxlet
