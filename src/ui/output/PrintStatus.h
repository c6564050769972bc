#pragma once
// The small status window shown while a printout is prepared (object name
// CnclPrnt, caption "Print Status"): one label, Label1, saying what is being
// prepared.  It has no buttons and does not take the focus; each change of
// its text lets pending window events run, so it repaints.

#include <QWidget>

class QLabel;

namespace moxlet::ui {

class PrintStatus : public QWidget {
    Q_OBJECT
public:
    explicit PrintStatus(QWidget* parent = nullptr);
    // Shows text and lets the window repaint.
    void say(const QString& text);
    QString text() const;

private:
    QLabel* label_;
};

}  // namespace moxlet::ui
