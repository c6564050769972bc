#include "GetName.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "DataFiles.h"
#include "ProfileEdit.h"
#include "StudentListFill.h"

namespace moxlet::ui {

GetName::GetName(Services& services, QWidget* parent) : QDialog(parent), services_(services)
{
    setObjectName(QStringLiteral("GetName"));
    setWindowTitle(QStringLiteral("Select Student"));

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("StudentList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemDoubleClicked, this, &GetName::StudentList_DblClick);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    connect(ok_, &QPushButton::clicked, this, &GetName::OK_Click);
    connect(cancel_, &QPushButton::clicked, this, &GetName::Cancel_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    Form_Load();
}

void GetName::Form_Load()
{
    chosen_ = false;
    WaitCursor wait;
    DataFiles files(services_);
    fillStudentList(list_, moxlet::studentList(ListProfiles(files.context())));
}

void GetName::OK_Click()
{
    QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) {
        services_.prompt.message("You must choose a student before clicking OK.", kChooserTitle,
                                 Icon::Information, Buttons::Ok);
        return;
    }
    chosen_ = true;
    chosenRecord_ = item->data(Qt::UserRole).toInt();
    accept();
}

void GetName::Cancel_Click()
{
    chosen_ = false;
    reject();
}

void GetName::StudentList_DblClick(QListWidgetItem*) { OK_Click(); }

}  // namespace moxlet::ui
