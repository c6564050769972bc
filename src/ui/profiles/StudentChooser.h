#pragma once
// The student chooser (object name GetName, caption "Select Student"): lists
// the live profiles of PROFILES.DAT ("Last, First", or the last name alone),
// sorted by their text, each line keeping its record number.
//
// The caller shows it modally with open() and looks at chosen() and
// chosenRecord() when it finishes.  OK with no line selected asks for a
// choice and keeps the dialog open; OK with a line, or a double click on a
// line, closes it with the choice; Cancel (Esc, the close box) closes it
// without one.

#include <QDialog>

#include "ui/common/Services.h"

class QListWidget;
class QListWidgetItem;

namespace moxlet::ui {

class StudentChooser : public QDialog {
    Q_OBJECT
public:
    // Lists the students.
    StudentChooser(Services& services, QWidget* parent = nullptr);

    bool chosen() const { return chosen_; }
    // The record number of the chosen line; 0 when none was chosen.
    std::int32_t chosenRecord() const { return chosenRecord_; }

    QListWidget* studentList() const { return list_; }

public Q_SLOTS:
    // OK: takes the selected line (whichever way it was selected: mouse,
    // keyboard or an assistive technology).
    void accept() override;
    void reject() override;

private:
    Services& services_;
    QListWidget* list_ = nullptr;
    bool chosen_ = false;
    std::int32_t chosenRecord_ = 0;
};

}  // namespace moxlet::ui
