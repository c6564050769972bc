#pragma once
// F1 anywhere in the program shows the manual's page for the window the
// tutor is working in: a dialog, a window inside the main window, a message
// box, or the main window itself.  The manual's index names every window by
// its caption (see manual/moxlet.qhp), so the caption is the keyword; the
// plan window, whose caption carries the student's name, is "Lesson Plan
// for (plan window)", and the main window "<caption> (main window)".
//
// An event filter on the application sees F1 before any window does, also
// while a dialog is modal; the main window installs it and shows the page.

#include <QObject>
#include <functional>

class QMainWindow;
class QMdiArea;
class QWidget;

namespace moxlet::ui {

class ContextHelp : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString& keyword)>;
    ContextHelp(QMainWindow* main, QMdiArea* mdi, Show show);

    // The manual keyword for a window of the program.
    static QString keywordFor(const QWidget* window, const QMainWindow* main, const QMdiArea* mdi);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow* main_;
    QMdiArea* mdi_;
    Show show_;
};

}  // namespace moxlet::ui
