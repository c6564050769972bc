#include "ui/options/WordOptionsDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/options/OptionFile.h"
#include "ui/common/DialogButtons.h"

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
    : OptionDialog(services, mark, kOfferUpToField, parent)
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

    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    level_[static_cast<int>(dialogOptions(services_.options).OfferUpTo)]->setChecked(true);
    watchForChanges();
}

void WordOptionsDialog::storeIntoOptions()
{
    for (int i = 0; i < 3; ++i)
        if (level_[i]->isChecked()) services_.options.values.OfferUpTo = static_cast<WordLevel>(i);
}

}  // namespace moxlet::ui
