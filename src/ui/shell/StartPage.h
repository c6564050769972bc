#pragma once
// The start page (object name StartPage): what the main window shows on its
// empty area whenever no window is open in it, so that a tutor starting
// Moxlet for the first time sees where to begin.
//
// It offers the four first steps as buttons, each doing what its menu
// entry does and enabled as that entry is: create a student (the profile
// editor), open a lesson plan, make a word list, read the manual.  Below
// them, the last five plans opened (core/shell/RecentPlans), each one click
// away, numbered 1 to 5 for Alt+1..Alt+5.  With no students yet, one
// sentence says to start by creating a student.
//
// It stands on the MDI area's viewport under the windows and watches them
// come and go: it hides while one is open and comes back, brought up to
// date, when the last one closes (and after any dialog of the main window
// closes, which may have deleted a student).  A plan window that opens an
// existing plan puts it first in the recent plans, and so does each save.

#include <QWidget>
#include <vector>

#include "core/shell/RecentPlans.h"

class QLabel;
class QMdiSubWindow;
class QPushButton;
class QVBoxLayout;

namespace moxlet::ui {

class MainWindow;
class PlanWindow;

class StartPage : public QWidget {
    Q_OBJECT
public:
    explicit StartPage(MainWindow& main);

    // Reads the students and the recent plans again.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addStep(QWidget* parent, const char* name, const QString& caption, const char* menuEntry);
    void showRecentPlans(const std::vector<RecentPlanLine>& lines);
    // Shown exactly while no window is open in the MDI area.
    void followWindows();
    void watchPlanWindow(PlanWindow* plan);
    void remember(const PlanWindow* plan);

    MainWindow& main_;
    QLabel* hint_ = nullptr;
    QWidget* recentBox_ = nullptr;
    QVBoxLayout* recentList_ = nullptr;
    std::vector<QPushButton*> steps_;
};

}  // namespace moxlet::ui
