#include "ui/plans/SkillsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/plans/PlanSession.h"
#include "core/plans/ReadingLine.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

namespace {
QString trimmedRight(QString s)
{
    while (s.endsWith(QLatin1Char(' '))) s.chop(1);
    return s;
}
}  // namespace

SkillsDialog::SkillsDialog(LessonPlan& plan, QWidget* parent) : QDialog(parent), plan_(plan)
{
    setObjectName(QStringLiteral("READING"));  // the form name
    setWindowTitle(QStringLiteral("Skills Application"));

    auto* label1 = new QLabel(QStringLiteral("Sentences for Dictation:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* sentences = new QVBoxLayout;
    sentences->addWidget(label1);
    for (int k = 0; k < kDictationSentences; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Sent_%1").arg(k));
        box->setAccessibleName(QStringLiteral("Sentence %1").arg(k + 1));
        box->setMaxLength(80);
        refuseUnstorableCharacters({box});
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 70);
        box->setText(fromStored(plan_.Sentence[static_cast<std::size_t>(k)].trimmed()));
        sentences_[static_cast<std::size_t>(k)] = box;
        sentences->addWidget(box);
    }
    label1->setBuddy(sentences_[0]);

    bookName_ = new QLineEdit(this);
    bookName_->setObjectName(QStringLiteral("BookName"));
    bookName_->setMaxLength(35);
    bookPage_ = new QLineEdit(this);
    bookPage_->setObjectName(QStringLiteral("BookPage"));
    bookPage_->setMaxLength(15);
    refuseUnstorableCharacters({bookName_, bookPage_});
    auto* label2 = new QLabel(QStringLiteral("Book for Vocal Reading:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setBuddy(bookName_);
    auto* label3 = new QLabel(QStringLiteral("Page(s):"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setBuddy(bookPage_);
    bookName_->setAccessibleName(QStringLiteral("Book for Vocal Reading"));
    bookPage_->setAccessibleName(QStringLiteral("Pages"));

    const BookReading reading = parseReadingLine(plan_.Sentence[kReadingLine].trimmed());
    bookName_->setText(fromStored(reading.title));
    bookPage_->setText(fromStored(reading.pages));
    bookPage_->setEnabled(!reading.title.empty());
    connect(bookName_, &QLineEdit::textChanged, this, &SkillsDialog::titleEdited);

    auto* book = new QGridLayout;
    book->addWidget(label2, 0, 0);
    book->addWidget(bookName_, 0, 1);
    book->addWidget(label3, 0, 2);
    book->addWidget(bookPage_, 0, 3);
    book->setColumnStretch(1, 3);
    book->setColumnStretch(3, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Cancel"));
    auto* clear = buttons->addButton(QStringLiteral("C&lear"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("Clear"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SkillsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SkillsDialog::reject);
    connect(clear, &QPushButton::clicked, this, &SkillsDialog::clearAll);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sentences);
    layout->addSpacing(8);
    layout->addLayout(book);
    layout->addWidget(buttons);
}

void SkillsDialog::titleEdited()
{
    const bool titled = !trimmedRight(bookName_->text()).isEmpty();
    bookPage_->setEnabled(titled);
    if (!titled) bookPage_->clear();
}

void SkillsDialog::clearAll()
{
    for (QLineEdit* box : sentences_) box->clear();
    bookName_->clear();
    bookPage_->clear();
    bookPage_->setEnabled(false);
}

void SkillsDialog::accept()
{
    for (int k = 0; k < kDictationSentences; ++k)
        plan_.Sentence[static_cast<std::size_t>(k)].assign(
            toStored(trimmedRight(sentences_[static_cast<std::size_t>(k)]->text())));
    plan_.Sentence[kReadingLine].assign(
        composeReadingLine(toStored(bookName_->text()), toStored(bookPage_->text())));
    QDialog::accept();
}

}  // namespace moxlet::ui
