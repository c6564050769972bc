#include "core/store/Backups.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "core/store/DataFileNames.h"
#include "core/store/DiskFileSystem.h"
#include "core/store/FileSystem.h"

namespace moxlet {

namespace fs = std::filesystem;

namespace {

bool isDateName(const std::string& name)
{
    if (name.size() != 10 || name[4] != '-' || name[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

std::string localTime(const char* format)
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, format, &tm);
    return text;
}

// Copies a file and makes the copy durable.
bool copyDurably(const fs::path& from, const fs::path& to, std::string& error)
{
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        error = "copying " + from.filename().string() + ": " + ec.message();
        return false;
    }
    const int fd = ::open(to.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        if (fd >= 0) ::close(fd);
        error = "writing " + to.string();
        return false;
    }
    ::close(fd);
    return true;
}

std::vector<std::string> dataFiles(const fs::path& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        std::error_code e2;
        const std::string name = e.path().filename().string();
        if (e.is_regular_file(e2) && isTutorDataFileName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool copyFolder(const fs::path& dataDir, const fs::path& into, const std::vector<std::string>& names,
                std::string& error)
{
    std::error_code ec;
    fs::create_directories(into, ec);
    if (ec) {
        error = "creating " + into.string() + ": " + ec.message();
        return false;
    }
    for (const std::string& name : names)
        if (!copyDurably(dataDir / name, into / name, error)) return false;
    return true;
}

}  // namespace

std::string todaysBackupName() { return localTime("%Y-%m-%d"); }

bool backUpToday(const fs::path& dataDir, const std::string& today, std::string& error)
{
    const fs::path root = dataDir / kBackupFolder;
    const fs::path done = root / today;
    std::error_code ec;
    if (fs::is_directory(done, ec)) return true;
    const std::vector<std::string> names = dataFiles(dataDir);
    if (names.empty()) return true;  // nothing to keep yet
    const fs::path partial = root / (today + ".partial");
    fs::remove_all(partial, ec);
    if (!copyFolder(dataDir, partial, names, error)) {
        fs::remove_all(partial, ec);
        return false;
    }
    fs::rename(partial, done, ec);
    if (ec) {
        error = "naming " + done.string() + ": " + ec.message();
        return false;
    }
    // Keep the newest 14 dated backups.
    std::vector<std::string> dates;
    for (const auto& e : fs::directory_iterator(root, ec))
        if (isDateName(e.path().filename().string())) dates.push_back(e.path().filename().string());
    std::sort(dates.rbegin(), dates.rend());
    for (std::size_t i = kBackupDays; i < dates.size(); ++i) fs::remove_all(root / dates[i], ec);
    return true;
}

std::vector<BackupInfo> listBackups(const fs::path& dataDir)
{
    std::vector<BackupInfo> all;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dataDir / kBackupFolder, ec)) {
        const std::string name = e.path().filename().string();
        if (!isDateName(name) || !e.is_directory(ec)) continue;
        BackupInfo info{name, 0, 0};
        for (const auto& f : fs::directory_iterator(e.path(), ec)) {
            ++info.files;
            info.bytes += f.file_size(ec);
        }
        all.push_back(info);
    }
    std::sort(all.begin(), all.end(),
              [](const BackupInfo& a, const BackupInfo& b) { return a.date > b.date; });
    return all;
}

std::string restoreBackup(const fs::path& dataDir, const std::string& date, std::string& error)
{
    const fs::path from = dataDir / kBackupFolder / date;
    std::error_code ec;
    if (!isDateName(date) || !fs::is_directory(from, ec)) {
        error = "there is no backup of " + date;
        return {};
    }
    const std::string keptName = todaysBackupName() + " before restore " + localTime("%H%M%S");
    const fs::path kept = dataDir / kBackupFolder / keptName;
    const std::vector<std::string> current = dataFiles(dataDir);
    if (!copyFolder(dataDir, kept, current, error)) return {};
    const std::vector<std::string> restored = dataFiles(from);
    try {
        DiskFileSystem files(dataDir.string());
        for (const std::string& name : restored) {
            std::ifstream in(from / name, std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            replaceFileAtomically(files, name, bytes);
        }
        // Files the backup does not have are kept in the saved folder only.
        for (const std::string& name : current)
            if (std::find(restored.begin(), restored.end(), name) == restored.end()) files.remove(name);
    } catch (const FileException& e) {
        error = e.what();
        return {};
    }
    return keptName;
}

}  // namespace moxlet
