#include "ui/common/MarkedLineEdit.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace moxlet::ui {

void paintWavyLine(QPainter& painter, int x1, int x2, int y)
{
    QPainterPath path;
    path.moveTo(x1, y);
    for (int x = x1, up = 1; x < x2; x += 2, up = 1 - up) path.lineTo(std::min(x + 2, x2), y + 2 * up);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(Qt::red), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void MarkedLineEdit::setMarks(std::vector<TextMark> marks)
{
    marks_ = std::move(marks);
    // A screen reader cannot see the lines: it is told why instead.
    QStringList tips;
    for (const TextMark& mark : marks_)
        if (!tips.contains(mark.tip)) tips.append(mark.tip);
    setAccessibleDescription(tips.join(QLatin1Char(' ')));
    update();
}

int MarkedLineEdit::xOfPosition(int position) const
{
    // The box draws its text scrolled to keep the cursor in view; only the
    // cursor's place is told, so every other place is measured from it.
    const QFontMetrics metrics(font());
    const QString shown = displayText();
    return cursorRect().center().x() + metrics.horizontalAdvance(shown.left(position)) -
           metrics.horizontalAdvance(shown.left(cursorPosition()));
}

QString MarkedLineEdit::markTipAt(QPoint pos) const
{
    for (const TextMark& mark : marks_)
        if (pos.x() >= xOfPosition(mark.begin) && pos.x() <= xOfPosition(mark.end)) return mark.tip;
    return {};
}

void MarkedLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (marks_.empty()) return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const int y = cursorRect().top() + QFontMetrics(font()).ascent() + 2;
    for (const TextMark& mark : marks_)
        paintWavyLine(painter, xOfPosition(mark.begin), xOfPosition(mark.end), y);
}

bool MarkedLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = markTipAt(help->pos());
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, this);
            return true;
        }
    }
    return QLineEdit::event(event);
}

}  // namespace moxlet::ui
