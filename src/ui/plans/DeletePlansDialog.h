#pragma once
// The plan deletion dialog (object name DelPlan, caption "Delete Lesson
// Plans"): choose a student, select one or more lesson dates and "&Delete"
// them after a question whose safe answer, No, is the default.  The
// student's plan file is rewritten without them in one crash-safe step:
// the remaining plans keep their order and are renumbered 1, 2, ...  The
// dialog stays open for further deletions until "&Close"; a double click on
// a date deletes nothing.

#include <QDialog>

#include "ui/common/Services.h"

class QListWidget;
class QPushButton;

namespace moxlet::ui {

class DeletePlansDialog : public QDialog {
    Q_OBJECT
public:
    DeletePlansDialog(Services& services, QWidget* parent = nullptr);

    QListWidget* studentList() const { return students_; }
    QListWidget* planList() const { return plans_; }

public Q_SLOTS:
    void deleteSelected();

private:
    Services& services_;
    QListWidget* students_ = nullptr;
    QListWidget* plans_ = nullptr;
    QPushButton* del_ = nullptr;
};

}  // namespace moxlet::ui
