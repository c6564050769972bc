#include "ui/plans/DeletePlansDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileEdit.h"
#include "ui/common/DataFiles.h"
#include "ui/plans/PlanChooser.h"
#include "ui/profiles/StudentListFill.h"

namespace moxlet::ui {

DeletePlansDialog::DeletePlansDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("DelPlan"));  // the form name
    setWindowTitle(QStringLiteral("Delete Lesson Plans"));

    students_ = new QListWidget(this);
    students_->setObjectName(QStringLiteral("StudentList"));
    students_->setAccessibleName(QStringLiteral("Students"));
    students_->setSelectionMode(QAbstractItemView::SingleSelection);
    plans_ = new QListWidget(this);
    plans_->setObjectName(QStringLiteral("PlanList"));
    plans_->setAccessibleName(QStringLiteral("Lesson dates"));
    plans_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    plans_->setEnabled(false);
    del_ = new QPushButton(QStringLiteral("&Delete"), this);
    del_->setObjectName(QStringLiteral("Del"));
    del_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Close"));

    connect(students_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = students_->selectedItems();
        plans_->clear();
        del_->setEnabled(false);
        if (selected.isEmpty()) return;
        WaitCursor wait;
        fillPlanList(plans_, services_, selected.first()->data(Qt::UserRole).toInt());
        plans_->setEnabled(true);
    });
    connect(plans_, &QListWidget::itemSelectionChanged, this,
            [this] { del_->setEnabled(!plans_->selectedItems().isEmpty()); });
    connect(del_, &QPushButton::clicked, this, &DeletePlansDialog::deleteSelected);
    connect(close, &QPushButton::clicked, this, &DeletePlansDialog::close);

    auto* studentsLabel = new QLabel(QStringLiteral("&Student:"), this);
    studentsLabel->setBuddy(students_);
    auto* datesLabel = new QLabel(QStringLiteral("Lesson Da&tes:"), this);
    datesLabel->setBuddy(plans_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(del_);
    buttons->addWidget(close);
    buttons->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addWidget(studentsLabel, 0, 0);
    layout->addWidget(datesLabel, 0, 1);
    layout->addWidget(students_, 1, 0);
    layout->addWidget(plans_, 1, 1);
    layout->addLayout(buttons, 1, 2);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    resize(520, 320);

    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(students_, moxlet::studentList(listProfiles(files.context())));
}

void DeletePlansDialog::deleteSelected()
{
    const QList<QListWidgetItem*> student = students_->selectedItems();
    const QList<QListWidgetItem*> dates = plans_->selectedItems();
    if (student.isEmpty() || dates.isEmpty()) {
        services_.prompt.message("You must choose a student and a lesson plan date before clicking Delete.",
                                 kChooserTitle, Icon::Information, Buttons::Ok);
        return;
    }
    if (services_.prompt.messageWithDefault("Are you sure you want to delete the selected Lesson Plan(s)?",
                                            "Delete", Icon::Question, Buttons::YesNo,
                                            Answer::No) != Answer::Yes)
        return;
    WaitCursor wait;
    DataFiles files(services_);
    DataFile profiles = openProfileFile(files.context());
    StudentProfile profile;
    if (!readProfileRecord(files.context(), profiles, student.first()->data(Qt::UserRole).toInt(), profile))
        return;
    std::vector<std::int32_t> records;
    for (QListWidgetItem* item : dates) records.push_back(item->data(Qt::UserRole).toInt());
    if (!deletePlans(files.context(), profile.ProfileNo, records)) return;
    // The remaining plans were renumbered: list them afresh.
    fillPlanList(plans_, services_, student.first()->data(Qt::UserRole).toInt());
    del_->setEnabled(false);
}

}  // namespace moxlet::ui
