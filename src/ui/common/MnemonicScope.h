#pragma once
// Gives the underlined letters of a window inside the main window's MDI area
// precedence over the main menu's: with the profile editor active, Alt+P
// presses its "&Personal Info..." button instead of opening the "&Plan"
// menu.  Installed on every MDI child; letters the child does not use still
// reach the menu bar.

#include <QObject>

class QAbstractButton;
class QWidget;

namespace moxlet::ui {

class MnemonicScope : public QObject {
    Q_OBJECT
public:
    // Watches `window` and every widget inside it.
    static void install(QWidget* window);

    // The enabled, visible button of window whose caption underlines the
    // letter of Alt+key, or the buddy of such a label; nullptr when none.
    static QWidget* target(QWidget* window, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MnemonicScope(QWidget* window);
    QWidget* window_;
};

}  // namespace moxlet::ui
