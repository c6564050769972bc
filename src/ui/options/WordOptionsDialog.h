#pragma once
// The word options dialog (object name WordOpts, caption "Word Options"):
// "Offer words up to:" Everyday, Common or Wider, how familiar the words
// are that generated lists, the word choice dialogs and the word list tool
// offer (words/WordLevel.h).  OK writes OPTION.PRM like the other option
// dialogs (only the level is this dialog's); Cancel changes nothing.  A
// stored value out of range opens on the default, Common, with the change
// mark set, so OK stores what the tutor sees.  Saved plans keep their words
// whatever the level.

#include "ui/options/OptionDialog.h"

class QRadioButton;

namespace moxlet::ui {

class WordOptionsDialog : public OptionDialog {
    Q_OBJECT
public:
    WordOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent = nullptr);

private:
    void storeIntoOptions() override;
    QRadioButton* level_[3] = {};
};

}  // namespace moxlet::ui
