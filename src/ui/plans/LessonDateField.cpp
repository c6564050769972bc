#include "ui/plans/LessonDateField.h"

#include <QFocusEvent>
#include <QLabel>
#include <QTimer>

#include "core/plans/LessonDate.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

LessonDateField::LessonDateField(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("LessonDate"));
    setAccessibleName(QStringLiteral("Lesson Date"));
    setInputMask(QStringLiteral("00-00-00;_"));
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00-00-000")) + 16);

    problem_ = new QLabel(parent);
    problem_->setObjectName(QStringLiteral("DateProblem"));
    problem_->setForegroundRole(QPalette::BrightText);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::BrightText, QColor(0xb0, 0x00, 0x20));
    problem_->setPalette(warning);
    problem_->hide();
    connect(this, &QLineEdit::textChanged, this, &LessonDateField::showProblem);
}

std::string LessonDateField::storedDate() const { return storedLessonDate(toStored(displayText())); }

QString LessonDateField::problem() const { return fromStored(lessonDateProblem(storedDate())); }

void LessonDateField::showProblem()
{
    const QString why = problem();
    problem_->setText(why);
    problem_->setVisible(!why.isEmpty());
    // A screen reader hears the reason with the box.
    setAccessibleDescription(why);
}

void LessonDateField::moveToFirstGap()
{
    const int gap = static_cast<int>(displayText().indexOf(QLatin1Char('_')));
    if (gap >= 0 && !hasSelectedText() && cursorPosition() > gap) setCursorPosition(gap);
}

void LessonDateField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // A click places the caret itself (mouseReleaseEvent); any other way
    // in, wherever the caret was left, goes to the first gap.
    if (event->reason() == Qt::MouseFocusReason) return;
    QTimer::singleShot(0, this, [this] {
        const int gap = static_cast<int>(displayText().indexOf(QLatin1Char('_')));
        if (gap >= 0 && !hasSelectedText()) setCursorPosition(gap);
    });
}

void LessonDateField::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    moveToFirstGap();
}

}  // namespace moxlet::ui
