#pragma once
// Daily backups of a data folder.  Before the first change of a day to any
// data file, the data files as they stand (PROFILES.DAT, the plan files,
// OPTION.PRM) are copied into Backups/YYYY-MM-DD inside the data folder;
// the backups of the last 14 days are kept, older ones removed.  A tutor who
// deleted the wrong student or plan brings back yesterday's folder with
// `moxlet-cli restore DATE`.
//
// A backup is written into a folder named after the date with ".partial"
// added, flushed and then renamed, so a backup folder with a date for a name
// is always whole.  Restoring first saves the files as they stand into a
// folder "YYYY-MM-DD before restore HHMMSS" (never removed automatically),
// then puts each backed-up file back in one crash-safe step, and moves data
// files the backup does not have (plans of students added since) into that
// same folder.

#include <filesystem>
#include <string>
#include <vector>

namespace moxlet {

inline constexpr const char* kBackupFolder = "Backups";
inline constexpr int kBackupDays = 14;

// Today's date as a backup folder name (local time).
std::string todaysBackupName();

// Makes today's backup if there is none yet; returns false with `error` set
// when it could not be made (the change goes on regardless).
bool backUpToday(const std::filesystem::path& dataDir, const std::string& today, std::string& error);

struct BackupInfo {
    std::string date;  // YYYY-MM-DD
    int files = 0;
    std::uintmax_t bytes = 0;
};
// The dated backups, newest first.
std::vector<BackupInfo> listBackups(const std::filesystem::path& dataDir);

// Puts the backup of `date` back (see above); the name of the folder that
// keeps the files replaced, or empty with `error` set.
std::string restoreBackup(const std::filesystem::path& dataDir, const std::string& date, std::string& error);

}  // namespace moxlet
