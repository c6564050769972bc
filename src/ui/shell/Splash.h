#pragma once
// The splash window (object name Splash): the picture, company, product and
// version, centred on the screen while the main window finishes its load.
// It is modal and closes itself when its timer (Timer1) fires; the main
// window shows only after that.

#include <QDialog>
#include <chrono>

class QTimer;

namespace moxlet::ui {

class Splash : public QDialog {
    Q_OBJECT
public:
    explicit Splash(std::chrono::milliseconds duration, QWidget* parent = nullptr);

    // Shows a splash window for `duration` and returns when it has closed.
    static void showModal(std::chrono::milliseconds duration, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTimer* timer_ = nullptr;
};

}  // namespace moxlet::ui
