#include "ui/shell/Program.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <filesystem>

#include "core/shell/DataDirectory.h"
#include "core/store/Random.h"
#include "core/words/WordBase.h"
#include "ui/common/MarkFont.h"
#include "ui/common/MessageBoxPrompt.h"
#include "ui/common/Services.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProductPicture.h"

namespace moxlet::ui {

QString installDataDir()
{
    return QString::fromStdString(
        shippedWordBaseDir(QCoreApplication::applicationDirPath().toStdString()).string());
}

bool claimDataFolder(const std::filesystem::path& dataDir, Prompt& prompt, InstanceLock& lock)
{
    if (lock.acquire(dataDir) != InstanceLock::Result::HeldElsewhere) return true;
    prompt.message(secondInstanceMessage(dataDir), "Moxlet", Icon::Exclamation, Buttons::Ok);
    return false;
}

int runProgram(const ProgramOptions& options)
{
    // The program starts in its data folder: the working directory.
    const std::filesystem::path dataDir = std::filesystem::current_path();
    const QString installDir = installDataDir();
    prepareDataDirectory(dataDir, installDir.toStdString());
    MarkFont::ensureLoaded(installDir);

    MessageBoxPrompt prompt;
    InstanceLock lock;
    if (!claimDataFolder(dataDir, prompt, lock)) return 1;
    auto random = makeClockRandom();
    SystemClipboard clipboard;
    SystemPrintDialogs printDialogs;
    OptionSettings optionSettings;
    WordSource words;
    Services services{prompt, *random, clipboard, printDialogs, optionSettings, words, dataDir, installDir};

    QApplication::setWindowIcon(QIcon(productPicture(64)));
    MainWindow window(services);
    ShellSeams seams;
    // The start-up probe times the program's own work, without the splash.
    if (options.quitWhenIdle) seams.splashDuration = {};
    window.setSeams(seams);
    prompt.setParent(&window);
    window.load();
    window.show();
    if (options.quitWhenIdle) QTimer::singleShot(0, qApp, [] { QApplication::quit(); });
    return QApplication::exec();
}

}  // namespace moxlet::ui
