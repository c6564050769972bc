// Moxlet: the desktop program, a thin shell over moxlet_ui.
#include <QApplication>

#include "core/shell/ProductInfo.h"
#include "ui/shell/Program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The names also place the help window's cache: ~/.cache/Quillory/Moxlet.
    QApplication::setOrganizationName(QString::fromLatin1(moxlet::kCompanyName));
    QApplication::setApplicationName(QString::fromLatin1(moxlet::kProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(moxlet::kVersionNumber));
    QGuiApplication::setDesktopFileName(QStringLiteral("moxlet"));
    return moxlet::ui::runProgram();
}
