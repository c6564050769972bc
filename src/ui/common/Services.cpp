#include "ui/common/Services.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>

namespace moxlet::ui {

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void SystemClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool SystemPrintDialogs::exec(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

}  // namespace moxlet::ui
