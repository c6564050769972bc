#include "core/plans/PlanWordCheck.h"

namespace moxlet {

namespace {
WordCheckQuery planQuery(const PlanSession& session, std::string word)
{
    WordCheckQuery q;
    q.word = std::move(word);
    q.studied = session.plan.PlanStudiedSegments;
    q.syllableMin = session.plan.SyllableMin;
    q.syllableMax = session.plan.SyllableMax;
    return q;
}
}  // namespace

WordCheckQuery planListQuery(const PlanSession& session, PlanSection list, int slot, std::string word)
{
    WordCheckQuery q = planQuery(session, std::move(word));
    q.newList = list == PlanSection::New;
    q.segment = session.slotSegment(q.newList ? PlanSection::New : PlanSection::Review, slot);
    const auto& offsets = q.newList ? session.plan.NewThinOffset : session.plan.ReviewThinOffset;
    if (slot >= 0 && slot < kListSlots) q.thinOffset = offsets[static_cast<std::size_t>(slot)];
    return q;
}

WordCheckQuery spellingRowQuery(const PlanSession& session, int row, std::string word)
{
    WordCheckQuery q = planQuery(session, std::move(word));
    q.segment = session.slotSegment(PlanSection::Spelling, row);
    if (row >= 0 && row < kSpellingRows)
        q.thinOffset = session.plan.SpellingThinOffset[static_cast<std::size_t>(row)];
    return q;
}

PassageStudent planSentenceReader(const PlanSession& session)
{
    PassageStudent s;
    s.name = session.student.FirstName.trimmed();
    s.studied = session.plan.PlanStudiedSegments;
    for (int slot = 0; slot < kListSlots; ++slot) s.studied.add(session.slotSegment(PlanSection::New, slot));
    s.syllableMin = session.plan.SyllableMin;
    s.syllableMax = session.plan.SyllableMax;
    return s;
}

}  // namespace moxlet
