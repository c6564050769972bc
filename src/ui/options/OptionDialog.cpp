#include "ui/options/OptionDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>

#include "core/options/OptionFile.h"
#include "ui/common/DataFiles.h"

namespace moxlet::ui {

OptionDialog::OptionDialog(Services& services, OptionChangeMark& mark, unsigned ownedFields, QWidget* parent)
    : QDialog(parent), services_(services), mark_(mark), ownedFields_(ownedFields)
{
}

void OptionDialog::watchForChanges()
{
    if (storedOutOfRange(services_.options, ownedFields_)) mark_.changed = true;
    const auto set = [this] { mark_.changed = true; };
    // toggled, not clicked: an accessibility client's Toggle action calls
    // toggle(), which emits no click.  Push buttons are not checkable and
    // never toggle.
    for (auto* b : findChildren<QAbstractButton*>())
        if (b->isCheckable()) connect(b, &QAbstractButton::toggled, this, set);
    for (auto* c : findChildren<QComboBox*>()) connect(c, &QComboBox::currentIndexChanged, this, set);
    for (auto* s : findChildren<QSpinBox*>()) connect(s, &QSpinBox::valueChanged, this, set);
}

void OptionDialog::accept()
{
    if (mark_.changed) {
        storeIntoOptions();
        WaitCursor wait;
        DataFiles files(services_);
        // A write that is given up has been reported; the options in force
        // keep the dialog's values.
        saveOptions(files.context(), services_.options, ownedFields_);
    }
    QDialog::accept();
}

void OptionDialog::done(int result)
{
    mark_.changed = false;
    QDialog::done(result);
}

}  // namespace moxlet::ui
