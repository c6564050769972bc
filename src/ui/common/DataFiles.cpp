#include "ui/common/DataFiles.h"

#include <QApplication>

#include "core/store/Backups.h"

namespace moxlet::ui {

DataFiles::DataFiles(Services& services)
    : fs_(services.dataDir.string()), ctx_{fs_, services.prompt, services.random}
{
    // Before the first change of a day, yesterday's files are kept.
    fs_.setBeforeFirstChange([&services] {
        static std::string failedOn;  // tell the tutor once a day, not at every save
        const std::string today = todaysBackupName();
        std::string error;
        if (backUpToday(services.dataDir, today, error) || failedOn == today) return;
        failedOn = today;
        services.prompt.message("Moxlet could not make today's backup copy of your data files (" + error +
                                    ").  Your work is saved as usual.",
                                "Moxlet", Icon::Exclamation, Buttons::Ok);
    });
}

WordBaseFiles::WordBaseFiles(Services& services)
    : fs_(services.words.directory.string()), ctx_{fs_, services.prompt, services.random}
{
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace moxlet::ui
