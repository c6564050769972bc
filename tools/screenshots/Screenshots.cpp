// moxlet-screenshots INSTALL-DIR OUTPUT-DIR [NAME...]: saves the manual's
// pictures of the program's windows, offscreen, into OUTPUT-DIR (normally
// manual/images); with NAMEs only those.  INSTALL-DIR holds the word base and
// the compiled manual (<build>/share/moxlet).  "./dev screenshots" builds
// and runs it and then makes the PNGs smaller.
//
// Each picture is one line of kShots: its file name and how to open the
// window in a fresh session (sample students, main window shown).  A new
// window gets a new line.
#include <QApplication>
#include <QDir>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <chrono>
#include <cstdio>
#include <functional>

#include "ScreenshotSession.h"
#include "profiles/DeleteProfilesDialog.h"
#include "profiles/PersonalInfoDialog.h"
#include "profiles/ProfileEditor.h"
#include "profiles/StudentChooser.h"
#include "shell/AboutDialog.h"
#include "shell/HelpWindow.h"
#include "shell/ProductPicture.h"
#include "shell/Splash.h"

using namespace moxlet::ui;
using moxlet::screenshots::Session;

namespace {

struct Shot {
    const char* file;
    std::function<QPixmap(Session&)> take;
};

// The help window, opened from the Help menu, its contents unfolded.
QPixmap helpWindow(Session& s, const char* entry, const QString& lookFor = {})
{
    auto* help = s.open<HelpWindow>(entry);
    if (!help) return {};
    help->resize(900, 600);
    help->engine()->contentWidget()->expandToDepth(0);
    if (!lookFor.isEmpty())
        help->findChild<QLineEdit*>(QStringLiteral("LookFor"))->setText(lookFor);
    return s.grab(help, 800);
}

// clang-format off: one line per picture.
const Shot kShots[] = {
    {"icon.png", [](Session&) { return productPicture(96); }},
    {"splash.png", [](Session& s) { Splash splash(std::chrono::hours(1)); splash.show(); return s.grab(&splash); }},
    {"main-window.png", [](Session& s) { return s.grab(&s.main()); }},
    {"menu-plan.png", [](Session& s) { return s.grab(s.popUpMenu("mnuLPlan")); }},
    {"menu-profile.png", [](Session& s) { return s.grab(s.popUpMenu("mnuSProfile")); }},
    {"menu-options.png", [](Session& s) { return s.grab(s.popUpMenu("mnuOptions")); }},
    {"menu-help.png", [](Session& s) { return s.grab(s.popUpMenu("mnuHelp")); }},
    {"profile-editor.png", [](Session& s) { s.trigger("mnuProfile_0"); return s.grab(&s.main()); }},
    {"profile-editor-studied.png", [](Session& s) { s.openProfile("Rivera, Sam"); return s.grab(&s.main()); }},
    {"student-chooser.png", [](Session& s) { return s.grab(s.open<StudentChooser>("mnuProfile_1")); }},
    {"personal-info.png", [](Session& s) { s.openProfile("Rivera, Sam"); s.find<ProfileEditor>()->showPersonalInfo(); return s.grab(s.find<PersonalInfoDialog>()); }},
    {"delete-profile.png", [](Session& s) { return s.grab(s.open<DeleteProfilesDialog>("mnuDelProfile")); }},
    {"about.png", [](Session& s) { return s.grab(s.open<AboutDialog>("mnuAbout")); }},
    {"help-window.png", [](Session& s) { return helpWindow(s, "mnuContents"); }},
    {"help-index.png", [](Session& s) { return helpWindow(s, "mnuSearchHelp", QStringLiteral("syll")); }},
};
// clang-format on

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(productPicture(64)));  // as the program does
    if (argc < 3) {
        std::fprintf(stderr, "usage: moxlet-screenshots INSTALL-DIR OUTPUT-DIR [NAME...]\n");
        return 2;
    }
    const QString installDir = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QStringList wanted;
    for (int i = 3; i < argc; ++i)
        wanted << QString::fromLocal8Bit(argv[i]);

    int failed = 0;
    for (const Shot& shot : kShots) {
        const QString file = QString::fromLatin1(shot.file);
        if (!wanted.isEmpty() && !wanted.contains(file) &&
            !wanted.contains(QFileInfo(file).baseName()))
            continue;
        Session session(installDir);
        const QPixmap picture = shot.take(session);
        if (picture.isNull() || !picture.save(out.filePath(file), "PNG")) {
            std::fprintf(stderr, "moxlet-screenshots: could not take %s\n", shot.file);
            ++failed;
            continue;
        }
        std::printf("%s %dx%d\n", shot.file, picture.width(), picture.height());
    }
    return failed == 0 ? 0 : 1;
}
