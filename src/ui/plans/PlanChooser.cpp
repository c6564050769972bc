#include "ui/plans/PlanChooser.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileEdit.h"
#include "ui/common/DataFiles.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/Text.h"
#include "ui/profiles/StudentListFill.h"

namespace moxlet::ui {

void fillPlanList(QListWidget* list, Services& services, std::int32_t profileRecord)
{
    list->clear();
    DataFiles files(services);
    DataFile profiles = openProfileFile(files.context());
    StudentProfile student;
    if (!readProfileRecord(files.context(), profiles, profileRecord, student)) return;
    Problems problems;
    for (const PlanEntry& e : listPlans(files.context(), student.ProfileNo, &problems)) {
        auto* item = new QListWidgetItem(fromStored(e.date), list);
        item->setData(Qt::UserRole, e.record);
    }
    if (!problems.empty())
        services.prompt.message(dataProblemsMessage(problems), kChooserTitle, Icon::Exclamation, Buttons::Ok);
}

PlanChooser::PlanChooser(Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("GetPlan"));  // the form name
    setWindowTitle(QStringLiteral("Select Lesson Plan"));

    students_ = new QListWidget(this);
    students_->setObjectName(QStringLiteral("StudentList"));
    students_->setAccessibleName(QStringLiteral("Students"));
    students_->setSelectionMode(QAbstractItemView::SingleSelection);
    plans_ = new QListWidget(this);
    plans_->setObjectName(QStringLiteral("PlanList"));
    plans_->setAccessibleName(QStringLiteral("Lesson dates"));
    plans_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(students_, &QListWidget::itemSelectionChanged, this, &PlanChooser::listPlansOfChosenStudent);
    connect(plans_, &QListWidget::itemDoubleClicked, this, &PlanChooser::accept);

    QDialogButtonBox* buttons = okCancelButtons(this, Qt::Vertical);

    auto* studentsLabel = new QLabel(QStringLiteral("&Student:"), this);
    studentsLabel->setBuddy(students_);
    auto* datesLabel = new QLabel(QStringLiteral("&Lesson Date:"), this);
    datesLabel->setBuddy(plans_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(studentsLabel, 0, 0);
    layout->addWidget(datesLabel, 0, 1);
    layout->addWidget(students_, 1, 0);
    layout->addWidget(plans_, 1, 1);
    layout->addWidget(buttons, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    resize(520, 320);

    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(students_, moxlet::studentList(listProfiles(files.context())));
}

void PlanChooser::listPlansOfChosenStudent()
{
    const QList<QListWidgetItem*> selected = students_->selectedItems();
    plans_->clear();
    if (selected.isEmpty()) return;
    WaitCursor wait;
    fillPlanList(plans_, services_, selected.first()->data(Qt::UserRole).toInt());
}

void PlanChooser::accept()
{
    const QList<QListWidgetItem*> student = students_->selectedItems();
    const QList<QListWidgetItem*> plan = plans_->selectedItems();
    if (student.isEmpty() || plan.isEmpty()) {
        services_.prompt.message("You must choose a student and a lesson plan date before clicking OK.",
                                 kChooserTitle, Icon::Information, Buttons::Ok);
        return;
    }
    chosen_ = true;
    chosenProfile_ = student.first()->data(Qt::UserRole).toInt();
    chosenPlan_ = plan.first()->data(Qt::UserRole).toInt();
    QDialog::accept();
}

void PlanChooser::reject()
{
    chosen_ = false;
    QDialog::reject();
}

}  // namespace moxlet::ui
