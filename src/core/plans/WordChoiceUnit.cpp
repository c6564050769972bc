#include "core/plans/WordChoiceUnit.h"

#include "core/plans/ListGeneration.h"
#include "core/plans/PlanWordCheck.h"

namespace moxlet {

WordChoiceUnit::WordChoiceUnit(PlanSession& session, PlanSection section, int index, const Options& options)
    : session_(session), section_(section), index_(index),
      cells_(section == PlanSection::Spelling ? kSpellingColumns
                                              : listLength(listSizeOption(options, section)))
{
}

bool WordChoiceUnit::hasNext() const
{
    const int units = section_ == PlanSection::Spelling ? kSpellingRows : kListSlots;
    return index_ + 1 < units && session_.slotSegment(section_, index_ + 1) != kNoSegment;
}

void WordChoiceUnit::step(int delta)
{
    if ((delta < 0 && hasPrevious()) || (delta > 0 && hasNext())) index_ += delta < 0 ? -1 : 1;
}

std::int16_t& WordChoiceUnit::thinOffset()
{
    if (section_ == PlanSection::Spelling)
        return session_.plan.SpellingThinOffset[static_cast<std::size_t>(index_)];
    return session_.thinOffset(section_, index_);
}

std::vector<WordCell> WordChoiceUnit::storedCells() const
{
    std::vector<WordCell> cells;
    for (int k = 0; k < cells_; ++k) {
        if (section_ == PlanSection::Spelling)
            cells.push_back({session_.spellWord(index_, k).trimmed(), session_.spellTag(index_, k)});
        else
            cells.push_back(
                {session_.listWord(section_, index_, k).trimmed(), session_.listPos(section_, index_, k)});
    }
    return cells;
}

void WordChoiceUnit::load(WordChoice& choice, WordBase* wordBase, const OffsetIndex& index, Random& random,
                          int homophoneMode)
{
    choice.load(choiceList(wordBase, index, session_.masks, query(), thinOffset(), random, homophoneMode),
                storedCells());
}

CandidateQuery WordChoiceUnit::query() const
{
    return {segment(), session_.plan.SyllableMin, session_.plan.SyllableMax, section_ == PlanSection::New};
}

void WordChoiceUnit::store(const std::vector<WordCell>& cells)
{
    for (int k = 0; k < cells_ && static_cast<std::size_t>(k) < cells.size(); ++k) {
        const WordCell& c = cells[static_cast<std::size_t>(k)];
        if (section_ == PlanSection::Spelling) {
            session_.spellWord(index_, k).assign(c.text);
            session_.spellTag(index_, k) = c.tag;
        } else {
            session_.listWord(section_, index_, k).assign(c.text);
            session_.listPos(section_, index_, k) = c.tag;
        }
    }
    session_.changed = true;
}

WordCheckQuery WordChoiceUnit::checkQuery(std::string word) const
{
    return section_ == PlanSection::Spelling ? spellingRowQuery(session_, index_, std::move(word))
                                             : planListQuery(session_, section_, index_, std::move(word));
}

}  // namespace moxlet
