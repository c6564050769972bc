#include "ui/options/WordOptionsDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/options/OptionFile.h"
#include "ui/common/DataFiles.h"

namespace moxlet::ui {

namespace {

struct Choice {
    const char* caption;
    const char* name;
    const char* description;
};
// In WordLevel order.
constexpr Choice kChoices[3] = {
    {"&Everyday", "Level1",
     "Words a beginner hears every day: on the familiar-word lists of early readers, or among the 1,700 most "
     "frequent words."},
    {"&Common", "Level2", "Everyday words and the words most children know: about the 15,000 most frequent."},
    {"&Wider", "Level3",
     "Every word: rare words too, and words of adult life (medicine, law, money, alcohol)."},
};

}  // namespace

WordOptionsDialog::WordOptionsDialog(Services& services, OptionChangeMark& mark, QWidget* parent)
    : QDialog(parent), services_(services), mark_(mark)
{
    setObjectName(QStringLiteral("WordOpts"));
    setWindowTitle(QStringLiteral("Word Options"));

    auto* frame = new QGroupBox(QStringLiteral("Offer words up to:"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        level_[i] = new QRadioButton(QString::fromLatin1(kChoices[i].caption), frame);
        level_[i]->setObjectName(QString::fromLatin1(kChoices[i].name));
        const QString description = QString::fromLatin1(kChoices[i].description);
        level_[i]->setAccessibleDescription(description);
        auto* label = new QLabel(description, frame);
        label->setObjectName(QStringLiteral("LevelNote%1").arg(i + 1));
        label->setWordWrap(true);
        label->setIndent(24);
        frameLayout->addWidget(level_[i]);
        frameLayout->addWidget(label);
    }
    auto* note = new QLabel(QStringLiteral("Lesson plans already saved keep their words."), this);
    note->setObjectName(QStringLiteral("PlansNote"));

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &WordOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WordOptionsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    level_[static_cast<int>(dialogOptions(services_.options).OfferUpTo)]->setChecked(true);
    if (storedOutOfRange(services_.options, kOfferUpToField)) mark_.changed = true;
    // toggled, not clicked: an accessibility client's Toggle action emits
    // no click, and it is a change all the same.
    for (QRadioButton* b : level_)
        connect(b, &QAbstractButton::toggled, this, [this] { mark_.changed = true; });
}

void WordOptionsDialog::accept()
{
    if (mark_.changed) {
        for (int i = 0; i < 3; ++i)
            if (level_[i]->isChecked()) services_.options.values.OfferUpTo = static_cast<WordLevel>(i);
        WaitCursor wait;
        DataFiles files(services_);
        saveOptions(files.context(), services_.options, kOfferUpToField);
    }
    QDialog::accept();
}

void WordOptionsDialog::done(int result)
{
    mark_.changed = false;
    QDialog::done(result);
}

}  // namespace moxlet::ui
