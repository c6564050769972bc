#include "ui/plans/SentenceSummary.h"

#include "core/plans/PlanWordCheck.h"
#include "core/words/PassageSummary.h"
#include "ui/common/CellGrid.h"
#include "ui/common/MarkFont.h"
#include "ui/common/MarkedCellDelegate.h"
#include "ui/common/Text.h"
#include "ui/words/PassageChecker.h"

namespace moxlet::ui {

SentenceSummary::SentenceSummary(Services& services, CellGrid* grid, QWidget* parent)
    : QLabel(parent), services_(services), grid_(grid)
{
    grid_->setItemDelegateForColumn(0, new MarkedCellDelegate(grid_));
    setObjectName(QStringLiteral("SentenceSummary"));
    setAccessibleName(QStringLiteral("Words the student cannot read yet"));
    setFont(MarkFont::font());
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

SentenceSummary::~SentenceSummary() = default;

void SentenceSummary::showFor(const PlanSession& session)
{
    QStringList lines;
    for (int k = 0; k < kDictationSentences; ++k)
        lines.append(fromStored(session.plan.Sentence[static_cast<std::size_t>(k)].trimmed()));
    clear();
    setToolTip({});
    for (int row = 0; row < kDictationSentences - 1; ++row) grid_->item(row, 0)->setData(kTextMarksRole, {});
    if (lines.join(QString()).trimmed().isEmpty()) return;
    if (!checker_) checker_ = std::make_unique<PassageChecker>(services_, offeredWordLevel(services_));
    const PassageStudent reader = planSentenceReader(session);
    const auto checked =
        checker_->check(lines.join(QLatin1Char('\n')), reader, SentenceStarts::AlsoAtLineStarts);
    if (!checked) return;
    setText(markedText(passageSummary(checked->report, reader.name)));
    QStringList reasons;
    for (const PassageWord& word : checked->report.words)
        if (isMarked(word.verdict)) reasons.append(markedText(word.reason));
    setToolTip(reasons.join(QLatin1Char('\n')));

    const auto marks = marksByLine(checked->marks, lines);
    for (int row = 0; row < kDictationSentences - 1; ++row) {
        QVariantList ranges;
        QStringList tips{lines[row]};
        for (const TextMark& m : marks[static_cast<std::size_t>(row)]) {
            ranges.append(QPoint(m.begin, m.end));
            if (!tips.contains(m.tip)) tips.append(m.tip);
        }
        grid_->item(row, 0)->setData(kTextMarksRole, ranges);
        grid_->item(row, 0)->setToolTip(tips.join(QLatin1Char('\n')));
    }
}

}  // namespace moxlet::ui
