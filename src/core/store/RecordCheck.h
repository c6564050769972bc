#pragma once
// Checks of decoded records.  A record read from a file may come from a
// damaged disk, another program or an older version; these routines repair
// what can be repaired in memory, so that no window ever works with a value
// out of range, and note each repair or skip in a Problems list.
//
// Repairs: syllable ranges are clamped to 1..9 (and put in order); texts
// with control bytes (below 32 or 127) get blanks in their place; segment
// bits that name no catalogue segment are cleared; section positions and
// word positions outside any list become -1 ("none"); tags outside the
// known values become -9 (typed word) or -1 (empty cell);   Records are never rewritten by a check.

#include <cstdint>
#include <string>

#include "core/store/DataFileNames.h"
#include "core/store/Problems.h"
#include "core/store/Records.h"

namespace moxlet {

enum class RecordState { Live, Free, Skipped };

// A profile record n after unscrambling: Free for InUse 0, Skipped (with a
// problem) for InUse other than 0 and 1, Live otherwise, with repairs noted.
RecordState checkProfile(StudentProfile& p, std::int32_t recordNo, Problems* problems,
                         const std::string& file = kProfileFileName);

// A plan record n of profile profileNo's file after unscrambling: Skipped
// when InUse is not 1; a ProfileNo that disagrees with the file is noted and
// set to the file's number.
RecordState checkPlan(LessonPlan& p, std::int32_t recordNo, std::int16_t profileNo, Problems* problems,
                      const std::string& file);

// Clears bits that name no segment (ids 332..357 and every sign bit);
// returns how many were cleared.  The two flag bits of word 24 are kept.
int clearUnknownSegmentBits(SegmentSet& set);

}  // namespace moxlet
