#include "shell/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ProductBanner.h"
#include "shell/ProductInfo.h"

namespace moxlet::ui {

AboutDialog::AboutDialog(UrlOpener openUrl, QWidget* parent)
    : QDialog(parent), openUrl_(std::move(openUrl))
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Moxlet"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    addProductBanner(this, layout);

    const QString address = QString::fromLatin1(kWebAddress);
    link_ = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), this);
    link_->setObjectName(QStringLiteral("Label8"));
    link_->setTextFormat(Qt::RichText);
    link_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link_->setOpenExternalLinks(false);
    link_->setCursor(Qt::PointingHandCursor);
    link_->setAccessibleName(QStringLiteral("Web site"));
    link_->setAccessibleDescription(address);
    link_->setToolTip(QStringLiteral("Open %1 in your web browser").arg(address));
    connect(link_, &QLabel::linkActivated, this, [this](const QString& url) {
        if (openUrl_) openUrl_(QUrl(url));
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

} // namespace moxlet::ui
