#include "ui/shell/ProductBanner.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/shell/ProductInfo.h"
#include "ui/shell/ProductPicture.h"

namespace moxlet::ui {

namespace {
QLabel* label(QWidget* owner, const char* name, const char* text, qreal scale, bool bold)
{
    auto* l = new QLabel(QString::fromLatin1(text), owner);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    f.setBold(bold);
    l->setFont(f);
    return l;
}
}  // namespace

void addProductBanner(QWidget* owner, QVBoxLayout* layout)
{
    auto* picture = new QLabel(owner);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(productPicture(96));
    picture->setAccessibleName(QStringLiteral("Moxlet picture"));

    auto* names = new QVBoxLayout;
    names->addStretch();
    names->addWidget(label(owner, "Label1", kCompanyName, 1.2, false));
    names->addWidget(label(owner, "Label7", kProductName, 2.6, true));
    names->addWidget(label(owner, "Label4", kVersionText, 1.0, false));
    names->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addSpacing(16);
    row->addLayout(names, 1);
    layout->addLayout(row);

    auto* line = new QFrame(owner);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
}

}  // namespace moxlet::ui
