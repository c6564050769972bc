#pragma once
// What the shell's windows take from outside, so that tests can stand in for
// it: how long the splash window stays, how a web address is opened, and
// where the help window keeps its collection and search index.  The program
// uses the defaults; tests pass a zero splash time (no waiting), an opener
// that records the address instead of starting a browser, and a temporary
// help folder.

#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

namespace moxlet::ui {

// Opens a web address; true when it was handed to a browser.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's browser (QDesktopServices).
bool openWithDesktop(const QUrl& url);

struct ShellSeams {
    // How long the splash window shows at start-up; zero shows none (tests
    // and the start-up probe).
    std::chrono::milliseconds splashDuration{3000};
    UrlOpener openUrl = openWithDesktop;
    // Where the help window keeps its help collection and full-text index;
    // empty: the user's cache folder (~/.cache/Quillory/Moxlet/help).  The
    // installed manual itself is read only and is never written to.
    QString helpCacheDir;
};

}  // namespace moxlet::ui
