#include "SamplePlans.h"

#include <QLineEdit>
#include <QListWidget>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/SegmentIds.h"
#include "ui/common/Text.h"
#include "ui/plans/GenerationSummary.h"
#include "ui/plans/PlanChooser.h"
#include "ui/plans/PlanWindow.h"
#include "ui/plans/SectionEditor.h"
#include "ui/plans/SkillsDialog.h"
#include "ui/profiles/StudentChooser.h"
#include "ui/words/SegmentPickerDialog.h"
#include "ui/words/TypedWordsDialog.h"
#include "ui/words/WordChoiceDialog.h"

namespace moxlet::screenshots {

using namespace moxlet::ui;

namespace {

// Sam has studied the short vowels, the single consonants and digraphs, a
// few blends, silent E, EE and AI (see ScreenshotSession.cpp).
const std::vector<int> kAuditory = {seg::A_Short, seg::I_Short, seg::O_Short, seg::SH,
                                    seg::CH_CH,   seg::TH,      seg::CK,      seg::EE};
const std::vector<int> kReview = {seg::CK, seg::SH, seg::EE, seg::AI};
const std::vector<int> kSpelling = {seg::A_Short, seg::I_Short, seg::O_Short, seg::U_Short, seg::SH, seg::CK};
const std::vector<int> kNew = {seg::OA, seg::NG, seg::AY, seg::OR};

const char* const kSentences[] = {"The ship is in the dock.", "Sam had a red hat and a big bag.",
                                  "I can see a fish in the net.", "The duck sat in the mud.",
                                  "Meet me at the shed at six."};

// Confirms a picker; a Review or New picker then makes its lists, whose
// summary is closed again.
void confirm(Session& s, PlanWindow* plan, SegmentPickerDialog* picker)
{
    s.click(picker, "OK");
    if (GenerationSummary* summary = plan->sections()->summary()) s.click(summary, "OK");
}

void typeDate(Session& s, PlanWindow* plan, const QString& date)
{
    auto* box = plan->findChild<QLineEdit*>(QStringLiteral("LessonDate"));
    box->setFocus();
    box->setText(date);
    s.settle();
}

void saveAndClose(Session& s, PlanWindow* plan)
{
    s.click(plan, "Save");
    s.click(plan, "Close");
}

// An earlier lesson: a date and its Review segments.
void addEarlierPlan(Session& s, const QString& date, const std::vector<int>& review)
{
    PlanWindow* plan = newPlan(s, kSampleStudent);
    if (!plan) return;
    confirm(s, plan, pickSegments(s, plan, PlanSection::Review, review));
    typeDate(s, plan, date);
    saveAndClose(s, plan);
}

void chooseSpellingWords(Session& s, PlanWindow* plan)
{
    for (std::size_t row = 0; row < kSpelling.size(); ++row) {
        s.click(plan, QStringLiteral("Cmd3X_%1").arg(row).toLatin1().constData());
        auto* dialog = s.find<WordChoiceDialog>();
        if (!dialog) return;
        if (row > 0) {
            tickWords(s, dialog, 4);
        } else {
            // The first row: two words from the list and the student's own
            // name typed after them, the last cell left free.
            tickWords(s, dialog, 2);
            s.click(dialog, "Type");
            if (auto* typed = s.find<TypedWordsDialog>()) {
                typed->box(2)->setText(QStringLiteral("Sam"));
                s.click(typed, "OK");
            }
        }
        s.click(dialog, "OK");
    }
}

void fillSkills(Session& s, PlanWindow* plan)
{
    s.click(plan, "ReadCmd");
    auto* skills = s.find<SkillsDialog>();
    if (!skills) return;
    int k = 0;
    for (const char* sentence : kSentences)
        skills->findChild<QLineEdit*>(QStringLiteral("Sent_%1").arg(k++))
            ->setText(QString::fromLatin1(sentence));
    skills->findChild<QLineEdit*>(QStringLiteral("BookName"))->setText(QStringLiteral("The Red Hen"));
    skills->findChild<QLineEdit*>(QStringLiteral("BookPage"))->setText(QStringLiteral("4-9"));
    s.click(skills, "OK");
}

}  // namespace

PlanWindow* newPlan(Session& s, const QString& student)
{
    auto* chooser = s.open<StudentChooser>("mnuPlan_0");
    if (!chooser) return nullptr;
    s.chooseLine(chooser->studentList(), student);
    s.click(chooser, "OK");
    return s.find<PlanWindow>();
}

PlanWindow* openPlan(Session& s, const QString& student, const QString& date)
{
    auto* chooser = s.open<PlanChooser>("mnuPlan_1");
    if (!chooser) return nullptr;
    s.chooseLine(chooser->studentList(), student);
    s.chooseLine(chooser->planList(), date);
    s.click(chooser, "OK");
    return s.find<PlanWindow>();
}

SegmentPickerDialog* pickSegments(Session& s, PlanWindow* plan, PlanSection section,
                                  const std::vector<int>& ids)
{
    s.click(plan, QStringLiteral("Cmd_%1").arg(sectionIndex(section)).toLatin1().constData());
    auto* picker = s.find<SegmentPickerDialog>();
    if (!picker) return nullptr;
    for (int id : ids) {
        const auto found = picker->list()->findItems(markedText(segmentName(id)), Qt::MatchExactly);
        if (!found.isEmpty()) found.first()->setSelected(true);  // a click on the line
    }
    return picker;
}

void tickWords(Session& s, WordChoiceDialog* dialog, int count)
{
    QListWidget* list = dialog->list();
    const int lines = list->count();
    for (int i = 0; i < count && i < lines; ++i)
        list->item((2 * i + 1) * lines / (2 * count))->setSelected(true);
    s.settle();
}

void addSamplePlans(Session& s)
{
    addEarlierPlan(s, QStringLiteral("09-02-25"), {seg::A_Short, seg::I_Short, seg::SH});
    addEarlierPlan(s, QStringLiteral("09-09-25"), {seg::O_Short, seg::CH_CH, seg::CK, seg::EE});

    PlanWindow* plan = newPlan(s, kSampleStudent);
    if (!plan) return;
    confirm(s, plan, pickSegments(s, plan, PlanSection::Auditory, kAuditory));
    confirm(s, plan, pickSegments(s, plan, PlanSection::Review, kReview));
    confirm(s, plan, pickSegments(s, plan, PlanSection::Spelling, kSpelling));
    confirm(s, plan, pickSegments(s, plan, PlanSection::New, kNew));
    chooseSpellingWords(s, plan);
    fillSkills(s, plan);
    typeDate(s, plan, kSampleDate);
    saveAndClose(s, plan);
}

}  // namespace moxlet::screenshots
