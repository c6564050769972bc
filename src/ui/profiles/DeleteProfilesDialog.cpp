#include "ui/profiles/DeleteProfilesDialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/profiles/ProfileEdit.h"
#include "ui/common/DataFiles.h"
#include "ui/profiles/StudentListFill.h"

namespace moxlet::ui {

DeleteProfilesDialog::DeleteProfilesDialog(Services& services, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("DelName"));  // the form name
    setWindowTitle(QStringLiteral("Delete Student Profile"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StudentList"));
    list_->setAccessibleName(QStringLiteral("Students"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    del_ = new QPushButton(QStringLiteral("&Delete"), this);
    del_->setObjectName(QStringLiteral("Del"));
    del_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("Close"));

    // Choosing a student enables Delete; a double click deletes.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!list_->selectedItems().isEmpty()) del_->setEnabled(true);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &DeleteProfilesDialog::deleteSelected);
    connect(del_, &QPushButton::clicked, this, &DeleteProfilesDialog::deleteSelected);
    connect(close, &QPushButton::clicked, this, &DeleteProfilesDialog::close);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(del_);
    buttons->addWidget(close);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(list_, moxlet::studentList(listProfiles(files.context())));
}

DeleteProfilesDialog* DeleteProfilesDialog::showFor(QWidget* main, Services& services)
{
    auto* dialog = new DeleteProfilesDialog(services, main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void DeleteProfilesDialog::deleteSelected()
{
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    if (chosen.isEmpty()) {
        services_.prompt.message("You must choose a student before clicking Delete.", kChooserTitle,
                                 Icon::Information, Buttons::Ok);
        return;
    }
    QListWidgetItem* item = chosen.first();
    const std::string question = "Are you sure you want to delete the Student Profile (and Lesson "
                                 "Plans) for " +
                                 toStored(item->text()) + "?";
    if (services_.prompt.messageWithDefault(question, "Delete", Icon::Question, Buttons::YesNo, Answer::No) !=
        Answer::Yes)
        return;
    WaitCursor wait;
    DataFiles files(services_);
    const std::int32_t r = item->data(Qt::UserRole).toInt();
    if (deleteProfile(files.context(), r) != DeleteProfileResult::Deleted) return;
    delete list_->takeItem(list_->row(item));
    list_->clearSelection();
}

}  // namespace moxlet::ui
