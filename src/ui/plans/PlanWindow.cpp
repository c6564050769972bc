#include "ui/plans/PlanWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "core/plans/LessonDate.h"
#include "core/plans/PlanWordCheck.h"
#include "core/shell/WindowSize.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/CellGrid.h"
#include "ui/common/DataFiles.h"
#include "ui/common/ScrollingReadout.h"
#include "ui/common/Text.h"
#include "ui/output/PlanPrinting.h"
#include "ui/plans/LessonDateField.h"
#include "ui/plans/PlanDocument.h"
#include "ui/plans/SectionEditor.h"
#include "ui/plans/SentenceSummary.h"
#include "ui/plans/SkillsDialog.h"
#include "ui/words/PassageChecker.h"
#include "ui/words/WordChoiceDialog.h"

namespace moxlet::ui {

namespace {
const std::string kSaveTitle = "Save Lesson Plan";
const std::string kDateMissing = "The Lesson Date field must be entered before saving a Lesson Plan.";

QPushButton* button(QWidget* parent, const QString& caption, const QString& name,
                    const QString& accessible = {})
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!accessible.isEmpty()) nameEllipsisButton(b, accessible);
    return b;
}

// The index of the PhnGrid that shows slot `slot` of section Review or New.
int slotGridIndex(PlanSection section, int slot)
{
    const bool review = section == PlanSection::Review;
    if (slot == 0) return review ? 1 : 3;  // PhnGrid(1) Review, PhnGrid(3) New
    return review ? slot + 3 : slot + 6;
}
}  // namespace

QString planWindowTitle(const StudentProfile& student)
{
    const QString first = fromStored(student.FirstName.trimmed());
    const QString last = fromStored(student.LastName.trimmed());
    // One blank between the names, none when either is missing.
    return QStringLiteral("Lesson Plan for ") + (last.isEmpty()    ? first
                                                 : first.isEmpty() ? last
                                                                   : first + QLatin1Char(' ') + last);
}

PlanWindow::PlanWindow(Services& services, PlanSession session, QWidget* parent)
    : QWidget(parent), services_(services), document_(new PlanDocument(std::move(session), this))
{
    setObjectName(QStringLiteral("Plan"));  // the form name
    // "[*]": the caption shows when the plan has unsaved changes.
    setWindowTitle(planWindowTitle(document_->session().student) + QStringLiteral("[*]"));
    sections_ = new SectionEditor(*this, *document_, services_);
    buildControls();
    layoutControls();
    showPlan();
    connect(document_, &PlanDocument::sectionChanged, this, [this](PlanSection section) {
        showSection(section);
        updateWordButtons();
    });
    connect(document_, &PlanDocument::wordsChanged, this, [this](PlanSection section, int unit) {
        if (section == PlanSection::Spelling) showSpellingRow(unit);
    });
    connect(document_, &PlanDocument::skillsChanged, this, &PlanWindow::showSkills);
    connect(document_, &PlanDocument::edited, this,
            [this] { setWindowModified(document_->session().changed); });
    setWindowModified(document_->session().changed);
    // A tutor starts with the lesson date.
    setFocusProxy(lessonDate_);
}

PlanSession& PlanWindow::session() { return document_->session(); }
const PlanSession& PlanWindow::session() const { return document_->session(); }

CellGrid* PlanWindow::slotGrid(PlanSection section, int slot) const
{
    return segmentGrid(slotGridIndex(section, slot));
}

QPushButton* PlanWindow::listButton(PlanSection section, int slot) const
{
    const auto& buttons = section == PlanSection::Review ? reviewListButtons_ : newListButtons_;
    return buttons[static_cast<std::size_t>(slot)];
}

void PlanWindow::offerRegeneration() { sections_->offerRegeneration(); }

void PlanWindow::openWordChoice(QDialog* dialog, int topTwips)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Half an inch in from the plan window's left edge.
    dialog->move(
        mapToGlobal(QPoint(pixelsFromTwips(720, logicalDpiX()), pixelsFromTwips(topTwips, logicalDpiY()))));
    connect(dialog, &QDialog::finished, this, [this] { segmentGrids_[2]->markRow(-1); });
    dialog->open();
}

void PlanWindow::editList(PlanSection section, int slot)
{
    if (session().slotSegment(section, slot) == kNoSegment) return;
    WaitCursor wait;
    const int size = section == PlanSection::New ? services_.options.values.NewListSize
                                                 : services_.options.values.ReviewListSize;
    openWordChoice(new WordChoiceDialog(*document_, services_, section, slot, this), size == 1 ? 1000 : 900);
}

void PlanWindow::chooseSpellingWords(int row)
{
    if (session().slotSegment(PlanSection::Spelling, row) == kNoSegment) return;
    auto* dialog = new WordChoiceDialog(*document_, services_, PlanSection::Spelling, row, this);
    // The row being edited is marked in the segment grid.
    connect(dialog, &WordChoiceDialog::unitShown, this,
            [this](int unit) { segmentGrids_[2]->markRow(unit); });
    segmentGrids_[2]->markRow(row);
    openWordChoice(dialog, 1060);
}

PlanOutput PlanWindow::output() const
{
    const PlanSession& s = session();
    return {s.student.FirstName.trimmed(), s.student.LastName.trimmed(), s.plan, services_.options.values,
            wordListFontSize()};
}

void PlanWindow::print() { printPlan(this, services_, output()); }

void PlanWindow::preview() { previewPlan(this, services_, output()); }

void PlanWindow::copy() { copyPlan(services_, output()); }

void PlanWindow::buildControls()
{
    const QString sectionCaptions[] = {QStringLiteral("&Auditory..."), QStringLiteral("&Review..."),
                                       QStringLiteral("Spe&lling..."), QStringLiteral("&New...")};
    for (PlanSection s : kPlanSections) {
        const std::size_t i = sectionIndex(s);
        QPushButton* b = button(this, sectionCaptions[i], QStringLiteral("Cmd_%1").arg(i));
        sectionButtons_[i] = b;
        connect(b, &QPushButton::clicked, sections_, [this, s] { sections_->chooseSegments(s); });
    }

    segmentGrids_[0] =
        new CellGrid(2, 5, QStringLiteral("PhnGrid_0"), QStringLiteral("Auditory segments"), this);
    segmentGrids_[2] = new CellGrid(kSpellingRows, 1, QStringLiteral("PhnGrid_2"),
                                    QStringLiteral("Spelling dictation segments"), this);
    for (PlanSection section : kListSections) {
        const bool review = section == PlanSection::Review;
        const QString kind = review ? QStringLiteral("Review") : QStringLiteral("New");
        for (int slot = 0; slot < kListSlots; ++slot) {
            const int index = slotGridIndex(section, slot);
            segmentGrids_[static_cast<std::size_t>(index)] =
                new CellGrid(1, 1, QStringLiteral("PhnGrid_%1").arg(index),
                             QStringLiteral("%1 segment %2").arg(kind).arg(slot + 1), this);
            auto& buttons = review ? reviewListButtons_ : newListButtons_;
            QPushButton* b = button(this, QStringLiteral("..."),
                                    QStringLiteral("%1_%2")
                                        .arg(review ? QStringLiteral("Cmd2X") : QStringLiteral("Cmd4X"))
                                        .arg(slot),
                                    QStringLiteral("Edit %1 word list %2").arg(kind).arg(slot + 1));
            buttons[static_cast<std::size_t>(slot)] = b;
            connect(b, &QPushButton::clicked, this, [this, section, slot] { editList(section, slot); });
        }
    }
    wordGrid_ = new CellGrid(kSpellingRows, kSpellingColumns, QStringLiteral("WordGrid"),
                             QStringLiteral("Spelling dictation words"), this);
    for (int row = 0; row < kSpellingRows; ++row) {
        QPushButton* b = button(this, QStringLiteral("..."), QStringLiteral("Cmd3X_%1").arg(row),
                                QStringLiteral("Choose spelling words %1").arg(row + 1));
        spellingButtons_[static_cast<std::size_t>(row)] = b;
        connect(b, &QPushButton::clicked, this, [this, row] { chooseSpellingWords(row); });
    }
    readGrid_ = new CellGrid(10, 1, QStringLiteral("ReadGrid"),
                             QStringLiteral("Sentences for dictation and book for vocal reading"), this);
    skillsButton_ = button(this, QStringLiteral("S&kills..."), QStringLiteral("ReadCmd"));
    sentenceSummary_ = new SentenceSummary(services_, readGrid_, this);
    connect(skillsButton_, &QPushButton::clicked, this, &PlanWindow::editSkills);

    lessonDate_ = new LessonDateField(this);
    connect(lessonDate_, &QLineEdit::textChanged, this, &PlanWindow::dateEdited);

    fontSize_ = new QComboBox(this);
    fontSize_->setObjectName(QStringLiteral("ComboFontSize"));
    nameComboBox(fontSize_, QStringLiteral("Word List Font Size"));
    fontSize_->addItems({QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")});

    saveButton_ = button(this, QStringLiteral("&Save"), QStringLiteral("Save"));
    exitButton_ = button(this, QStringLiteral("E&xit"), QStringLiteral("Close"));
    printButton_ = button(this, QStringLiteral("&Print..."), QStringLiteral("Print"));
    previewButton_ = button(this, QStringLiteral("Print Pre&view..."), QStringLiteral("Preview"));
    copyButton_ = button(this, QStringLiteral("&Copy Plan"), QStringLiteral("Copy"));
    connect(saveButton_, &QPushButton::clicked, this, &PlanWindow::save);
    connect(printButton_, &QPushButton::clicked, this, &PlanWindow::print);
    connect(previewButton_, &QPushButton::clicked, this, &PlanWindow::preview);
    connect(copyButton_, &QPushButton::clicked, this, &PlanWindow::copy);
    connect(exitButton_, &QPushButton::clicked, this, [this] {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->close();
        else
            close();
    });
}

void PlanWindow::layoutControls()
{
    auto label = [this](const char* name, const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(buddy);
        return l;
    };
    // A section: its heading over its button and grids, as on the printed plan.
    auto section = [this](const QString& title, QLayout* body) {
        auto* heading = new QLabel(title, this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        auto* box = new QVBoxLayout;
        box->setSpacing(2);
        box->addWidget(heading);
        box->addLayout(body);
        return box;
    };

    auto* top = new QHBoxLayout;
    top->addWidget(label("Label1", QStringLiteral("Lesson Date:"), lessonDate_));
    top->addWidget(lessonDate_);
    top->addWidget(lessonDate_->problemLabel());
    top->addSpacing(24);
    top->addWidget(label("Label3", QStringLiteral("Word List Font Size"), fontSize_));
    top->addWidget(fontSize_);
    top->addStretch();

    auto* auditory = new QHBoxLayout;
    auditory->addWidget(sectionButton(PlanSection::Auditory), 0, Qt::AlignTop);
    auditory->addWidget(segmentGrids_[0], 1);

    auto slots = [&](PlanSection listSection) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(4);
        grid->addWidget(sectionButton(listSection), 0, 0, 2, 1, Qt::AlignTop);
        for (int slot = 0; slot < kListSlots; ++slot) {
            const int row = slot / 2, column = 1 + 2 * (slot % 2);
            CellGrid* cell = slotGrid(listSection, slot);
            grid->addWidget(cell, row, column);
            QPushButton* b = listButton(listSection, slot);
            b->setFixedSize(cell->fullHeight() + 10, cell->fullHeight());
            grid->addWidget(b, row, column + 1);
        }
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        return grid;
    };
    auto* lists = new QHBoxLayout;
    lists->setSpacing(16);
    lists->addLayout(section(QStringLiteral("Review"), slots(PlanSection::Review)), 1);
    lists->addLayout(section(QStringLiteral("New"), slots(PlanSection::New)), 1);

    auto* spelling = new QHBoxLayout;
    spelling->setSpacing(2);
    spelling->addWidget(sectionButton(PlanSection::Spelling), 0, Qt::AlignTop);
    auto* rowButtons = new QVBoxLayout;
    rowButtons->setSpacing(0);
    rowButtons->setContentsMargins(0, wordGrid_->frameWidth(), 0, 0);
    for (QPushButton* b : spellingButtons_) {
        b->setFixedSize(wordGrid_->rowPixels() + 10, wordGrid_->rowPixels());
        rowButtons->addWidget(b);
    }
    rowButtons->addStretch();
    spelling->addLayout(rowButtons);
    // Wide enough for the longest segment name.
    segmentGrids_[2]->setFixedWidth(
        segmentGrids_[2]->fontMetrics().horizontalAdvance(QStringLiteral("Consonant-le (x)")) + 12);
    spelling->addWidget(segmentGrids_[2], 0, Qt::AlignTop);
    spelling->addWidget(wordGrid_, 1, Qt::AlignTop);

    auto* skills = new QHBoxLayout;
    skills->addWidget(skillsButton_, 0, Qt::AlignTop);
    skills->addWidget(readGrid_, 1, Qt::AlignTop);
    auto* commands = new QGridLayout;
    commands->addWidget(saveButton_, 0, 0);
    commands->addWidget(printButton_, 0, 1);
    commands->addWidget(previewButton_, 0, 2);
    commands->addWidget(copyButton_, 1, 1);
    commands->addWidget(exitButton_, 1, 2);
    auto* right = new QVBoxLayout;
    right->addLayout(section(QStringLiteral("Sentence Dictation and Vocal Reading"), skills));
    // One line, scrolling: the window has no room for more at its normal
    // size, and each sentence's tooltip gives its words' reasons.
    right->addWidget(scrollWithin(sentenceSummary_, 1));
    right->addStretch();
    right->addLayout(commands);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(16);
    lower->addLayout(section(QStringLiteral("Spelling Dictation"), spelling), 3);
    lower->addLayout(right, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addLayout(section(QStringLiteral("Auditory"), auditory));
    layout->addLayout(lists);
    layout->addLayout(lower, 1);

    // Keyboard order follows the printed plan.
    std::vector<QWidget*> order{lessonDate_, fontSize_};
    for (PlanSection kind : {PlanSection::Auditory, PlanSection::Review, PlanSection::New}) {
        order.push_back(sectionButton(kind));
        if (kind != PlanSection::Auditory)
            for (int slot = 0; slot < kListSlots; ++slot) order.push_back(listButton(kind, slot));
    }
    order.push_back(sectionButton(PlanSection::Spelling));
    order.insert(order.end(), spellingButtons_.begin(), spellingButtons_.end());
    order.insert(order.end(),
                 {skillsButton_, saveButton_, printButton_, previewButton_, copyButton_, exitButton_});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void PlanWindow::showPlan()
{
    fontSize_->setCurrentIndex(std::clamp<int>(services_.options.values.FontSizeMode, 0, 2));
    {
        const QSignalBlocker quiet(lessonDate_);
        lessonDate_->setText(fromStored(std::string(session().plan.LessonDate.bytes().data(), 8)));
    }
    lessonDate_->showProblem();
    saveButton_->setEnabled(lessonDateComplete(lessonDate_->storedDate()));
    for (PlanSection section : kPlanSections) showSection(section);
    for (int row = 0; row < kSpellingRows; ++row) showSpellingRow(row);
    showSkills();
    updateWordButtons();
}

void PlanWindow::showSection(PlanSection section)
{
    switch (section) {
    case PlanSection::Auditory:
        for (int slot = 0; slot < kSectionSlots[sectionIndex(section)]; ++slot)
            segmentGrids_[0]->setCell(slot / 5, slot % 5, markedText(session().slotName(section, slot)));
        break;
    case PlanSection::Spelling:
        for (int row = 0; row < kSpellingRows; ++row)
            segmentGrids_[2]->setCell(row, 0, markedText(session().slotName(section, row)));
        break;
    case PlanSection::Review:
    case PlanSection::New:
        for (int slot = 0; slot < kListSlots; ++slot)
            slotGrid(section, slot)->setCell(0, 0, markedText(session().slotName(section, slot)));
        break;
    }
}

void PlanWindow::showSpellingRow(int row)
{
    for (int column = 0; column < kSpellingColumns; ++column)
        wordGrid_->setCell(row, column, fromStored(session().spellWord(row, column).trimmed()));
}

void PlanWindow::showSkills()
{
    for (int row = 0; row < 9; ++row)
        readGrid_->setCell(row, 0,
                           fromStored(session().plan.Sentence[static_cast<std::size_t>(row)].trimmed()));
    readGrid_->setCell(9, 0, fromStored(session().plan.Sentence[kReadingLine].trimmed()));
    sentenceSummary_->showFor(session());
}

void PlanWindow::updateWordButtons()
{
    const Options& o = services_.options.values;
    for (int slot = 0; slot < kListSlots; ++slot) {
        reviewListButtons_[static_cast<std::size_t>(slot)]->setEnabled(
            o.ReviewListSize > 0 && session().slotSegment(PlanSection::Review, slot) != kNoSegment);
        newListButtons_[static_cast<std::size_t>(slot)]->setEnabled(
            o.NewListSize > 0 && session().slotSegment(PlanSection::New, slot) != kNoSegment);
    }
    for (int row = 0; row < kSpellingRows; ++row)
        spellingButtons_[static_cast<std::size_t>(row)]->setEnabled(
            session().slotSegment(PlanSection::Spelling, row) != kNoSegment);
}

int PlanWindow::wordListFontSize() const { return fontSize_->currentIndex(); }

void PlanWindow::dateEdited()
{
    const std::string date = lessonDate_->storedDate();
    PlanSession& s = session();
    const bool changed = date != std::string(s.plan.LessonDate.bytes().data(), 8);
    if (changed) s.changed = true;
    saveButton_->setEnabled(lessonDateComplete(date));
    s.plan.LessonDate.assign(date);
    if (changed) document_->dateEdited();
}

bool PlanWindow::save()
{
    if (lessonDateEmpty(std::string(session().plan.LessonDate.bytes().data(), 8))) {
        services_.prompt.message(kDateMissing, kSaveTitle, Icon::None, Buttons::Ok);
        lessonDate_->setFocus();
        return false;
    }
    return !refuseImpossibleDate() && saveNow();
}

bool PlanWindow::saveNow()
{
    WaitCursor wait;
    DataFiles files(services_);
    return document_->save(files.context(), services_.options.values);
}

void PlanWindow::editSkills()
{
    auto* dialog = new SkillsDialog(session().plan, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->checkSentences(services_, planSentenceReader(session()), offeredWordLevel(services_));
    // An inch to the right of the plan window's left edge.
    dialog->move(mapToGlobal(QPoint(logicalDpiX(), 40)));
    connect(dialog, &QDialog::accepted, this, [this] {
        session().changed = true;  // OK marks the plan changed, edited or not
        document_->skillsEdited();
    });
    dialog->open();
}

bool PlanWindow::mayClose()
{
    if (!session().changed) return true;
    const Answer a = services_.prompt.message("Save changes to the lesson plan?", "Close Lesson Plan",
                                              Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::No) return true;
    if (a != Answer::Yes) return false;
    if (!lessonDateComplete(std::string(session().plan.LessonDate.bytes().data(), 8))) {
        services_.prompt.message(kDateMissing, kSaveTitle, Icon::None, Buttons::Ok);
        lessonDate_->setFocus();
        return false;
    }
    // A plan that could not be written stays open, so nothing is lost.
    return !refuseImpossibleDate() && saveNow();
}

bool PlanWindow::refuseImpossibleDate()
{
    // The mask lets any digits in; a date the calendar lacks is never saved.
    const std::string why = lessonDateProblem(std::string(session().plan.LessonDate.bytes().data(), 8));
    if (why.empty()) return false;
    services_.prompt.message(why, kSaveTitle, Icon::Exclamation, Buttons::Ok);
    lessonDate_->setFocus();
    return true;
}

void PlanWindow::closeEvent(QCloseEvent* event)
{
    if (!closed_ && !mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (closed_) return;
    closed_ = true;
    sections_->closeSummary();
    Q_EMIT closed();
}

}  // namespace moxlet::ui
