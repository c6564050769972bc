#pragma once
// The profile deletion dialog (object name DelName, caption "Delete Student
// Profile").  Lists the live profiles; "&Delete" (or a double click on a
// line) asks for confirmation, deletes the student's plan file and frees the
// record, which the next new profile reuses.  The dialog stays open for
// further deletions until "&Close".  The main window's menu is left as it is.

#include <QDialog>

#include "ui/common/Services.h"

class QListWidget;
class QPushButton;

namespace moxlet::ui {

class DeleteProfilesDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the students.
    DeleteProfilesDialog(Services& services, QWidget* parent = nullptr);

    // Shows it modally over `main` (open()); it deletes itself when closed.
    static DeleteProfilesDialog* showFor(QWidget* main, Services& services);

    QListWidget* studentList() const { return list_; }

public Q_SLOTS:
    // Deletes the selected student after asking.
    void deleteSelected();

private:
    Services& services_;
    QListWidget* list_ = nullptr;
    QPushButton* del_ = nullptr;
};

}  // namespace moxlet::ui
