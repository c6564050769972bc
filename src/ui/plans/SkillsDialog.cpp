#include "ui/plans/SkillsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "core/plans/PlanSession.h"
#include "core/plans/ReadingLine.h"
#include "core/words/PassageSummary.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/MarkFont.h"
#include "ui/common/MarkedLineEdit.h"
#include "ui/common/ScrollingReadout.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"
#include "ui/words/PassageChecker.h"
#include "ui/words/PassageWindow.h"

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
        auto* box = new MarkedLineEdit(this);
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
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("SentenceSummary"));
    summary_->setAccessibleName(QStringLiteral("Words the student cannot read yet"));
    summary_->setFont(MarkFont::font());
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summaryArea_ = scrollWithin(summary_, 3);
    summaryArea_->hide();
    sentences->addWidget(summaryArea_);

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
    passageButton_ = new QPushButton(QStringLiteral("Check a &Passage..."), this);
    passageButton_->setObjectName(QStringLiteral("CheckPassage"));
    passageButton_->hide();
    connect(passageButton_, &QPushButton::clicked, this, &SkillsDialog::openPassageWindow);
    book->addWidget(passageButton_, 0, 4);
    book->setColumnStretch(1, 3);
    book->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = okCancelButtons(this);
    auto* clear = buttons->addButton(QStringLiteral("C&lear"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("Clear"));
    connect(clear, &QPushButton::clicked, this, &SkillsDialog::clearAll);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sentences);
    layout->addSpacing(8);
    layout->addLayout(book);
    layout->addWidget(buttons);
}

SkillsDialog::~SkillsDialog() = default;

void SkillsDialog::checkSentences(Services& services, PassageStudent reader, WordLevel offerUpTo)
{
    services_ = &services;
    reader_ = std::move(reader);
    offerUpTo_ = offerUpTo;
    checker_ = std::make_unique<PassageChecker>(services, offerUpTo);
    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(150);
    connect(checkTimer_, &QTimer::timeout, this, &SkillsDialog::showCheck);
    for (MarkedLineEdit* box : sentences_) {
        // A line being typed drops its marks (they would no longer sit
        // under their words) until the check after the last key.
        connect(box, &QLineEdit::textChanged, box, [box] { box->setMarks({}); });
        connect(box, &QLineEdit::textChanged, checkTimer_, qOverload<>(&QTimer::start));
    }
    summaryArea_->show();
    passageButton_->show();
    showCheck();
}

// The ten lines are checked as one text, each line starting a sentence, so
// that the summary names each word once.
void SkillsDialog::showCheck()
{
    QStringList lines;
    for (const MarkedLineEdit* box : sentences_) lines.append(box->text());
    const auto checked =
        checker_->check(lines.join(QLatin1Char('\n')), reader_, SentenceStarts::AlsoAtLineStarts);
    auto marks = marksByLine(checked ? checked->marks : std::vector<TextMark>{}, lines);
    for (std::size_t k = 0; k < sentences_.size(); ++k) sentences_[k]->setMarks(std::move(marks[k]));
    summary_->setText(checked ? markedText(passageSummary(checked->report, reader_.name)) : QString());
}

void SkillsDialog::openPassageWindow()
{
    if (!services_) return;
    auto* window = new PassageWindow(*services_, offerUpTo_, plan_.ProfileNo, this);
    window->show();
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
