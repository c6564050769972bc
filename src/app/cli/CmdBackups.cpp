// moxlet-cli backups [DIR]: the daily backups of a data folder, newest
// first: date, files, bytes.
//
// moxlet-cli restore DATE [DIR] [--yes]: brings the data files of a backup
// back, after asking (unless --yes).  The files it replaces are kept in a
// folder "TODAY before restore HHMMSS" of the backups.  Moxlet must not be
// running on the folder meanwhile.

#include <algorithm>
#include <istream>
#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/Command.h"
#include "core/shell/InstanceLock.h"
#include "core/store/Backups.h"

namespace moxlet::cli {

namespace {

void runBackups(const Args& args, CliContext& ctx)
{
    if (args.size() > 1) return ctx.usageError();
    const std::string dir = args.empty() ? "." : args[0];
    if (!ctx.isFolder(dir)) return;
    const auto all = listBackups(ctx.path(dir));
    for (const BackupInfo& b : all)
        ctx.out << b.date << '\t' << b.files << " file(s)\t" << b.bytes << " bytes\n";
    if (all.empty())
        ctx.err << "no backups in " << (std::filesystem::path(dir) / kBackupFolder).string() << "\n";
}

bool hasBackup(const std::filesystem::path& dir, const std::string& date)
{
    const auto all = listBackups(dir);
    return std::any_of(all.begin(), all.end(), [&](const BackupInfo& b) { return b.date == date; });
}

void runRestore(const Args& args, CliContext& ctx)
{
    std::vector<std::string> plain;
    bool yes = false;
    for (const std::string& a : args) {
        if (a == "--yes")
            yes = true;
        else if (a.starts_with("--"))
            return ctx.usageError();
        else
            plain.push_back(a);
    }
    if (plain.empty() || plain.size() > 2) return ctx.usageError();
    const std::string& date = plain[0];
    const std::string dir = plain.size() > 1 ? plain[1] : ".";
    if (!ctx.isFolder(dir)) return;
    // Named in full: the question is about a tutor's files.
    const std::filesystem::path folder = std::filesystem::weakly_canonical(ctx.path(dir));
    InstanceLock lock;
    if (lock.acquire(folder) == InstanceLock::Result::HeldElsewhere) {
        ctx.err << secondInstanceMessage(folder) << "\nClose Moxlet before restoring a backup.\n";
        ctx.status = 1;
        return;
    }
    if (!hasBackup(folder, date))
        return ctx.fail(1, "there is no backup of " + date + " in " + folder.string());
    if (!yes) {
        ctx.out << "Replace the data files in " << folder.string() << " by the backup of " << date
                << "?  Today's files are kept in the backups folder.  [y/N] " << std::flush;
        std::string answer;
        std::getline(ctx.in, answer);
        if (answer != "y" && answer != "Y" && answer != "yes") {
            ctx.out << "Nothing restored.\n";
            ctx.status = 1;
            return;
        }
    }
    std::string error;
    const std::string kept = restoreBackup(folder, date, error);
    if (kept.empty()) return ctx.fail(1, error);
    ctx.out << "Restored the backup of " << date << "; the files it replaced are in "
            << (folder / kBackupFolder / kept).string() << ".\n";
}

const Command::Registration backups{"backups", "backups [DIR]",
                                    "list the daily backups of a data folder, newest first", &runBackups};
const Command::Registration restore{"restore", "restore DATE [DIR] [--yes]",
                                    "bring back the data files of a daily backup (asks first unless --yes)",
                                    &runRestore};

}  // namespace

}  // namespace moxlet::cli
