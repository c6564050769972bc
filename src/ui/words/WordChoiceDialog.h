#pragma once
// Choosing the words of a spelling row or editing a Review or New word list
// of the open plan: object names SelWord (four words of a spelling row,
// "Select Words for Spelling Dictation"), SelWrd24 and SelWrd40 ("Edit
// Review Word List" or "Edit New Word List", by the list size option).
//
// What is edited and how it is read and written is core's WordChoiceUnit
// (plans/WordChoiceUnit.h): the list shows the words of the unit's segment
// that the student can decode, rebuilt as generation built it, with the
// unit's words ticked where the list has them (and kept as typed words
// where it no longer does).  The tutor ticks words into the grid (a click,
// the space bar; a double click counts once), types words the list lacks
// ("&Type..."), empties the grid ("C&lear") and steps to the previous or
// next unit that holds a segment, which accepts the unit left.  OK accepts
// the unit shown; Cancel leaves it as it was when it was shown.  Units
// accepted on the way stay accepted.  Every accepted unit is told to the
// plan document, which has the plan window repaint it.

#include <QDialog>
#include <memory>

#include "core/plans/WordChoiceUnit.h"
#include "core/words/WordChoice.h"
#include "ui/common/Services.h"

class QItemSelection;
class QLabel;
class QListWidget;
class QPushButton;

namespace moxlet::ui {

class CellGrid;
class PlanDocument;

class WordChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // What is edited: row `index` of the Spelling section, or the list of
    // slot `index` of the Review or New section.
    WordChoiceDialog(PlanDocument& document, Services& services, PlanSection section, int index,
                     QWidget* parent);

    int index() const { return unit_.index(); }
    WordChoice& choice() { return choice_; }
    QListWidget* list() const { return list_; }
    CellGrid* grid() const { return grid_; }

Q_SIGNALS:
    // A unit is shown (on opening and after Prev or Next).
    void unitShown(int index);

public Q_SLOTS:
    void accept() override;
    void previousUnit();
    void nextUnit();
    void clearCells();
    void typeWords();
    // Check a &Word...: why a word is or is not in this list.
    void checkWord();

private:
    void load();
    void acceptUnit();
    void step(int delta);
    void showCells();
    void selectionEdited(const QItemSelection& selected, const QItemSelection& deselected);

    PlanDocument& document_;
    Services& services_;
    WordChoiceUnit unit_;
    WordChoice choice_;
    QLabel* instruction_ = nullptr;
    QLabel* note_ = nullptr;  // why the list is empty, when it is
    QListWidget* list_ = nullptr;
    CellGrid* grid_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    bool tickingByProgram_ = false;
};

}  // namespace moxlet::ui
