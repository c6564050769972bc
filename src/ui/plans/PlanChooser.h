#pragma once
// The plan chooser (object name GetPlan, caption "Select Lesson Plan"):
// students on the left, the chosen student's lesson dates on the right,
// newest first.  OK (or a double click on a date) closes it with the
// choice; OK without a student and a date asks for them and keeps it open;
// Cancel (Esc, the close box) closes it without one.
//
// A student whose plan file holds damaged records is told once which plans
// could not be listed or were repaired; the other plans are listed.

#include <QDialog>

#include "core/store/Records.h"
#include "ui/common/Services.h"

class QListWidget;

namespace moxlet::ui {

class PlanChooser : public QDialog {
    Q_OBJECT
public:
    PlanChooser(Services& services, QWidget* parent = nullptr);

    bool chosen() const { return chosen_; }
    std::int32_t chosenProfile() const { return chosenProfile_; }
    std::int32_t chosenPlan() const { return chosenPlan_; }

    QListWidget* studentList() const { return students_; }
    QListWidget* planList() const { return plans_; }

public Q_SLOTS:
    void accept() override;
    void reject() override;

private:
    void listPlansOfChosenStudent();

    Services& services_;
    QListWidget* students_ = nullptr;
    QListWidget* plans_ = nullptr;
    bool chosen_ = false;
    std::int32_t chosenProfile_ = 0;
    std::int32_t chosenPlan_ = 0;
};

// Lists a student's plans in `list` (dates, newest first, the record number
// as each line's item data) and tells the tutor once about damaged records.
void fillPlanList(QListWidget* list, Services& services, std::int32_t profileRecord);

}  // namespace moxlet::ui
