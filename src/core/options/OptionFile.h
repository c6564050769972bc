#pragma once
// OPTION.PRM: one 118-byte record holding the options between runs.
//
// Old layout: an older program wrote a different arrangement of the same
// 118 bytes (five print flags, then list sizes, page break, order and
// homophone mode).  Both layouts are 59 small integers with no version
// field, and every old record is also a plausible new one (a 0/1 flag reads
// as a list size, a list size as a print flag), so no test can tell them
// apart without misreading some current files.  Moxlet therefore recognises
// no old layout and never converts: a current file is never rewritten by a
// guess, and the worst an old file can do is show options the tutor changes
// once in the option dialogs (values out of range are replaced by defaults
// and noted).

#include <cstdint>

#include "core/options/Options.h"
#include "core/store/DataFile.h"
#include "core/store/DataFileNames.h"
#include "core/store/Problems.h"

namespace moxlet {

// The fields an option dialog owns; Save copies only these into the record,
// so saving from one dialog leaves the values of another as last loaded.
enum OptionField : unsigned {
    kPrintSectionFields = 1u << 0,
    kReviewListSizeField = 1u << 1,
    kNewListSizeField = 1u << 2,
    kPageBreakField = 1u << 3,
    kSegmentOrderField = 1u << 4,
    kHomophoneModeField = 1u << 5,
    kBlankLinesField = 1u << 6,
    kFontSizeModeField = 1u << 7,
    kOfferUpToField = 1u << 8,
    kAllOptionFields = 0x1FFu,
};

// The word level choice as OPTION.PRM keeps it, in the first integer the
// layout reserved (offset 26): 0 common (the default: every file written
// before the choice holds 0 there), 1 everyday, 2 wider.  A value out of
// 0..2 is noted when read and the default used; the word options dialog
// opens with the default then, never with Wider, and OK stores the button
// chosen.  The record keeps its 118 bytes and every other field; a reserved
// integer rather than a file of its own, because the record is read and
// written back whole (saveOptions writes settings.stored): the choice gets
// the same crash-safe write, daily backups, check and restore as the other
// options, with no second file to keep in step with the first.
std::int16_t storedOfferLevel(WordLevel level);
WordLevel offerLevelOf(std::int16_t stored);

OptionRecord toOptionRecord(const Options& o);
// The option record as read: out-of-range values take their defaults and
// are noted.
void checkOptions(OptionRecord& r, Problems* problems, const std::string& file = kOptionFileName);
Options fromOptionRecord(const OptionRecord& r);

// Record routines; "Unable to read Parameter file, OPTION.PRM." and
// "Unable to write to Parameter file, OPTION.PRM.".  False when given up
// (the record is then unchanged).
bool readOptionRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, OptionRecord& r);
bool writeOptionRecord(const FileContext& ctx, DataFile& file, std::int32_t n, const OptionRecord& r);

// Start-up: defaults, then OPTION.PRM when it exists.  Values out of range
// and a file shorter than a record are noted and leave the defaults in
// settings.values, which the program reads; settings.stored keeps the
// record as read, out-of-range values included, for the option dialogs.
void loadOptions(const FileContext& ctx, OptionSettings& settings, Problems* problems = nullptr);

// What the option dialogs open with: the options in force, except that a
// field (of `fields`) that OPTION.PRM holds out of its range is shown as
// stored, so its dialog selects the last button of the group (a font of 5
// selects "Large"), and OK stores that button's value.  The rest of the
// program never sees such a value: it reads settings.values.  The word
// level is the exception: it opens as in force (the default), since its
// last button, Wider, is the one choice that must never be a guess.
Options dialogOptions(const OptionSettings& settings);
// Whether any of `fields` is out of its range in settings.stored.
bool storedOutOfRange(const OptionSettings& settings, unsigned fields);

// An option dialog's OK: copies the owned fields of settings.values into
// settings.stored and writes it as record 1 (creating the file).  False when
// the write was given up; the values in memory stay as the dialog set them.
bool saveOptions(const FileContext& ctx, OptionSettings& settings, unsigned ownedFields);

}  // namespace moxlet
