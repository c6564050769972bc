#include "ui/common/MnemonicScope.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>

namespace moxlet::ui {

namespace {
bool underlines(const QString& caption, int key)
{
    return QKeySequence::mnemonic(caption) == QKeySequence(Qt::ALT | key);
}

bool altLetter(const QKeyEvent* e)
{
    return e->modifiers() == Qt::AltModifier && ((e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) ||
                                                 (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9));
}
}  // namespace

MnemonicScope::MnemonicScope(QWidget* window) : QObject(window), window_(window) {}

void MnemonicScope::install(QWidget* window)
{
    // One filter on the application sees the key events of every widget of
    // the window, including those created after this call.
    qApp->installEventFilter(new MnemonicScope(window));
}

QWidget* MnemonicScope::target(QWidget* window, int key)
{
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(window) && b->isEnabled() && underlines(b->text(), key)) return b;
    }
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->buddy() && l->buddy()->isEnabled() && l->isVisibleTo(window) && underlines(l->text(), key))
            return l->buddy();
    }
    return nullptr;
}

bool MnemonicScope::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != window_ && !window_->isAncestorOf(widget))) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!altLetter(key)) return false;
    QWidget* target = MnemonicScope::target(window_, key->key());
    if (!target) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the key, so that it arrives as a key press instead of
        // triggering the menu bar's shortcut.
        event->accept();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->animateClick();
    } else {
        target->setFocus(Qt::ShortcutFocusReason);
    }
    return true;
}

}  // namespace moxlet::ui
