// moxlet-cli plan N RECORD [DIR]: one saved lesson plan in readable form:
// the lesson date and syllable range, every section by segment name (with
// the segment's id), the spelling words, the Review and New lists with the
// position each word was chosen at, the sentences, the thinning offsets and
// the list sizes the plan was made with.  Names are UTF-8 with their
// pronunciation marks.

#include <ostream>

#include "app/cli/CliContext.h"
#include "app/cli/CliPlan.h"
#include "app/cli/Command.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/profiles/ProfileFile.h"

namespace moxlet::cli {

namespace {

std::string name(SegmentId s) { return displayText(segmentName(s)) + " [" + std::to_string(s) + "]"; }

const char* listSize(int option)
{
    switch (option) {
    case 1: return "40 words";
    case 2: return "24 words";
    case 0: return "none";
    default: return "?";
    }
}

std::string offset(std::int16_t v) { return v < 0 ? std::string("unused") : std::to_string(v); }

void printSlots(std::ostream& out, const PlanSession& s, PlanSection section)
{
    for (int slot = 0; slot < kSectionSlots[sectionIndex(section)]; ++slot) {
        const SegmentId id = s.slotSegment(section, slot);
        if (id == kNoSegment) continue;
        out << "  " << slot + 1 << ". " << name(id);
        if (section == PlanSection::Spelling) {
            out << ':';
            for (int c = 0; c < kSpellingColumns; ++c) {
                const std::int16_t tag = s.spellTag(slot, c);
                if (tag == kEmptyCell) continue;
                out << ' ' << cp1252ToUtf8(s.spellWord(slot, c).trimmed())
                    << (tag == kTypedWord ? std::string("(typed)") : "@" + std::to_string(tag));
            }
            out << "  (thinning offset " << offset(s.plan.SpellingThinOffset[static_cast<std::size_t>(slot)])
                << ')';
        }
        if (section == PlanSection::Review || section == PlanSection::New) {
            const std::int16_t thin = section == PlanSection::Review
                                          ? s.plan.ReviewThinOffset[static_cast<std::size_t>(slot)]
                                          : s.plan.NewThinOffset[static_cast<std::size_t>(slot)];
            out << "  (thinning offset " << offset(thin) << ")\n     ";
            int shown = 0;
            for (int k = 0; k < kListPositions; ++k) {
                const std::int16_t pos = s.listPos(section, slot, k);
                if (pos == kEmptyCell) break;
                out << ' ' << cp1252ToUtf8(s.listWord(section, slot, k).trimmed())
                    << (pos == kTypedWord ? std::string("(typed)") : "@" + std::to_string(pos));
                ++shown;
            }
            if (shown == 0) out << " (no list)";
        }
        out << '\n';
    }
}

void runPlan(const Args& args, CliContext& ctx)
{
    if (args.size() < 2 || args.size() > 3) return ctx.usageError();
    const auto loaded = loadCliPlan(ctx, args[0], args[1], args.size() > 2 ? args[2] : ".");
    if (!loaded) return;
    const PlanSession& s = *loaded;
    std::ostream& out = ctx.out;
    const LessonPlan& p = s.plan;
    out << "Plan " << s.recordNo << " of " << cp1252ToUtf8(studentListText(s.student)) << " (" << s.fileName
        << ")\n"
        << "Lesson date: " << cp1252ToUtf8(p.LessonDate.trimmed()) << '\n'
        << "Syllables: " << p.SyllableMin << " to " << p.SyllableMax << '\n'
        << "List sizes made with: Review " << listSize(p.PlanReviewListSize) << ", New "
        << listSize(p.PlanNewListSize) << '\n';
    const char* titles[] = {"Auditory", "Review", "Spelling Dictation", "New"};
    for (PlanSection section : kPlanSections) {
        out << titles[sectionIndex(section)] << ":\n";
        printSlots(out, s, section);
    }
    out << "Sentences:\n";
    for (int k = 0; k < kDictationSentences; ++k)
        if (!p.Sentence[static_cast<std::size_t>(k)].blank())
            out << "  " << k + 1 << ". " << cp1252ToUtf8(p.Sentence[static_cast<std::size_t>(k)].trimmed())
                << '\n';
    out << "Reading: " << cp1252ToUtf8(p.Sentence[kReadingLine].trimmed()) << '\n' << "Studied:";
    for (SegmentId id : listSet(p.PlanStudiedSegments)) out << ' ' << id;
    out << '\n';
}

const Command::Registration registration{
    "plan", "plan N RECORD [DIR]",
    "one plan of profile N in readable form: date, sections, spelling words, lists with positions, sentences",
    &runPlan};

}  // namespace

}  // namespace moxlet::cli
