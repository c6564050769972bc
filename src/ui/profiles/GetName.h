#pragma once
// GetName: "Select Student", the student chooser.  It lists the live
// profiles of PROFILES.DAT ("Last, First", or the last name alone), sorted
// by their text, each line keeping its record number.
//
// The caller shows it modally with open() and looks at chosen() and
// chosenRecord() when it finishes.  OK with no line selected asks for a
// choice and keeps the dialog open; OK with a line, or a double click on a
// line, sets the chosen flag and closes it; Cancel (Esc, the close box)
// closes it with the flag clear.

#include <QDialog>

#include "Services.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace moxlet::ui {

class GetName : public QDialog {
    Q_OBJECT
public:
    // Form_Load: clears the chosen flag and lists the students.
    GetName(Services& services, QWidget* parent = nullptr);

    bool chosen() const { return chosen_; }
    // The record number of the chosen line; 0 when none was chosen.
    std::int32_t chosenRecord() const { return chosenRecord_; }

    void OK_Click();
    void Cancel_Click();
    void StudentList_DblClick(QListWidgetItem* item);

    QListWidget* studentList() const { return list_; }

private:
    void Form_Load();

    Services& services_;
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool chosen_ = false;
    std::int32_t chosenRecord_ = 0;
};

}  // namespace moxlet::ui
