#include "DataFiles.h"

#include <QApplication>
#include <filesystem>

namespace moxlet::ui {

DataFiles::DataFiles(Services& services)
    : fs_(std::filesystem::current_path().string()),
      ctx_{fs_, services.prompt, services.random}
{
}

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace moxlet::ui
