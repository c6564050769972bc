// Moxlet: the desktop program, a thin shell over moxlet_ui.
#include <QApplication>

#include "shell/Program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moxlet"));
    QApplication::setApplicationVersion(QStringLiteral("3.30"));
    return moxlet::ui::runProgram();
}
