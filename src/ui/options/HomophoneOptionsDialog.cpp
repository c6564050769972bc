#include "ui/options/HomophoneOptionsDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/options/OptionFile.h"
#include "ui/common/DialogButtons.h"

namespace moxlet::ui {

HomophoneOptionsDialog::HomophoneOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent)
    : OptionDialog(services, mark, kHomophoneModeField, parent)
{
    setObjectName(QStringLiteral("HomoOpts"));
    setWindowTitle(QStringLiteral("Homophone Display Options"));

    auto* frame = new QGroupBox(QStringLiteral("Homophone Display"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(frame);
    const char* captions[3] = {"Do &Not Mark Homophones",
                               "&Display and Print Homophones with a Trailing Asterisk",
                               "Di&splay Homophones with an Asterisk and Print with Boldface Type"};
    for (int i = 0; i < 3; ++i) {
        mode_[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        mode_[i]->setObjectName(QStringLiteral("HomoOpt%1").arg(i + 1));
        frameLayout->addWidget(mode_[i]);
    }

    QDialogButtonBox* buttons = okCancelButtons(this);

    // Lists are stored with their marks, so a plan made before keeps them:
    // the dialog says so when the tutor picks another way of marking,
    // rather than changing plans behind the tutor's back.
    auto* hint = new QLabel(QStringLiteral("Word lists already in lesson plans keep the marks they were made "
                                           "with. Lists made from now on, and words chosen anew in a list's "
                                           "\"...\" dialog, follow this choice."),
                            this);
    hint->setObjectName(QStringLiteral("HomoHint"));
    hint->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    const std::int16_t value = dialogOptions(services_.options).HomophoneMode;
    const int shown = value == 0 ? 0 : value == 1 ? 1 : 2;
    mode_[shown]->setChecked(true);
    hint->setVisible(false);
    connect(mode_[shown], &QRadioButton::toggled, this, [this, hint](bool on) {
        hint->setVisible(!on);
        adjustSize();  // room for the hint's wrapped lines
    });
    watchForChanges();
}

void HomophoneOptionsDialog::storeIntoOptions()
{
    services_.options.values.HomophoneMode = mode_[0]->isChecked() ? 0 : mode_[1]->isChecked() ? 1 : 2;
}

}  // namespace moxlet::ui
