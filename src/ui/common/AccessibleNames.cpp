#include "ui/common/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>

namespace moxlet::ui {

void nameComboBox(QComboBox* combo, const QString& name)
{
    combo->setAccessibleName(name);
    combo->view()->setAccessibleName(name);
}

void nameEllipsisButton(QAbstractButton* button, const QString& name)
{
    button->setAccessibleName(name);
    button->setToolTip(name);
}

}  // namespace moxlet::ui
