#include "ui/common/ScrollingReadout.h"

#include <QLabel>
#include <QScrollArea>

namespace moxlet::ui {

QScrollArea* scrollWithin(QLabel* label, int lines)
{
    auto* area = new QScrollArea(label->parentWidget());
    area->setObjectName(label->objectName() + QStringLiteral("Area"));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(label);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->viewport()->setAutoFillBackground(false);
    label->setAutoFillBackground(false);
    area->setFixedHeight(label->fontMetrics().lineSpacing() * lines + 4);
    return area;
}

}  // namespace moxlet::ui
