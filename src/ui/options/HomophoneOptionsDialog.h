#pragma once
// The homophone display dialog (object name HomoOpts, caption "Homophone
// Display Options"): whether homophones are not marked, marked with a
// trailing " *", or marked on screen and printed bold.  OK writes
// OPTION.PRM like the print options dialog (only the homophone field is
// this dialog's); a stored value out of range opens with the last button
// and the change mark set, so OK stores 2.
//
// A change applies to lists made afterwards: the lists stored in plans keep
// the marks they were made with (printing and copying show them as
// stored).  Choosing another way of marking shows a hint saying so (object
// name HomoHint) and how to bring a plan's words in line.

#include "ui/options/OptionDialog.h"

class QRadioButton;

namespace moxlet::ui {

class HomophoneOptionsDialog : public OptionDialog {
    Q_OBJECT
public:
    HomophoneOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent = nullptr);

private:
    void storeIntoOptions() override;
    QRadioButton* mode_[3] = {};
};

}  // namespace moxlet::ui
