#include "ui/words/WordCheckDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DataFiles.h"
#include "ui/common/MarkFont.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

WordCheckDialog::WordCheckDialog(Answerer answer, const QString& word, QWidget* parent)
    : QDialog(parent), answerer_(std::move(answer))
{
    setObjectName(QStringLiteral("WordCheck"));
    setWindowTitle(QStringLiteral("Check a Word"));

    word_ = new QLineEdit(word, this);
    word_->setObjectName(QStringLiteral("Word"));
    word_->setMaxLength(20);
    refuseUnstorableCharacters({word_});
    auto* label = new QLabel(QStringLiteral("&Word:"), this);
    label->setBuddy(word_);
    auto* checkButton = new QPushButton(QStringLiteral("C&heck"), this);
    checkButton->setObjectName(QStringLiteral("Check"));
    checkButton->setDefault(true);
    connect(checkButton, &QPushButton::clicked, this, &WordCheckDialog::check);
    connect(word_, &QLineEdit::returnPressed, this, &WordCheckDialog::check);

    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("Answer"));
    answer_->setFont(MarkFont::font(11));
    answer_->setWordWrap(true);
    answer_->setMinimumSize(420, 90);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &WordCheckDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(word_, 1);
    row->addWidget(checkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(answer_, 1);
    layout->addWidget(buttons);
    if (!word.isEmpty()) check();
}

void WordCheckDialog::check()
{
    const QString typed = word_->text().trimmed();
    if (typed.isEmpty()) {
        answer_->clear();
        return;
    }
    WaitCursor wait;
    answer_->setText(markedText(answerer_(toStored(typed))));
}

}  // namespace moxlet::ui
