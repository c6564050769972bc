#include "core/plans/ListGeneration.h"

#include "core/plans/SectionEdit.h"
#include "core/words/CandidateCollector.h"

namespace moxlet {

int listSizeOption(const Options& options, PlanSection section)
{
    return section == PlanSection::New ? options.NewListSize : options.ReviewListSize;
}

int listLength(int option) { return option == 1 ? 40 : 24; }

int slotsInUse(const PlanSession& session, PlanSection section, const Options& options)
{
    if (listSizeOption(options, section) <= 0) return 0;
    int used = 0;
    for (int slot = 0; slot < kListSlots; ++slot)
        if (session.slotSegment(section, slot) != kNoSegment) ++used;
    return used;
}

void blankList(PlanSession& session, PlanSection section, int slot)
{
    for (int k = 0; k < kListPositions; ++k) {
        session.listWord(section, slot, k).assign("");
        session.listPos(section, slot, k) = kEmptyCell;
    }
}

void keepMovedLists(PlanSession& session, PlanSection section, const std::array<std::int16_t, 4>& previous)
{
    auto slots = sectionSlots(session.plan, section);
    for (int i = 0; i < kListSlots; ++i) {
        const std::int16_t now = slots[static_cast<std::size_t>(i)];
        if (now == previous[static_cast<std::size_t>(i)]) continue;
        int from = -1;
        for (int j = i + 1; j < kListSlots && from < 0; ++j)
            if (previous[static_cast<std::size_t>(j)] == now) from = j;
        if (from < 0) {
            // A new segment: a new list, thinned from an offset of its own.
            blankList(session, section, i);
            session.thinOffset(section, i) = -1;
            continue;
        }
        for (int k = 0; k < kListPositions; ++k) {
            session.listWord(section, i, k) = session.listWord(section, from, k);
            session.listPos(section, i, k) = session.listPos(section, from, k);
        }
        session.thinOffset(section, i) = session.thinOffset(section, from);
        blankList(session, section, from);
        session.thinOffset(section, from) = -1;
    }
}

namespace {

int countOf(const PlanSession& session, PlanSection section, int slot, int n)
{
    for (int k = 0; k < n; ++k)
        if (session.listPos(section, slot, k) == kEmptyCell) return k;
    return n;
}

std::string listedText(const WordRecord& word, const Options& options)
{
    std::string text = word.WordText.trimmed();
    if (options.HomophoneMode > 0 && (word.Segments.word(24) & kHomophoneFlag)) {
        text += " *";
        if (text.size() > 20) text.resize(20);
    }
    return text;
}

}  // namespace

int generateSlot(PlanSession& session, PlanSection section, int slot, WordBase* wordBase,
                 const OffsetIndex& index, const Options& options, Random& random)
{
    const int n = listLength(listSizeOption(options, section));
    if (!needsList(session, section, slot, options)) return countOf(session, section, slot, n);
    if (!wordBase) return 0;

    CandidateQuery query;
    query.segment = session.slotSegment(section, slot);
    query.syllableMin = session.plan.SyllableMin;
    query.syllableMax = session.plan.SyllableMax;
    query.newSegment = section == PlanSection::New;
    const Candidates candidates =
        collectCandidates(*wordBase, index, session.masks, query, session.thinOffset(section, slot), random);

    const auto count = static_cast<int>(candidates.size());
    int step = 1, start = 0;
    if (count >= n) {
        step = count / n;
        start = random.below(step);
    }
    int taken = 0;
    for (int k = start; k < count && taken < n; k += step) {
        WordRecord word;
        if (!candidates.word(static_cast<std::size_t>(k), word)) continue;
        session.listWord(section, slot, taken).assign(listedText(word, options));
        session.listPos(section, slot, taken) = static_cast<std::int16_t>(k);
        ++taken;
    }
    return taken;
}

std::string countText(int count) { return (count > 9 ? " " : "   ") + std::to_string(count); }

RegenerationQuestion regenerationQuestion(const PlanSession& session, PlanSection section,
                                          const Options& options)
{
    const int option = listSizeOption(options, section);
    const int made =
        section == PlanSection::New ? session.plan.PlanNewListSize : session.plan.PlanReviewListSize;
    bool any = false;
    for (int slot = 0; slot < kListSlots; ++slot)
        any = any || session.slotSegment(section, slot) != kNoSegment;
    if (!any || made == option || option == 0) return {};
    const bool review = section == PlanSection::Review;
    RegenerationQuestion q;
    q.title = review ? "Review Word Segments" : "New Word Segments";
    if (made == 0) {
        q.text =
            std::string(
                "This lesson plan is from a previous version of Moxlet or was created with the word "
                "list size option set to zero.  Would you like Moxlet to generate a word list for each ") +
            (review ? "Review" : "New") + " word segment?";
    } else if (review) {
        q.text =
            "This lesson plan was created with a different list size option than is currently set.  Would "
            "you like Moxlet to generate new word lists for the Review section based on the current setting?";
    } else {
        // (The New question has always read "with different list size
        // option", without "a".)
        q.text =
            "This lesson plan was created with different list size option than is currently set.  Would "
            "you like Moxlet to generate new word lists for the New section based on the current setting?";
    }
    return q;
}

void answerRegeneration(PlanSession& session, PlanSection section, bool yes)
{
    const int made =
        section == PlanSection::New ? session.plan.PlanNewListSize : session.plan.PlanReviewListSize;
    if (yes) {
        session.changed = true;
        for (int slot = 0; slot < kListSlots; ++slot)
            if (session.slotSegment(section, slot) != kNoSegment) blankList(session, section, slot);
    } else if (made == 0) {
        for (int slot = 0; slot < kListSlots; ++slot) blankList(session, section, slot);
    }
}

void noteListSizes(PlanSession& session, const Options& options)
{
    session.plan.PlanReviewListSize = options.ReviewListSize;
    session.plan.PlanNewListSize = options.NewListSize;
}

}  // namespace moxlet
