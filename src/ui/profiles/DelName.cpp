#include "DelName.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "DataFiles.h"
#include "ProfileEdit.h"
#include "StudentListFill.h"

namespace moxlet::ui {

DelName::DelName(Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("DelName"));
    setWindowTitle(QStringLiteral("Delete Student Profile"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StudentList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    del_ = new QPushButton(QStringLiteral("&Delete"), this);
    del_->setObjectName(QStringLiteral("Del"));
    del_->setEnabled(false);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("Close"));

    // StudentList_Click enables Del; a double click deletes.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!list_->selectedItems().isEmpty()) del_->setEnabled(true);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Del_Click(); });
    connect(del_, &QPushButton::clicked, this, &DelName::Del_Click);
    connect(close_, &QPushButton::clicked, this, &DelName::Close_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(del_);
    buttons->addWidget(close_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(list_, moxlet::studentList(ListProfiles(files.context())));
}

DelName* DelName::showFor(QWidget* main, Services& services)
{
    auto* dialog = new DelName(services, main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void DelName::Del_Click()
{
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    if (chosen.isEmpty()) {
        services_.prompt.message("You must choose a student before clicking Delete.", kChooserTitle,
                                 Icon::Information, Buttons::Ok);
        return;
    }
    QListWidgetItem* item = chosen.first();
    const std::string question = "Are you sure you want to delete the Student Profile (and Lesson "
                                 "Plans) for " + toStored(item->text()) + "?";
    if (services_.prompt.messageWithDefault(question, "Delete", Icon::Question, Buttons::YesNo,
                                            Answer::No) != Answer::Yes)
        return;
    WaitCursor wait;
    DataFiles files(services_);
    const std::int32_t r = item->data(Qt::UserRole).toInt();
    if (DeleteProfile(files.context(), services_.globals, r) != DeleteProfileResult::Deleted) return;
    delete list_->takeItem(list_->row(item));
    list_->clearSelection();
}

void DelName::Close_Click() { close(); }

}  // namespace moxlet::ui
