#pragma once
// Typing words the list lacks (caption "Type in Unlisted Words"): one box
// per cell of the calling grid, 4 (object name EntrWord), 24 (Etrwrd24) or
// 40 (Etrwrd40, or Etrwrdlt for the word list tool).  A box whose cell holds
// a word chosen from the list shows it and cannot be changed; the others
// take a typed word of up to 20 characters.  OK hands the boxes over (the
// caller applies them with WordChoice::applyTyped); Cancel changes nothing.

#include <QDialog>
#include <vector>

#include "core/words/WordChoice.h"

class QLineEdit;

namespace moxlet::ui {

class TypedWordsDialog : public QDialog {
    Q_OBJECT
public:
    // forWordList: the word list tool's 40 boxes (Etrwrdlt).
    TypedWordsDialog(const std::vector<WordCell>& cells, bool forWordList, QWidget* parent = nullptr);

    // What the boxes hold (stored bytes), one per cell.
    std::vector<std::string> boxes() const;
    QLineEdit* box(int k) const { return boxes_[static_cast<std::size_t>(k)]; }

private:
    std::vector<QLineEdit*> boxes_;
};

}  // namespace moxlet::ui
