#include "ui/output/PrintStatus.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace moxlet::ui {

PrintStatus::PrintStatus(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("CnclPrnt"));
    setWindowTitle(QStringLiteral("Print Status"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setMinimumWidth(label_->fontMetrics().averageCharWidth() * 44);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
}

void PrintStatus::say(const QString& text)
{
    label_->setText(text);
    if (!isVisible()) show();
    QApplication::processEvents();
}

QString PrintStatus::text() const { return label_->text(); }

}  // namespace moxlet::ui
