#pragma once
// What the option dialogs share.  Each owns some fields of OPTION.PRM.  One
// change mark, owned by the main window, is handed to every dialog: any
// change of a control's value sets it, whether made by a click, a key, or an
// accessibility client's Toggle action (a screen reader, switch access,
// voice control); closing a dialog clears it, and OK copies the controls
// into the options in force and writes the dialog's fields through the
// crash-safe write only while it is set.  Cancel changes nothing.
//
// A dialog that opens on a stored value out of its range shows a valid
// choice instead and sets the mark, so that OK stores what the tutor sees.

#include <QDialog>

#include "ui/common/Services.h"

namespace moxlet::ui {

struct OptionChangeMark {
    bool changed = false;
};

class OptionDialog : public QDialog {
    Q_OBJECT
public Q_SLOTS:
    void accept() override;
    void done(int result) override;

protected:
    OptionDialog(Services& services, OptionChangeMark& mark, unsigned ownedFields, QWidget* parent);

    // Call once the controls show the options in force: what the dialog sets
    // while filling itself is not a change.  Sets the mark when a stored
    // value of this dialog's fields is out of range, and on every later
    // change of a check box, option button, combo box or spin box, so that a
    // control added to the dialog is watched without wiring of its own.
    void watchForChanges();
    // Copies the controls into services_.options.values; OK calls it while
    // the mark is set.
    virtual void storeIntoOptions() = 0;

    Services& services_;
    OptionChangeMark& mark_;

private:
    unsigned ownedFields_;
};

}  // namespace moxlet::ui
