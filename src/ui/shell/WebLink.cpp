#include "ui/shell/WebLink.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace moxlet::ui {

namespace {
constexpr int kMargin = 2;  // room for the focus frame
}

WebLink::WebLink(const QString& address, QWidget* parent) : QAbstractButton(parent)
{
    setText(address);
    setToolTip(QStringLiteral("Open %1 in your web browser").arg(address));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize WebLink::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height()) + QSize(2 * kMargin, 2 * kMargin);
}

void WebLink::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(isDown() ? QPalette::LinkVisited : QPalette::Link));
    p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignVCenter,
               text());
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
    }
}

void WebLink::keyPressEvent(QKeyEvent* event)
{
    // Enter opens the address as Space does, rather than pressing the
    // dialog's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

}  // namespace moxlet::ui
