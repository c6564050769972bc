#include "ui/plans/SectionEditor.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "core/plans/ListGeneration.h"
#include "core/plans/SectionEdit.h"
#include "core/shell/WindowSize.h"
#include "core/wordlist/WordListTool.h"
#include "ui/common/DataFiles.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanDocument.h"
#include "ui/plans/PlanWindow.h"
#include "ui/words/SegmentPickerDialog.h"

namespace moxlet::ui {

namespace {

const char* const kPickerTitles[] = {"Select Auditory-Kinesthetic Word Segments",
                                     "Select Review Word Segments for Vocal Reading",
                                     "Select Spelling Dictation Word Segments", "Select New Word Segments"};
// Where each section's picker opens, in twips from the plan window's corner.
const int kPickerOffsets[4][2] = {{1440, 2350}, {1440, 2700}, {3100, 1960}, {1440, 1140}};

}  // namespace

SectionEditor::SectionEditor(PlanWindow& window, PlanDocument& document, Services& services)
    : QObject(&window), window_(window), document_(document), services_(services)
{
}

void SectionEditor::closeSummary()
{
    if (summary_) summary_->close();
}

void SectionEditor::placePicker(QWidget* picker, PlanSection section)
{
    const double dpiX = window_.logicalDpiX(), dpiY = window_.logicalDpiY();
    const QPoint offset(pixelsFromTwips(kPickerOffsets[sectionIndex(section)][0], dpiX),
                        pixelsFromTwips(kPickerOffsets[sectionIndex(section)][1], dpiY));
    picker->move(window_.mapToGlobal(QPoint(0, 0)) + offset);
}

void SectionEditor::chooseSegments(PlanSection section)
{
    WaitCursor wait;
    // The edit lives as long as the picker's connections, that is as long
    // as the picker.
    auto edit = std::make_shared<SectionEdit>(document_.session(), section);
    auto* picker =
        new SegmentPickerDialog(section == PlanSection::New ? SegmentPickerDialog::Kind::NewSegments
                                                            : SegmentPickerDialog::Kind::StudiedSegments,
                                services_, edit->picker(), &window_);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowTitle(QString::fromLatin1(kPickerTitles[sectionIndex(section)]));
    placePicker(picker, section);
    connect(picker, &SegmentPickerDialog::slotsChanged, &document_,
            [this, section] { document_.sectionEdited(section); });
    connect(picker, &QDialog::finished, this, [this, section, edit](int result) {
        int used = 0;
        if (result == QDialog::Accepted)
            used = edit->accept(services_.options.values);
        else
            edit->cancel();
        document_.sectionEdited(section);
        if (section == PlanSection::Auditory) window_.sectionButton(PlanSection::Review)->setFocus();
        if (section == PlanSection::Spelling && window_.spellingButton(0)->isEnabled())
            window_.spellingButton(0)->setFocus();
        if (used > 0) window_.listButton(section, 0)->setFocus();
        // Generation starts once the picker has gone, from the event loop.
        if (used > 0) QTimer::singleShot(0, this, [this, section, used] { generate(section, used); });
    });
    picker->open();
}

void SectionEditor::generate(PlanSection section, int used)
{
    PlanSession& s = document_.session();
    const Options& options = services_.options.values;
    WaitCursor wait;
    WordBaseFiles files(services_);
    auto wordBase = files.open();
    if (!summary_) summary_ = new GenerationSummary(&window_);
    summary_->begin(section == PlanSection::Review ? QStringLiteral("Review Word Segments")
                                                   : QStringLiteral("New Word Segments"));
    summary_->show();
    summary_->raise();
    for (int slot = 0; slot < used; ++slot) summary_->setName(slot, markedText(s.slotName(section, slot)));
    QApplication::processEvents();  // let the window appear before the work starts
    QStringList notes;
    for (int slot = 0; slot < used; ++slot) {
        const int count =
            generateSlot(s, section, slot, wordBase.get(), services_.words.index, options, services_.random);
        document_.wordsEdited(section, slot);
        summary_->setCount(slot, QString::fromLatin1(countText(count).c_str()));
        // A list of no words says why, as the word list tool does.
        if (count == 0)
            notes << QString::fromStdString(emptyListNote(wordBase.get(), services_.words.index, s.masks,
                                                          {s.slotSegment(section, slot), s.plan.SyllableMin,
                                                           s.plan.SyllableMax, section == PlanSection::New},
                                                          services_.random));
        summary_->repaint();  // the summary shows each count as it comes
        QApplication::processEvents();
    }
    notes.removeDuplicates();
    summary_->setNote(notes.join(QLatin1Char('\n')));
    summary_->finish();
    summary_->update();
}

void SectionEditor::offerRegeneration()
{
    PlanSession& s = document_.session();
    if (s.isNew || offering_) return;
    offering_ = true;
    const Options& options = services_.options.values;
    for (PlanSection section : kListSections) {
        const RegenerationQuestion q = regenerationQuestion(s, section, options);
        if (q.text.empty()) continue;
        const bool yes =
            services_.prompt.message(q.text, q.title, Icon::Question, Buttons::YesNo) == Answer::Yes;
        answerRegeneration(s, section, yes);
        document_.sectionEdited(section);
        const int used = slotsInUse(s, section, options);
        if (yes && used > 0) generate(section, used);
    }
    noteListSizes(s, options);
    offering_ = false;
}

}  // namespace moxlet::ui
