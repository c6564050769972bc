// Moxlet: the desktop program.  A thin shell over moxlet_ui: it prepares the
// data directory (the working directory), makes the program's services and
// shows the main window.
#include <QApplication>
#include <QDir>
#include <filesystem>

#include "DataDirectory.h"
#include "MDIForm1.h"
#include "MarkFont.h"
#include "QtPrompt.h"
#include "Random.h"
#include "Services.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Moxlet"));
    QApplication::setApplicationVersion(QStringLiteral("3.30"));

    const QString installDir =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/moxlet"));
    moxlet::prepareDataDirectory(std::filesystem::current_path(), installDir.toStdString());
    moxlet::ui::MarkFont::ensureLoaded(installDir);

    moxlet::Globals globals;
    moxlet::ui::QtPrompt prompt;
    auto random = moxlet::makeClockRandom();
    moxlet::ui::SystemClipboard clipboard;
    moxlet::ui::Services services{globals, prompt, *random, clipboard, installDir};

    moxlet::ui::MDIForm1 form(services);
    prompt.setParent(&form);
    form.load();
    form.show();
    return app.exec();
}
