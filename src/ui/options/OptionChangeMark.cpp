#include "ui/options/OptionChangeMark.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

namespace moxlet::ui {

void watchForChanges(QWidget* dialog, OptionChangeMark& mark)
{
    const auto set = [&mark] { mark.changed = true; };
    // toggled, not clicked: an accessibility client's Toggle action calls
    // toggle(), which emits no click.  Push buttons are not checkable and
    // never toggle.
    for (auto* b : dialog->findChildren<QAbstractButton*>())
        if (b->isCheckable()) QObject::connect(b, &QAbstractButton::toggled, dialog, set);
    for (auto* c : dialog->findChildren<QComboBox*>())
        QObject::connect(c, &QComboBox::currentIndexChanged, dialog, set);
    for (auto* s : dialog->findChildren<QSpinBox*>())
        QObject::connect(s, &QSpinBox::valueChanged, dialog, set);
}

}  // namespace moxlet::ui
