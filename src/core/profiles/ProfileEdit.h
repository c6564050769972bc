#pragma once
// The rules of the profile editor that need no window: the syllable range
// fields, the studied segments as list selections, the consonant blend rule,
// the duplicate-name check and the student list of the chooser windows.
//
// The editor's studied-segment list holds every catalogue segment in id
// order, so list position i is segment i (listAllSegments()).  Reading and
// writing the records is ProfileFile's; these routines work on what it
// lists.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/SegmentSet.h"
#include "core/profiles/ProfileFile.h"

namespace moxlet {

// ---- Syllable range ----------------------------------------------------

// The value of a one-digit syllable field as the tutor sees it: "_" (the
// prompt character of an empty field), an empty text or anything that is not
// a digit counts as 0.
int syllableValue(const std::string& fieldText);

// Advice shown while typing: the text and title of the box, or nothing.
struct SyllableAdvice {
    std::string text;
    std::string title;
};
// A new minimum of 2, or above 2, gets advice; 1 gets none.
std::optional<SyllableAdvice> minimumAdvice(int value);
// A new maximum of 1 gets advice.
std::optional<SyllableAdvice> maximumAdvice(int value);

// ---- Saving ------------------------------------------------------------

// Which field a refused save returns the focus to.
enum class ProfileField { LastName, FirstName, SyllableMin, SyllableMax };

struct SaveRefusal {
    std::string message;  // shown under kSaveProfileTitle, no icon, OK
    ProfileField focus;
};

inline const std::string kSaveProfileTitle = "Save Profile";

// What the editor's boxes hold when OK is pressed (Windows-1252 texts; the
// syllable fields as shown, "_" when empty).
struct ProfileBoxes {
    std::string lastName;
    std::string firstName;
    std::string syllableMin;
    std::string syllableMax;
};

// A live profile (as ListProfiles lists them) with the same trimmed first
// and last name: an exact, case-sensitive comparison, so "Ann Lee" and
// "ann lee" may coexist.  The record the editor will write (ownRecordNo) is
// skipped, so saving an opened profile again is never a duplicate; free
// slots are not listed and never count.
bool isDuplicateName(const std::vector<ProfileEntry>& live, std::int32_t ownRecordNo,
                     const std::string& firstName, const std::string& lastName);

// The checks of OK in their order: empty last name, duplicate, missing
// minimum, missing maximum, minimum above maximum.  The first that fails is
// returned; nothing means the profile may be written.  A syllable field
// holding "0" or nothing ("_") is missing.
std::optional<SaveRefusal> checkProfileBoxes(const ProfileBoxes& boxes, const std::vector<ProfileEntry>& live,
                                             std::int32_t ownRecordNo);

// ---- Studied segments ----------------------------------------------------

// The list positions to select for a stored set: words 1..24, bits 0..14 in
// order, stopping at listSize lines (the flag ids 358 and 359 lie beyond the
// list and so are never selected).
std::vector<bool> selectionFromStudied(const SegmentSet& studied, int listSize);

// The refusal for selecting line `line` while `selected` marks the selected
// lines (including line itself): the message when line is a consonant blend
// whose components are not all selected, otherwise nothing.
std::optional<std::string> blendSelectionRefusal(int line, const std::vector<bool>& selected);

// Selecting a whole group of lines at once (a heading of the list): the
// members to select, in their order, and the refusal for the consonant
// blends left out because their components are not all selected (one
// message for all of them), or nothing.  Members already selected are not
// listed.
struct GroupSelection {
    std::vector<int> lines;
    std::optional<std::string> refusal;
};
GroupSelection groupSelection(const std::vector<SegmentId>& members, const std::vector<bool>& selected);

// ---- Student lists -------------------------------------------------------

struct StudentListEntry {
    std::string text;       // studentListText: "Last, First", "Last" or "First" (Windows-1252)
    std::int32_t recordNo;  // the record in PROFILES.DAT
};

// The live profiles as the lines of a chooser list, sorted by their text the
// way a tutor looks names up: ignoring the letter case of A..Z, then by the
// exact text, then by record number (so equal names keep their file order).
std::vector<StudentListEntry> studentList(const std::vector<ProfileEntry>& live);

}  // namespace moxlet
