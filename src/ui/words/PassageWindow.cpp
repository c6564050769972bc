#include "ui/words/PassageWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/profiles/ProfileEdit.h"
#include "core/words/PassageSummary.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/DataFiles.h"
#include "ui/common/MarkFont.h"
#include "ui/common/ScrollingReadout.h"
#include "ui/common/Text.h"
#include "ui/output/PrintJob.h"

namespace moxlet::ui {

namespace {

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLabel* readout(QWidget* parent, const char* name, const QString& accessible)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setFont(MarkFont::font());
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return l;
}

}  // namespace

PassageWindow::PassageWindow(Services& services, WordLevel offerUpTo, std::int32_t profileNo, QWidget* parent)
    : QDialog(parent), services_(services), checker_(services, offerUpTo)
{
    setObjectName(QStringLiteral("Passage"));
    setWindowTitle(QStringLiteral("Check a Passage"));
    setAttribute(Qt::WA_DeleteOnClose);
    {
        WaitCursor wait;
        DataFiles files(services_);
        profiles_ = listProfiles(files.context());
    }

    students_ = new QComboBox(this);
    students_->setObjectName(QStringLiteral("StudentList"));
    nameComboBox(students_, QStringLiteral("Student"));
    for (const StudentListEntry& line : studentList(profiles_)) {
        students_->addItem(fromStored(line.text), line.recordNo);
        if (line.recordNo == profileNo) students_->setCurrentIndex(students_->count() - 1);
    }

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("PassageText"));
    text_->setAccessibleName(QStringLiteral("Text to check"));
    text_->setPlaceholderText(QStringLiteral("Paste or type a page of the reading book here."));
    text_->setTabChangesFocus(true);
    text_->setMinimumSize(text_->fontMetrics().averageCharWidth() * 64, text_->fontMetrics().height() * 12);
    text_->viewport()->installEventFilter(this);

    share_ = readout(this, "Share", QStringLiteral("Share of decodable words"));
    share_->setMinimumHeight(share_->fontMetrics().lineSpacing());
    summary_ = readout(this, "Summary", QStringLiteral("Words the student cannot read yet"));
    // A long text can leave many words beyond the student; the list below
    // groups the same words anyway.
    QScrollArea* summaryArea = scrollWithin(summary_, 3);
    needs_ = new QListWidget(this);
    needs_->setObjectName(QStringLiteral("Needs"));
    needs_->setAccessibleName(QStringLiteral("What the student still needs"));
    needs_->setFont(MarkFont::font());
    needs_->setWordWrap(true);
    needs_->setMinimumHeight(needs_->fontMetrics().height() * 9);
    needsLabel_ = label(this, QStringLiteral("&What the student still needs:"), needs_);

    auto* buttons = new QDialogButtonBox(this);
    auto* copyButton = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    copyButton->setObjectName(QStringLiteral("Copy"));
    auto* printButton = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("Print"));
    auto* previewButton =
        buttons->addButton(QStringLiteral("Print Pre&view..."), QDialogButtonBox::ActionRole);
    previewButton->setObjectName(QStringLiteral("Preview"));
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close"));
    connect(copyButton, &QPushButton::clicked, this, &PassageWindow::copy);
    connect(printButton, &QPushButton::clicked, this, &PassageWindow::print);
    connect(previewButton, &QPushButton::clicked, this, &PassageWindow::preview);
    connect(buttons, &QDialogButtonBox::rejected, this, &PassageWindow::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(label(this, QStringLiteral("&Student:"), students_), 0, 0);
    grid->addWidget(students_, 0, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(label(this, QStringLiteral("&Text:"), text_));
    layout->addWidget(text_, 3);
    layout->addWidget(share_);
    layout->addWidget(summaryArea);
    layout->addWidget(needsLabel_);
    layout->addWidget(needs_, 1);
    layout->addWidget(buttons);

    // Checked a moment after the last key, at once for another student.
    checkTimer_ = new QTimer(this);
    checkTimer_->setSingleShot(true);
    checkTimer_->setInterval(250);
    connect(checkTimer_, &QTimer::timeout, this, &PassageWindow::check);
    connect(text_, &QPlainTextEdit::textChanged, checkTimer_, qOverload<>(&QTimer::start));
    connect(students_, &QComboBox::currentIndexChanged, this, &PassageWindow::check);
    setTabOrder(students_, text_);
    setTabOrder(text_, needs_);
    text_->setFocus();
    check();  // builds the word base by text now, so the first keys do not wait
}

PassageWindow::~PassageWindow() = default;

const ProfileEntry* PassageWindow::chosenStudent() const
{
    const std::int32_t record = students_->currentData().toInt();
    for (const ProfileEntry& e : profiles_)
        if (e.record == record) return &e;
    return nullptr;
}

void PassageWindow::check()
{
    checkTimer_->stop();
    const ProfileEntry* student = chosenStudent();
    checked_.reset();
    if (student)
        checked_ = checker_.check(text_->toPlainText(), passageStudent(student->profile),
                                  SentenceStarts::AfterSentenceEnds);

    QTextCharFormat wavy;
    wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wavy.setUnderlineColor(Qt::red);
    QList<QTextEdit::ExtraSelection> selections;
    for (const TextMark& mark : marks()) {
        QTextCursor at(text_->document());
        at.setPosition(mark.begin);
        at.setPosition(mark.end, QTextCursor::KeepAnchor);
        selections.append({at, wavy});
    }
    text_->setExtraSelections(selections);

    const std::string name = student ? student->profile.FirstName.trimmed() : std::string();
    needsLabel_->setText(QStringLiteral("&What %1 still needs:")
                             .arg(name.empty()
                                      ? QStringLiteral("the student")
                                      : fromStored(name).replace(QLatin1Char('&'), QStringLiteral("&&"))));
    share_->setText(checked_ ? QString::fromStdString(passageShare(checked_->report)) : QString());
    summary_->setText(checked_ ? markedText(passageSummary(checked_->report, name)) : QString());
    needs_->clear();
    const std::vector<PassageReportLine> lines = reportLines();
    // The lines under the report's second heading, up to the next blank.
    int headings = 0;
    for (const PassageReportLine& line : lines) {
        if (line.heading) {
            ++headings;
        } else if (headings == 2) {
            if (line.text.empty()) break;
            needs_->addItem(QString::fromStdString(line.text));
        }
    }
}

std::vector<TextMark> PassageWindow::marks() const
{
    return checked_ ? checked_->marks : std::vector<TextMark>{};
}

QString PassageWindow::markTipAt(int position) const
{
    if (checked_)
        for (const TextMark& mark : checked_->marks)
            if (position >= mark.begin && position <= mark.end) return mark.tip;
    return {};
}

std::vector<PassageReportLine> PassageWindow::reportLines() const
{
    const ProfileEntry* student = chosenStudent();
    if (!checked_ || !student) return {};
    return passageReportLines(checked_->report, student->profile.FirstName.trimmed(),
                              student->profile.LastName.trimmed(), checked_->stored);
}

void PassageWindow::copy()
{
    check();
    const std::vector<PassageReportLine> lines = reportLines();
    if (lines.empty()) return;
    services_.clipboard.clear();
    services_.clipboard.setText(QString::fromStdString(passageReportText(lines)));
}

std::optional<PrintJob> PassageWindow::reportJob()
{
    check();
    const std::vector<PassageReportLine> lines = reportLines();
    if (lines.empty()) return std::nullopt;
    return PrintJob{QStringLiteral("Print Passage Check"), QStringLiteral("Passage Check Preview"),
                    QStringLiteral("Preparing Passage Check..."),
                    [lines](PrintLayer& layer, const PrintStatusFn&) { printPassageReport(layer, lines); }};
}

void PassageWindow::print()
{
    if (const auto job = reportJob()) printWithDialog(this, services_, *job);
}

void PassageWindow::preview()
{
    if (const auto job = reportJob()) previewJob(this, services_, *job);
}

bool PassageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text_->viewport() && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = markTipAt(text_->cursorForPosition(help->pos()).position());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, text_->viewport());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace moxlet::ui
