#include "core/plans/SectionEdit.h"

#include <algorithm>

#include "core/plans/ListGeneration.h"

namespace moxlet {

SegmentPicker::Rules SectionEdit::rules(PlanSection section, const SegmentSet& studied)
{
    SegmentPicker::Rules r;
    r.repeats = section == PlanSection::Spelling;
    r.repeatTitle = "Spelling Dictation Word Segments";
    r.blendsNeedComponents = section == PlanSection::New;
    r.studied = studied;
    return r;
}

SectionEdit::SectionEdit(PlanSession& session, PlanSection section)
    : session_(session), section_(section), spellWords_(session.plan.SpellWord),
      spellTags_(session.plan.SpellWordTag), spellOffsets_(session.plan.SpellingThinOffset),
      picker_(sectionSlots(session.plan, section), session.lists.forSection(section),
              rules(section, session.plan.PlanStudiedSegments))
{
    const auto slots = sectionSlots(session.plan, section);
    std::copy_n(slots.begin(), std::min<std::size_t>(slots.size(), previous_.size()), previous_.begin());
    if (section == PlanSection::Spelling)
        picker_.onSlotMoved = [this](int from, int to) { rowMoved(from, to); };
}

void SectionEdit::rowMoved(int from, int to)
{
    std::int16_t* offsets = session_.plan.SpellingThinOffset.data();
    if (from < 0) {  // a row that gets a segment: its list is thinned afresh
        offsets[to] = -1;
        return;
    }
    for (int c = 0; c < kSpellingColumns; ++c) {
        if (to >= 0) {
            session_.spellWord(to, c) = session_.spellWord(from, c);
            session_.spellTag(to, c) = session_.spellTag(from, c);
        } else {
            session_.spellWord(from, c).assign("");
            session_.spellTag(from, c) = kEmptyCell;
        }
    }
    if (to >= 0)
        offsets[to] = offsets[from];
    else
        offsets[from] = -1;
}

void SectionEdit::cancel()
{
    picker_.cancel();
    if (section_ != PlanSection::Spelling) return;
    session_.plan.SpellWord = spellWords_;
    session_.plan.SpellWordTag = spellTags_;
    session_.plan.SpellingThinOffset = spellOffsets_;
}

int SectionEdit::accept(const Options& options)
{
    session_.changed = true;
    if (section_ != PlanSection::Review && section_ != PlanSection::New) return 0;
    keepMovedLists(session_, section_, previous_);
    return slotsInUse(session_, section_, options);
}

bool needsList(const PlanSession& session, PlanSection section, int slot, const Options& options)
{
    return listSizeOption(options, section) > 0 && session.slotSegment(section, slot) != kNoSegment &&
           session.listPos(section, slot, 0) == kEmptyCell;
}

}  // namespace moxlet
