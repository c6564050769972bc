#include "common/Services.h"

#include <QClipboard>
#include <QGuiApplication>

namespace moxlet::ui {

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void SystemClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace moxlet::ui
