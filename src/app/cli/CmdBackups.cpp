// moxlet-cli backups [DIR]: the daily backups of a data folder, newest
// first: date, files, bytes.
//
// moxlet-cli restore DATE [DIR] [--yes]: brings the data files of a backup
// back, after asking (unless --yes).  The files it replaces are kept in a
// folder "DATE before restore HHMMSS" of the backups.  Moxlet must not be
// running on the folder meanwhile.

#include <iostream>

#include "app/cli/Command.h"
#include "core/shell/InstanceLock.h"
#include "core/store/Backups.h"

namespace moxlet::cli {

namespace {

int runBackups(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "usage: moxlet-cli backups [DIR]\n";
        return 2;
    }
    const std::filesystem::path dir = args.empty() ? "." : args[0];
    const auto all = listBackups(dir);
    for (const BackupInfo& b : all) out << b.date << '\t' << b.files << " file(s)\t" << b.bytes << " bytes\n";
    if (all.empty()) err << "no backups in " << (dir / kBackupFolder).string() << "\n";
    return 0;
}

int runRestore(const Args& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> plain;
    bool yes = false;
    for (const std::string& a : args) (a == "--yes" ? yes = true : (plain.push_back(a), false));
    if (plain.empty() || plain.size() > 2) {
        err << "usage: moxlet-cli restore DATE [DIR] [--yes]\n";
        return 2;
    }
    const std::string date = plain[0];
    const std::filesystem::path dir = plain.size() > 1 ? plain[1] : ".";
    InstanceLock lock;
    if (lock.acquire(dir) == InstanceLock::Result::HeldElsewhere) {
        err << secondInstanceMessage(dir) << "\nClose Moxlet before restoring a backup.\n";
        return 1;
    }
    if (!yes) {
        out << "Replace the data files in " << dir.string() << " by the backup of " << date
            << "?  Today's files are kept in the backups folder.  [y/N] " << std::flush;
        std::string answer;
        std::getline(std::cin, answer);
        if (answer != "y" && answer != "Y" && answer != "yes") {
            out << "Nothing restored.\n";
            return 1;
        }
    }
    std::string error;
    const std::string kept = restoreBackup(dir, date, error);
    if (kept.empty()) {
        err << "moxlet-cli: " << error << "\n";
        return 1;
    }
    out << "Restored the backup of " << date << "; the files it replaced are in "
        << (dir / kBackupFolder / kept).string() << ".\n";
    return 0;
}

const Command::Registration backups{"backups", "backups [DIR]",
                                    "list the daily backups of a data folder, newest first", &runBackups};
const Command::Registration restore{"restore", "restore DATE [DIR] [--yes]",
                                    "bring back the data files of a daily backup (asks first unless --yes)",
                                    &runRestore};

}  // namespace

}  // namespace moxlet::cli
