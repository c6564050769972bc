#include "ui/shell/AboutDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/ProductInfo.h"
#include "ui/shell/ProductBanner.h"
#include "ui/shell/WebLink.h"

namespace moxlet::ui {

AboutDialog::AboutDialog(UrlOpener openUrl, QWidget* parent) : QDialog(parent), openUrl_(std::move(openUrl))
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Moxlet"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    addProductBanner(this, layout);

    const QString address = QString::fromLatin1(kWebAddress);
    link_ = new WebLink(address, this);
    link_->setObjectName(QStringLiteral("Label8"));
    link_->setAccessibleName(QStringLiteral("Web site %1").arg(address));
    connect(link_, &WebLink::clicked, this, [this, address] {
        if (openUrl_) openUrl_(QUrl(address));
    });
    layout->addWidget(link_, 0, Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

AboutDialog* AboutDialog::showFor(QWidget* main, UrlOpener openUrl)
{
    auto* dialog = new AboutDialog(std::move(openUrl), main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

}  // namespace moxlet::ui
