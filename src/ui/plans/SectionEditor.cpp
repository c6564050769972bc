#include "ui/plans/SectionEditor.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "core/plans/ListGeneration.h"
#include "core/shell/WindowSize.h"
#include "ui/common/DataFiles.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanWindow.h"
#include "ui/words/SegmentPickerDialog.h"

namespace moxlet::ui {

namespace {

const char* const kPickerTitles[] = {"Select Auditory-Kinesthetic Word Segments",
                                     "Select Review Word Segments for Vocal Reading",
                                     "Select Spelling Dictation Word Segments", "Select New Word Segments"};
// Where each section's picker opens, in twips from the plan window's corner.
const int kPickerOffsets[4][2] = {{1440, 2350}, {1440, 2700}, {3100, 1960}, {1440, 1140}};

// The spelling words of every row, kept while the Spelling picker is open.
struct SpellingWords {
    std::array<FixedText<20>, 61> words;
    std::array<std::int16_t, 61> tags;
};

}  // namespace

SectionEditor::SectionEditor(PlanWindow& window, Services& services)
    : QObject(&window), window_(window), services_(services)
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
    PlanSession& s = window_.session();
    std::array<std::int16_t, 4> previous{};
    const auto slots = sectionSlots(s.plan, section);
    std::copy_n(slots.begin(), 4, previous.begin());
    auto backup = std::make_shared<SpellingWords>(SpellingWords{s.plan.SpellWord, s.plan.SpellWordTag});

    SegmentPicker::Rules rules;
    rules.repeats = section == PlanSection::Spelling;
    rules.repeatTitle = "Spelling Dictation Word Segments";
    rules.blendsNeedComponents = section == PlanSection::New;
    rules.studied = s.plan.PlanStudiedSegments;
    WaitCursor wait;
    auto* picker = new SegmentPickerDialog(
        section == PlanSection::New ? SegmentPickerDialog::Kind::NewSegments
                                    : SegmentPickerDialog::Kind::StudiedSegments,
        services_, sectionSlots(s.plan, section), s.lists.forSection(section), rules, &window_);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setWindowTitle(QString::fromLatin1(kPickerTitles[sectionIndex(section)]));
    placePicker(picker, section);
    if (section == PlanSection::Spelling) {
        // A spelling row's words move with its segment.
        picker->picker().onSlotMoved = [&s](int from, int to) {
            for (int c = 0; c < kSpellingColumns; ++c) {
                if (to >= 0) {
                    s.spellWord(to, c) = s.spellWord(from, c);
                    s.spellTag(to, c) = s.spellTag(from, c);
                } else {
                    s.spellWord(from, c).assign("");
                    s.spellTag(from, c) = kEmptyCell;
                }
            }
        };
    }
    connect(picker, &SegmentPickerDialog::slotsChanged, &window_, [this, section] {
        window_.showSection(section);
        if (section == PlanSection::Spelling)
            for (int row = 0; row < kSpellingRows; ++row) window_.showSpellingRow(row);
    });
    connect(picker, &QDialog::rejected, &window_, [this, section, backup] {
        if (section != PlanSection::Spelling) return;
        window_.session().plan.SpellWord = backup->words;
        window_.session().plan.SpellWordTag = backup->tags;
        for (int row = 0; row < kSpellingRows; ++row) window_.showSpellingRow(row);
    });
    connect(picker, &QDialog::finished, &window_, [this, section, previous](int result) {
        window_.updateWordButtons();
        if (result == QDialog::Accepted) window_.markChanged();
        if (section == PlanSection::Auditory) window_.sectionButton(PlanSection::Review)->setFocus();
        if (section == PlanSection::Spelling && window_.spellingButton(0)->isEnabled())
            window_.spellingButton(0)->setFocus();
        // Generation starts once the picker has gone, from the event loop.
        if ((section == PlanSection::Review || section == PlanSection::New) && result == QDialog::Accepted)
            QTimer::singleShot(0, this, [this, section, previous] { generate(section, previous); });
    });
    picker->open();
}

void SectionEditor::generate(PlanSection section, const std::array<std::int16_t, 4>& previous)
{
    PlanSession& s = window_.session();
    const Options& options = services_.options.values;
    WaitCursor wait;
    const int used = slotsInUse(s, section, options);
    window_.updateWordButtons();
    if (used > 0) window_.listButton(section, 0)->setFocus();
    if (used == 0) return;

    WordBaseFiles files(services_);
    auto wordBase = files.open();
    if (!summary_) summary_ = new GenerationSummary(&window_);
    summary_->begin(section == PlanSection::Review ? QStringLiteral("Review Word Segments")
                                                   : QStringLiteral("New Word Segments"));
    summary_->show();
    summary_->raise();
    for (int slot = 0; slot < used; ++slot) summary_->setName(slot, markedText(s.slotName(section, slot)));
    QApplication::processEvents();  // let the window appear before the work starts
    keepMovedLists(s, section, previous);
    for (int slot = 0; slot < used; ++slot) {
        const int count =
            generateSlot(s, section, slot, wordBase.get(), services_.words.index, options, services_.random);
        summary_->setCount(slot, QString::fromLatin1(countText(count).c_str()));
        summary_->repaint();  // the summary shows each count as it comes
        QApplication::processEvents();
    }
    summary_->finish();
    summary_->update();
}

void SectionEditor::offerRegeneration()
{
    PlanSession& s = window_.session();
    if (s.isNew || offering_) return;
    offering_ = true;
    const Options& options = services_.options.values;
    for (PlanSection section : kListSections) {
        const RegenerationQuestion q = regenerationQuestion(s, section, options);
        if (q.text.empty()) continue;
        const bool yes =
            services_.prompt.message(q.text, q.title, Icon::Question, Buttons::YesNo) == Answer::Yes;
        answerRegeneration(s, section, yes);
        if (yes) {
            std::array<std::int16_t, 4> unchanged{};
            const auto slots = sectionSlots(s.plan, section);
            std::copy_n(slots.begin(), 4, unchanged.begin());
            generate(section, unchanged);
        }
    }
    noteListSizes(s, options);
    offering_ = false;
}

}  // namespace moxlet::ui
