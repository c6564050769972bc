#pragma once
// The plan window's lesson date box (object name LessonDate): month, day
// and year behind the mask "00-00-00" with "_" for an unfilled digit.
//
// Typing goes into the first unfilled digit: when the box gets the focus,
// and when the tutor clicks at or after that gap (a click on a digit
// already typed puts the caret there, to correct it).  So clicking into
// the middle of an empty box and typing 061524 gives 06-15-24.
//
// A complete date that is no date of the calendar (core's
// lessonDateProblem: month 13, the 31st of a 30-day month, 02-29 outside a
// leap year) is shown with its reason in the label beside the box (object
// name DateProblem) as soon as the last digit is typed; the plan window
// refuses to save it with the same sentence.

#include <QLineEdit>
#include <string>

class QLabel;

namespace moxlet::ui {

class LessonDateField : public QLineEdit {
    Q_OBJECT
public:
    explicit LessonDateField(QWidget* parent);

    // The date as the plan stores it: "06-15-24", "  -  -  " when empty.
    std::string storedDate() const;
    // Why the date typed is no date; empty when it is one or is incomplete.
    QString problem() const;
    // The reason, shown beside the box while there is one.
    QLabel* problemLabel() const { return problem_; }
    // Shows or hides the reason for the text now in the box (done on every
    // change; call it after setting the text with signals blocked).
    void showProblem();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The caret to the first unfilled digit when it stands after it.
    void moveToFirstGap();

    QLabel* problem_ = nullptr;
};

}  // namespace moxlet::ui
