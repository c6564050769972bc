#include "ui/shell/Splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "core/shell/ProductInfo.h"
#include "ui/shell/ProductBanner.h"

namespace moxlet::ui {

Splash::Splash(std::chrono::milliseconds duration, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QString::fromLatin1(kMainCaption));
    setModal(true);

    // A raised border of its own: the window has no title bar.
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(2);
    auto* inside = new QVBoxLayout(border);
    inside->setContentsMargins(32, 28, 40, 28);
    addProductBanner(border, inside);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(border);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(duration);
    connect(timer_, &QTimer::timeout, this, &QDialog::accept);
    adjustSize();
}

void Splash::showModal(std::chrono::milliseconds duration, QWidget* parent)
{
    Splash splash(duration, parent);
    splash.exec();
}

void Splash::showEvent(QShowEvent* event)
{
    // Centred on the screen: top = (screen height - height) / 2, left the same.
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect area = s->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    QDialog::showEvent(event);
    timer_->start();
}

}  // namespace moxlet::ui
