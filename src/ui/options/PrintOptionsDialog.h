#pragma once
// The print options dialog (object name PrntOpts, caption "Lesson Print
// Options"): which kinds of studied segments the Visual section lists, the
// Review and New word list sizes, the form feed between them, underlines
// for blank selections and the word list font size.  OK copies the controls
// into the options in force and writes OPTION.PRM (the fields this dialog
// owns); Cancel changes nothing.
//
// Opening sets the controls from the options without counting as a change,
// except when OPTION.PRM holds one of this dialog's values out of its range:
// the dialog then shows the last button of that group and sets the change
// mark, so that OK stores what the tutor sees.

#include "ui/options/OptionDialog.h"

class QCheckBox;
class QRadioButton;

namespace moxlet::ui {

class PrintOptionsDialog : public OptionDialog {
    Q_OBJECT
public:
    PrintOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent = nullptr);

    // The fields of OPTION.PRM this dialog owns.
    static unsigned ownedFields();

private:
    void fillFromOptions();
    void storeIntoOptions() override;

    QCheckBox* visual_[6] = {};
    QRadioButton* reviewSize_[3] = {};
    QRadioButton* newSize_[3] = {};
    QCheckBox* pageBreak_ = nullptr;
    QCheckBox* blanks_ = nullptr;
    QRadioButton* pitch_[3] = {};
};

}  // namespace moxlet::ui
