#pragma once
// The main window (object name MDIForm1): an MDI parent with the program's
// whole menu.
//
// load() runs the load step that prepares everything in its fixed order
// (help set-up, window size, offset index, profile scan, options, menu
// state, splash); each step is a method of its own.  A file step that fails
// and is given up ends the load where it failed.
//
// Menu entries are QAction members that also carry their control names as
// object names (mnuPlan_0, mnuProfile_1, ...), so tests find them.
//
// The windows that open over it (profile editor, student chooser, and later
// the plan window and the word list tool) say when they open and close
// through signals; the main window alone decides its menus: while such a
// window is open the plan and profile entries are disabled, and when it
// closes every entry is enabled again, except those that need a student
// profile while there is none.
//
// Ending: E&xit and the close box both give every child its closing step;
// a child that stays open (Cancel at a plan's save question, a save that
// failed) keeps the program running with it, so no work is lost.

#include <QMainWindow>
#include <QPointer>

#include "core/plans/PlanSession.h"
#include "core/store/Problems.h"
#include "ui/common/Services.h"
#include "ui/options/OptionDialog.h"
#include "ui/shell/ShellSeams.h"

class QAction;
class QMdiArea;
class QMenu;

namespace moxlet::ui {

class PlanWindow;
class HelpWindow;
class ProfileEditor;
class StartPage;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The splash time, the web address opener and the help folder; set
    // before load().
    void setSeams(ShellSeams seams) { seams_ = std::move(seams); }

    // The load step; returns false when a step failed and the load stopped.
    bool load();

    // True when the screen was at most 12000 x 9000 twips at load: windows
    // then open maximised.
    bool smallScreen() const { return smallScreen_; }
    // Live profiles counted at load, plus one for every profile saved since;
    // only whether it is 0 matters.
    int activeProfileCount() const { return activeProfileCount_; }

    QMdiArea* mdiArea() const { return mdi_; }
    // The open plan window, or nullptr.
    PlanWindow* planWindow() const;
    Services& services() { return services_; }
    // The help window if it has been opened, else nullptr.
    HelpWindow* openedHelpWindow() const;

    // Shows a window inside the MDI area: maximised on a small screen,
    // otherwise at the area's top left with the given size in twips.
    void showInMdiArea(QWidget* window, int widthTwips, int heightTwips);

    // Opens plan `record` of the student in profile record `profile` (the
    // start page's recent plans), as "&Open Lesson Plan..." does once the
    // tutor has chosen.
    void openLessonPlanAt(std::int32_t profile, std::int32_t record);

public Q_SLOTS:
    void newLessonPlan();
    void openLessonPlan();
    void createWordList();
    // Check a &Passage...: the plan's student first when a plan is open.
    void checkPassage();
    void deleteLessonPlans();
    void exitProgram();
    void newStudentProfile();
    void openStudentProfile();
    void deleteStudentProfiles();
    void editHomophoneOptions();
    void editPrintOptions();
    void editWordOptions();
    void showHelpContents();
    void searchHelp();
    // The manual's page for a window (F1): its index keyword.
    void showHelpFor(const QString& keyword);
    void showAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, void (MainWindow::*slot)());

    // Enables every entry, then disables those that need a student profile
    // when there is none.
    void restoreMenus();
    // Disables the plan and profile entries while a window that works on a
    // student is open.
    void disablePlanAndProfileMenus();
    void openProfileEditor(const StudentProfile& profile, std::int32_t recordNo);
    void openPlanWindow(PlanSession session);
    // The help window, opened on first use; nullptr when the manual is
    // missing or cannot be read (then the Help entries do nothing visible).
    HelpWindow* helpWindow();

    // Load steps, in order.
    void setUpHelp();
    void applyWindowSize();
    void fillOffsetIndex();
    bool scanProfiles();
    bool loadOptions();
    void showSplash();
    // Damaged records the load skipped or repaired are told in one box after
    // the load, so the tutor knows why a student may be missing.
    void reportDataProblems();

    Services& services_;
    ShellSeams seams_;
    QString helpFile_;  // the compiled manual, set by the help set-up
    QPointer<HelpWindow> help_;
    QMdiArea* mdi_ = nullptr;
    StartPage* startPage_ = nullptr;  // on the MDI area while no window is open
    bool smallScreen_ = false;
    int activeProfileCount_ = 0;
    Problems loadProblems_;
    OptionChangeMark optionChangeMark_;  // shared by the option dialogs

    QAction* newPlan_ = nullptr;
    QAction* openPlan_ = nullptr;
    QAction* wordList_ = nullptr;
    QAction* passage_ = nullptr;
    QAction* deletePlans_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* newProfile_ = nullptr;
    QAction* openProfile_ = nullptr;
    QAction* deleteProfiles_ = nullptr;
    QAction* homophoneOptions_ = nullptr;
    QAction* printOptions_ = nullptr;
    QAction* wordOptions_ = nullptr;
    QAction* helpContents_ = nullptr;
    QAction* helpSearch_ = nullptr;
    QAction* about_ = nullptr;
};

}  // namespace moxlet::ui
