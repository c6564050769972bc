#pragma once
// DelName: "Delete Student Profile".  Lists the live profiles; "&Delete"
// (or a double click on a line) asks for confirmation, deletes the
// student's plan file and frees the record, which the next new profile
// reuses.  The dialog stays open for further deletions until "&Close".
// The main window's menu and ActiveProfileCount are left as they are.

#include <QDialog>

#include "Services.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace moxlet::ui {

class DelName : public QDialog {
    Q_OBJECT
public:
    // Form_Load: lists the students.
    DelName(Services& services, QWidget* parent = nullptr);

    // The main window's "&Delete Student Profile...": shows it modally (open()).
    static DelName* showFor(QWidget* main, Services& services);

    void Del_Click();
    void Close_Click();

    QListWidget* studentList() const { return list_; }

private:
    Services& services_;
    QListWidget* list_ = nullptr;
    QPushButton* del_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace moxlet::ui
