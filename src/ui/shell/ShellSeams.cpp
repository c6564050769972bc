#include "ui/shell/ShellSeams.h"

#include <QDesktopServices>

namespace moxlet::ui {

bool openWithDesktop(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace moxlet::ui
