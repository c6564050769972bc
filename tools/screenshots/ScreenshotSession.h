#pragma once
// One screenshot's world: a fresh data folder with a few sample students, the
// services with scripted message boxes (nothing can block), and the main
// window loaded and shown as a tutor sees it.  Helpers open windows through
// the menus, as a tutor does, and grab what is on screen.

#include <QPixmap>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "core/store/Random.h"
#include "support/ScriptedPrompt.h"
#include "ui/common/Services.h"
#include "ui/shell/MainWindow.h"

class QListWidget;
class QWidget;

namespace moxlet::screenshots {

class PdfPrintDialogs;

class Session {
public:
    // installDir: where the word base and the compiled manual are;
    // withStudents false: an empty data folder, as on the first start.
    explicit Session(const QString& installDir, bool withStudents = true);
    ~Session();

    ui::MainWindow& main() { return *main_; }

    // Triggers a menu entry by its control name and returns the one live
    // window of type W that it opened (nullptr when none).
    template <class W>
    W* open(const char* entry)
    {
        trigger(entry);
        return find<W>();
    }
    template <class W>
    W* find()
    {
        flush();
        return main_->findChild<W*>();
    }
    void trigger(const char* entry);
    // Opens a student's profile in the profile editor (Open Student Profile).
    void openProfile(const QString& student);
    // Pops up the menu with that control name (mnuLPlan, mnuHelp, ...).
    QWidget* popUpMenu(const char* menu);
    // Clicks the button with that control name in `window` and lets what it
    // opens appear.
    void click(QWidget* window, const char* button);
    // Lets pending events run for `ms` milliseconds (what a click started).
    void settle(int ms = 50);
    // Selects the line of a list that reads `text` (a student, a date).
    void chooseLine(QListWidget* list, const QString& text);
    // The next print dialog is answered with "Print to File (PDF)" into
    // `file`, on the Letter page the printout was laid out for.
    void printToPdf(const QString& file);
    // The message boxes shown so far (answered with their defaults).
    const ScriptedPrompt& prompt() const { return prompt_; }

    // Lets the window settle (layout, pages, models filled in the background)
    // and returns what it shows.
    QPixmap grab(QWidget* window, int settleMs = 150);

private:
    void addSampleStudents();
    void flush();

    QTemporaryDir data_;
    QTemporaryDir helpCache_;
    ScriptedPrompt prompt_;
    SeededRandom random_{1};
    std::unique_ptr<ui::Clipboard> clipboard_;
    std::unique_ptr<PdfPrintDialogs> printDialogs_;
    OptionSettings options_;
    WordSource words_;
    std::unique_ptr<ui::Services> services_;
    std::unique_ptr<ui::MainWindow> main_;
};

}  // namespace moxlet::screenshots
