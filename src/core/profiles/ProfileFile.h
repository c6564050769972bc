#pragma once
// PROFILES.DAT: one 640-byte record per student; the record number is the
// student's permanent number (ProfileNo) and names the plan file.  Deleted
// profiles stay as free slots (InUse 0) that the next new profile reuses.
//
// In memory a profile is always plain: the write routines scramble a copy,
// so the caller's record keeps its segments (with the two flag bits of word
// 24 set) after a write.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/store/DataFile.h"
#include "core/store/DataFileNames.h"
#include "core/store/Problems.h"
#include "core/store/Records.h"

namespace moxlet {

inline const std::string kReadProfileMessage = "Unable to read Student Profile file, PROFILES.DAT.";
inline const std::string kWriteProfileMessage = "Unable to write to Student Profile file, PROFILES.DAT.";

// Stored bytes -> plain profile: decode, unscramble, set word 24's flags.
StudentProfile decodeProfileRecord(std::span<const std::uint8_t> bytes);
// Plain profile -> stored bytes: set the flags, scramble with fresh seeds, encode.
std::vector<std::uint8_t> encodeProfileRecord(StudentProfile p, Random& random);

DataFile openProfileFile(const FileContext& ctx);

// Record routines, reporting with the read and write messages above; false
// when given up (the record is then unchanged).  The write sets the two flag
// bits in p.
bool readProfileRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, StudentProfile& p);
bool writeProfileRecord(const FileContext& ctx, DataFile& file, std::int32_t n, StudentProfile& p);

struct ProfileEntry {
    std::int32_t record = 0;
    StudentProfile profile;  // checked: values out of range repaired
};

// Whole records in PROFILES.DAT (length / 640); 0 when it does not exist.
std::int32_t profileCount(const FileContext& ctx);
// Every live profile (InUse 1) in record order; bad records and a torn tail
// are noted and skipped.
std::vector<ProfileEntry> listProfiles(const FileContext& ctx, Problems* problems = nullptr);
// Where a new profile goes: the lowest free slot (InUse 0), else count + 1.
std::int32_t newProfileSlot(const FileContext& ctx);
// "Last, First", or either name alone when the other is empty ("Ann", not
// ", Ann"), in every list of students.
std::string studentListText(const StudentProfile& p);

// A fresh profile for the editor: all texts blank, syllables 1..9.
StudentProfile newProfileDefaults();

// What the profile editor hands over on OK (the personal texts are already
// in the profile).  selected[k] is line k of the segment list, that is
// segment id k.
struct ProfileEditorInput {
    std::string LastName;
    std::string FirstName;
    int SyllableMin = 1;
    int SyllableMax = 9;
    std::vector<bool> selected;
};

// Saves profile p as record recordNo (new or existing): InUse 1, ProfileNo,
// names and range from the editor, FormatVersion, fresh fillers,
// StudiedSegments rebuilt from the list.  A record number above 9999 is
// refused with a message (no plan file could be named for it).  False when
// nothing was written.
bool saveProfile(const FileContext& ctx, StudentProfile& p, std::int32_t recordNo,
                 const ProfileEditorInput& input);

// Start-up scan: counts the live profiles into activeProfileCount; live
// records older than FormatVersion 30000 are updated to 30100 and written
// back in one crash-safe rewrite.  False when a read or write was given up
// (the load step stops).
bool scanProfiles(const FileContext& ctx, int& activeProfileCount, Problems* problems = nullptr);

enum class DeleteProfileResult { Deleted, NotMatching, Failed };
// Deletes the student in record r: a record whose ProfileNo is not r is left
// alone (NotMatching); deletes the plan file (a missing one is fine; another
// failure is reported with "Unable to delete Student's Plan file
// (PLNS0007.DAT)." and leaves the profile); then frees the slot (InUse 0).
// The plan file goes first, so a crash in between leaves a student without
// plans, never a free slot whose old plans a new student would inherit.
DeleteProfileResult deleteProfile(const FileContext& ctx, std::int32_t r);

}  // namespace moxlet
