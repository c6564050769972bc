#include "core/output/PlanOutput.h"

#include "core/catalogue/Catalogue.h"
#include "core/output/WordListLayout.h"
#include "core/plans/PlanFile.h"

namespace moxlet {

namespace {

std::string nameAt(const std::vector<SegmentId>& list, std::int16_t pos, SegmentId* id = nullptr)
{
    if (pos < 0 || static_cast<std::size_t>(pos) >= list.size()) return {};
    const SegmentId s = list[static_cast<std::size_t>(pos)];
    if (id) *id = s;
    return segmentName(s);
}

void fillSlots(std::array<PlanSlot, 4>& slots, const std::array<std::int16_t, 5>& entries,
               const std::vector<SegmentId>& list)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        PlanSlot& slot = slots[i];
        slot.empty = entries[i] == -1;
        slot.id = kNoSegment;
        slot.name = nameAt(list, entries[i], &slot.id);
        if (slot.name.empty()) slot.id = kNoSegment;
    }
}

}  // namespace

PlanSheet planSheet(const PlanOutput& output)
{
    const LessonPlan& plan = output.plan;
    const PlanSegmentLists lists = planSegmentLists(plan.PlanStudiedSegments);
    PlanSheet sheet;
    sheet.names = studentNames(output.firstName, output.lastName);
    sheet.lessonDate = plan.LessonDate.trimmed();
    for (std::size_t k = 0; k < plan.AuditorySegments.size(); ++k)
        sheet.auditory[k / 5][k % 5] = nameAt(lists.Studied, plan.AuditorySegments[k]);
    fillSlots(sheet.review, plan.ReviewSegments, lists.Studied);
    fillSlots(sheet.newSlots, plan.NewSegments, lists.Unstudied);
    for (std::size_t r = 0; r < sheet.spelling.size(); ++r) {
        sheet.spelling[r] = nameAt(lists.Studied, plan.SpellingSegments[r]);
        for (std::size_t c = 0; c < 4; ++c) sheet.spellWords[r][c] = plan.SpellWord[4 * r + c].trimmed();
    }
    for (std::size_t i = 0; i < sheet.sentences.size(); ++i) sheet.sentences[i] = plan.Sentence[i].trimmed();
    return sheet;
}

bool visualSectionWanted(const Options& options)
{
    for (std::int16_t part : options.PrintSection)
        if (part == 1) return true;
    return false;
}

VisualEntries visualEntries(const SegmentSet& studied, const Options& options)
{
    // The segments each Visual option stands for; the syllable types go with
    // the phonograms.
    struct Range {
        int first, last;
    };
    static constexpr Range parts[6] = {{0, 123}, {124, 158}, {159, 164}, {165, 214}, {215, 272}, {273, 330}};
    SegmentSet set = studied;
    set.remove(seg::RoteWords);  // never listed
    set.remove(seg::RootFlag);
    set.remove(seg::HomophoneFlag);
    for (std::size_t i = 0; i < 6; ++i)
        if (options.PrintSection[i] == 0)
            for (int s = parts[i].first; s <= parts[i].last; ++s) set.remove(s);
    const CollapsedSet collapsed = collapseGroups(set);
    VisualEntries entries;
    for (int g : collapsed.groups) entries.groupTitles.push_back(groupTitle(g));
    for (SegmentId s : collapsed.segments) entries.segmentNames.push_back(segmentName(s));
    return entries;
}

std::vector<ListPass> listPasses(const PlanOutput& output, const PlanSheet& sheet)
{
    std::vector<ListPass> passes;
    if (output.options.ReviewListSize != 0)
        passes.push_back({PlanSection::Review, "Review ", output.options.ReviewListSize, &sheet.review});
    if (output.options.NewListSize != 0)
        passes.push_back({PlanSection::New, "New ", output.options.NewListSize, &sheet.newSlots});
    return passes;
}

void switchFormFeedForNewPass(Options& options)
{
    if (options.ReviewListSize != options.NewListSize) options.PageBreak = 1;
}

std::string segmentKindLabel(SegmentId id)
{
    if (id >= 0 && id <= 116) return "Phonogram  ";
    if (id >= 117 && id <= 123) return " ";
    if (id >= 124 && id <= 158) return "Consonant Blend  ";
    if (id >= 159 && id <= 164) return " ";
    if (id >= 165 && id <= 205) return "Prefix  ";
    if (id >= 207 && id <= 214) return "Chameleon Prefix  ";
    if (id >= 215 && id <= 272) return "Suffix  ";
    if (id >= 273 && id <= 330) return "Root  ";
    return {};
}

std::string meaningSuffix(SegmentId id)
{
    const std::string meaning = hasMeaning(id) ? segmentMeaning(id) : std::string();
    return meaning.empty() ? std::string() : "  (" + meaning + ")";
}

std::optional<std::string> listWord(const LessonPlan& plan, PlanSection list, int slot, int k)
{
    const auto i = listIndex(list), j = static_cast<std::size_t>(slot), p = static_cast<std::size_t>(k);
    if (plan.ListWordPos[i][j][p] == -1) return std::nullopt;
    return plan.ListWord[i][j][p].trimmed();
}

}  // namespace moxlet
