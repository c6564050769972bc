#include "ui/plans/PlanDocument.h"

namespace moxlet::ui {

PlanDocument::PlanDocument(PlanSession session, QObject* parent)
    : QObject(parent), session_(std::move(session))
{
}

void PlanDocument::sectionEdited(PlanSection section)
{
    Q_EMIT sectionChanged(section);
    if (section == PlanSection::Spelling)
        for (int row = 0; row < kSpellingRows; ++row) Q_EMIT wordsChanged(section, row);
    Q_EMIT edited();
}

void PlanDocument::wordsEdited(PlanSection section, int unit)
{
    Q_EMIT wordsChanged(section, unit);
    Q_EMIT edited();
}

void PlanDocument::skillsEdited()
{
    Q_EMIT skillsChanged();
    Q_EMIT edited();
}

void PlanDocument::dateEdited() { Q_EMIT edited(); }

bool PlanDocument::save(const FileContext& ctx, const Options& options)
{
    const bool written = savePlan(ctx, session_, options);
    if (written) Q_EMIT saved();
    Q_EMIT edited();  // the changed flag may have moved either way
    return written;
}

}  // namespace moxlet::ui
