#pragma once
// A segment picker: a list of segment names in which every click (or the
// space bar) chooses or unchooses one line, filling the caller's slots in
// order, with OK, Clear and Cancel.  The caller gives the picker (words/
// SegmentPicker.h: lines, slots and rules; a plan section's comes with its
// SectionEdit), sets the caption and places it; the chosen names appear in
// the caller's grids at once through slotsChanged().
//
// A "&Find:" field above the list narrows it as the tutor types and shows
// how many lines are chosen; the slots and rules are untouched by it.
//
// Object names: SelOldPh (a plan's studied segments), SelNewPh (a plan's
// New segments) and SelPhn (the word list tool).  A double click counts as
// one click; a Ctrl+click on a chosen line adds it once more where repeats
// are allowed; lines the program selects (when the picker opens, after a
// refused click, on Clear) are never taken for the tutor's clicks.

#include <QDialog>

#include "core/words/SegmentPicker.h"
#include "ui/common/Services.h"

class QItemSelection;
class QListWidget;

namespace moxlet::ui {

class SegmentPickerDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { StudiedSegments, NewSegments, WordList };

    // picker: its lines fill the list; it must outlive the dialog.
    SegmentPickerDialog(Kind kind, Services& services, SegmentPicker& picker, QWidget* parent = nullptr);

    SegmentPicker& picker() { return picker_; }
    QListWidget* list() const { return list_; }

Q_SIGNALS:
    // The slots changed (a toggle, Clear or Cancel).
    void slotsChanged();

public Q_SLOTS:
    // Cancel: the slots are put back as they were when the picker opened.
    void reject() override;
    // C&lear: every slot emptied; the picker stays open.
    void clearSlots();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A caption set by the caller widens the dialog so that the title bar
    // shows it whole ("Select Spelling Dictation Word Segments").
    void changeEvent(QEvent* event) override;

private:
    void selectionEdited(const QItemSelection& selected, const QItemSelection& deselected);
    void toggle(int line, bool nowSelected);
    void showSlots();

    Services& services_;
    SegmentPicker& picker_;
    QListWidget* list_ = nullptr;
    bool selectingByProgram_ = false;
};

}  // namespace moxlet::ui
