#include "ui/shell/ContextHelp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace moxlet::ui {

ContextHelp::ContextHelp(QMainWindow* main, QMdiArea* mdi, Show show)
    : QObject(main), main_(main), mdi_(mdi), show_(std::move(show))
{
    qApp->installEventFilter(this);
}

QString ContextHelp::keywordFor(const QWidget* window, const QMainWindow* main, const QMdiArea* mdi)
{
    if (window == main) {
        const QMdiSubWindow* sub = mdi ? mdi->activeSubWindow() : nullptr;
        if (!sub || !sub->widget()) return main->windowTitle() + QStringLiteral(" (main window)");
        window = sub->widget();
    }
    const QString caption = window->windowTitle();
    const QString plan = QStringLiteral("Lesson Plan for");
    if (caption.startsWith(plan + QLatin1Char(' '))) return plan + QStringLiteral(" (plan window)");
    return caption;
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    const QWidget* window = widget->window();
    if (window->objectName() == QLatin1String("HelpWindow")) return false;  // the manual is open already
    show_(keywordFor(window, main_, mdi_));
    return true;
}

}  // namespace moxlet::ui
