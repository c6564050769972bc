#include "common/DataFiles.h"

#include <QApplication>

namespace moxlet::ui {

DataFiles::DataFiles(Services& services)
    : fs_(services.dataDir.string()), ctx_{fs_, services.prompt, services.random}
{
}

WordBaseFiles::WordBaseFiles(Services& services)
    : fs_(services.words.directory.string()), ctx_{fs_, services.prompt, services.random}
{
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace moxlet::ui
