// startup-probe moxlet|bare: starts the program (or a bare Qt main window of
// the same size) and quits at the first idle moment after the window is
// shown.  bench/startup.sh times many runs of each.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>

#include "ui/shell/Program.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("bare"));
        window.resize(817, 611);
        window.show();
        QTimer::singleShot(0, &app, [] { QApplication::quit(); });
        return QApplication::exec();
    }
    return moxlet::ui::runProgram({.quitWhenIdle = true});
}
