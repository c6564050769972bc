#include "core/plans/PlanFile.h"

#include <algorithm>

#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/FileError.h"
#include "core/store/PlanCodec.h"
#include "core/store/RecordCheck.h"
#include "core/store/Scrambler.h"

namespace moxlet {

namespace {

std::span<const std::uint8_t> recordBytes(const std::vector<std::uint8_t>& all, std::int32_t n)
{
    return std::span<const std::uint8_t>(all).subspan(static_cast<std::size_t>(n - 1) * kPlanRecordLen,
                                                      kPlanRecordLen);
}

}  // namespace

bool refusePlansFor(const FileContext& ctx, std::int32_t profileNo)
{
    ctx.prompt.message("Lesson plans can be kept only for student profiles numbered 1 to 9999; "
                       "this profile is number " +
                           std::to_string(profileNo) + ".",
                       "Lesson Plan", Icon::Exclamation, Buttons::Ok);
    return false;
}

LessonPlan decodePlanRecord(std::span<const std::uint8_t> bytes)
{
    LessonPlan p = PlanCodec::decode(bytes);
    unscramblePlan(p);
    p.PlanStudiedSegments.setFlagBits();
    return p;
}

std::vector<std::uint8_t> encodePlanRecord(LessonPlan p, Random& random)
{
    p.PlanStudiedSegments.setFlagBits();
    scramblePlan(p, random);
    return PlanCodec::encode(p);
}

bool readPlanRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, LessonPlan& p,
                    const std::string& contextMessage)
{
    return withRetry(ctx.prompt, contextMessage, [&] { p = decodePlanRecord(file.readRecord(n)); });
}

bool writePlanRecord(const FileContext& ctx, DataFile& file, std::int32_t n, LessonPlan& p)
{
    p.PlanStudiedSegments.setFlagBits();
    auto bytes = encodePlanRecord(p, ctx.random);
    return withRetry(ctx.prompt, kWritePlanMessage, [&] { file.writeRecord(n, bytes); });
}

std::int32_t planCount(const FileContext& ctx, std::int32_t profileNo)
{
    auto name = planFileName(profileNo);
    if (!name || !ctx.fs.exists(*name)) return 0;
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    std::int32_t count = 0;
    withRetry(ctx.prompt, kReadPlanMessage, [&] { count = file.recordCount(); });
    return count;
}

std::vector<PlanEntry> listPlans(const FileContext& ctx, std::int32_t profileNo, Problems* problems)
{
    std::vector<PlanEntry> plans;
    auto name = planFileName(profileNo);
    if (!name || !ctx.fs.exists(*name)) return plans;
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    std::vector<std::uint8_t> bytes;
    if (!withRetry(ctx.prompt, kReadPlanMessage, [&] {
            if (!file.isOpen()) throw FileException(FileErrorNo::BadFileNameOrNumber, "not open");
            bytes = ctx.fs.readAll(*name);
        }))
        return plans;
    if (auto tail = bytes.size() % kPlanRecordLen)
        note(problems, *name, 0, std::to_string(tail) + " bytes after the last whole record ignored");
    auto count = static_cast<std::int32_t>(bytes.size() / kPlanRecordLen);
    for (std::int32_t n = count; n >= 1; --n) {
        LessonPlan p = decodePlanRecord(recordBytes(bytes, n));
        if (checkPlan(p, n, static_cast<std::int16_t>(profileNo), problems, *name) == RecordState::Live)
            plans.push_back({n, p.LessonDate.trimmed(), p});
    }
    return plans;
}

LessonPlan newPlanRecord(const StudentProfile& profile)
{
    LessonPlan p;
    p.ProfileNo = profile.ProfileNo;
    p.LessonDate.assign("  -  -  ");
    p.SyllableMin = profile.SyllableMin;
    p.SyllableMax = profile.SyllableMax;
    p.PlanStudiedSegments = profile.StudiedSegments;
    p.AuditorySegments.fill(-1);
    p.ReviewSegments.fill(-1);
    p.SpellingSegments.fill(-1);
    p.NewSegments.fill(-1);
    p.SpellWordTag.fill(-1);
    for (auto& list : p.ListWordPos)
        for (auto& slot : list) slot.fill(-1);
    p.SpellingThinOffset.fill(-1);
    p.ReviewThinOffset.fill(-1);
    p.NewThinOffset.fill(-1);
    p.FormatVersion = kFormatVersion;
    p.InUse = 1;
    p.Reserved3 = 0;
    return p;
}

PlanSegmentLists planSegmentLists(const SegmentSet& planStudied)
{
    PlanSegmentLists lists;
    for (SegmentId s : listAllSegments())
        (planStudied.contains(s) ? lists.Studied : lists.Unstudied).push_back(s);
    return lists;
}

SegmentId PlanSegmentLists::at(PlanSection section, int position) const
{
    const auto& list = forSection(section);
    return position >= 0 && static_cast<std::size_t>(position) < list.size()
               ? list[static_cast<std::size_t>(position)]
               : kNoSegment;
}

std::span<std::int16_t> sectionSlots(LessonPlan& plan, PlanSection section)
{
    switch (section) {
    case PlanSection::Auditory: return plan.AuditorySegments;
    case PlanSection::Review: return std::span<std::int16_t>(plan.ReviewSegments).first(4);
    case PlanSection::Spelling: return plan.SpellingSegments;
    case PlanSection::New: break;
    }
    return std::span<std::int16_t>(plan.NewSegments).first(4);
}

std::span<const std::int16_t> sectionSlots(const LessonPlan& plan, PlanSection section)
{
    return sectionSlots(const_cast<LessonPlan&>(plan), section);
}

std::vector<SegmentId> sectionSegmentIds(const LessonPlan& plan, PlanSection section)
{
    const PlanSegmentLists lists = planSegmentLists(plan.PlanStudiedSegments);
    std::vector<SegmentId> ids;
    for (std::int16_t pos : sectionSlots(plan, section))
        if (SegmentId s = lists.at(section, pos); s != kNoSegment) ids.push_back(s);
    return ids;
}

bool deletePlans(const FileContext& ctx, std::int32_t profileNo, const std::vector<std::int32_t>& records,
                 Problems* problems)
{
    auto name = planFileName(profileNo);
    if (!name) return refusePlansFor(ctx, profileNo);
    try {
        std::vector<std::uint8_t> bytes;
        if (ctx.fs.exists(*name)) bytes = ctx.fs.readAll(*name);
        if (auto tail = bytes.size() % kPlanRecordLen)
            note(problems, *name, 0, std::to_string(tail) + " bytes after the last whole record dropped");
        auto count = static_cast<std::int32_t>(bytes.size() / kPlanRecordLen);
        std::vector<std::uint8_t> kept;
        for (std::int32_t n = 1; n <= count; ++n) {
            if (std::find(records.begin(), records.end(), n) != records.end()) continue;
            auto raw = recordBytes(bytes, n);
            LessonPlan plan = decodePlanRecord(raw);
            LessonPlan checked = plan;
            if (checkPlan(checked, n, static_cast<std::int16_t>(profileNo), nullptr, *name) ==
                RecordState::Live) {
                auto again = encodePlanRecord(plan, ctx.random);
                kept.insert(kept.end(), again.begin(), again.end());
            } else {
                // Not a plan the tutor could see or choose: kept as it is.
                note(problems, *name, n, "unreadable record kept unchanged");
                kept.insert(kept.end(), raw.begin(), raw.end());
            }
        }
        if (kept.empty()) {
            if (ctx.fs.exists(*name)) ctx.fs.remove(*name);
            if (ctx.fs.exists(kPlanTempFileName)) ctx.fs.remove(kPlanTempFileName);
        } else {
            replaceFileAtomically(ctx.fs, *name, kept, kPlanTempFileName);
        }
    } catch (const FileException&) {
        ctx.prompt.message("Unable to delete Student's Plan file (" + *name + ").", "Delete Lesson Plans",
                           Icon::Information, Buttons::Ok);
        return false;
    }
    return true;
}

}  // namespace moxlet
