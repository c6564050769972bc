#include "ui/profiles/StudentChooser.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "core/profiles/ProfileEdit.h"
#include "ui/common/DataFiles.h"
#include "ui/common/DialogButtons.h"
#include "ui/profiles/StudentListFill.h"

namespace moxlet::ui {

StudentChooser::StudentChooser(Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("GetName"));  // the form name
    setWindowTitle(QStringLiteral("Select Student"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StudentList"));
    list_->setAccessibleName(QStringLiteral("Students"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemDoubleClicked, this, &StudentChooser::accept);

    QDialogButtonBox* buttons = okCancelButtons(this, Qt::Vertical);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(420, 300);

    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(list_, moxlet::studentList(listProfiles(files.context())));
}

void StudentChooser::accept()
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        services_.prompt.message("You must choose a student before clicking OK.", kChooserTitle,
                                 Icon::Information, Buttons::Ok);
        return;
    }
    chosen_ = true;
    chosenRecord_ = selected.first()->data(Qt::UserRole).toInt();
    QDialog::accept();
}

void StudentChooser::reject()
{
    chosen_ = false;
    QDialog::reject();
}

}  // namespace moxlet::ui
