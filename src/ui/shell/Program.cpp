#include "Program.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <filesystem>

#include "DataDirectory.h"
#include "MDIForm1.h"
#include "MarkFont.h"
#include "QtPrompt.h"
#include "Random.h"
#include "Services.h"
#include "WordBase.h"

namespace moxlet::ui {

QString installDataDir()
{
    return QString::fromStdString(
        shippedWordBaseDir(QCoreApplication::applicationDirPath().toStdString()).string());
}

int runProgram(const ProgramOptions& options)
{
    const QString installDir = installDataDir();
    prepareDataDirectory(std::filesystem::current_path(), installDir.toStdString());
    MarkFont::ensureLoaded(installDir);

    Globals globals;
    QtPrompt prompt;
    auto random = makeClockRandom();
    SystemClipboard clipboard;
    Services services{globals, prompt, *random, clipboard, installDir};

    MDIForm1 form(services);
    prompt.setParent(&form);
    form.load();
    form.show();
    if (options.quitWhenIdle) QTimer::singleShot(0, qApp, [] { QApplication::quit(); });
    return QApplication::exec();
}

}  // namespace moxlet::ui
