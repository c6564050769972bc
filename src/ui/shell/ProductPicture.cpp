#include "ui/shell/ProductPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace moxlet::ui {

QPixmap productPicture(int size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    // Drawn on a 64 x 64 grid, as the SVG.
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QColor blue(0x2b, 0x5c, 0x8a), cream(0xff, 0xf4, 0xd6), ink(0x1e, 0x3f, 0x5f);

    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(cream);
    p.drawRoundedRect(QRectF(7, 26, 16, 20), 3, 3);
    p.drawRoundedRect(QRectF(24, 22, 16, 24), 3, 3);
    p.drawRoundedRect(QRectF(41, 26, 16, 20), 3, 3);
    for (qreal x : {15.0, 32.0, 49.0}) p.drawEllipse(QPointF(x, 53), 3, 3);

    p.setBrush(Qt::NoBrush);
    QPen pen(cream, 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    QPainterPath breve(QPointF(26, 10));
    breve.quadTo(QPointF(32, 19), QPointF(38, 10));
    p.drawPath(breve);

    pen.setColor(ink);
    pen.setWidthF(2.4);
    p.setPen(pen);
    // c: a circle of radius 4.5 about (15.5, 36.5), open to the right.
    p.drawArc(QRectF(11, 32, 9, 9), 45 * 16, 270 * 16);
    // a: a circle and its stem.
    p.drawEllipse(QPointF(31, 34.5), 4.5, 4.5);
    p.drawLine(QPointF(35.5, 30), QPointF(35.5, 39));
    // t: a stem with a hook and a crossbar.
    QPainterPath t(QPointF(49, 30));
    t.lineTo(QPointF(49, 38.5));
    t.quadTo(QPointF(49, 40.5), QPointF(51.5, 40));
    p.drawPath(t);
    p.drawLine(QPointF(46, 33), QPointF(52.5, 33));
    return pixmap;
}

}  // namespace moxlet::ui
