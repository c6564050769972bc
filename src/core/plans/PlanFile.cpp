#include "plans/PlanFile.h"

#include <algorithm>
#include <cstdio>

#include "catalogue/Catalogue.h"
#include "store/FileError.h"
#include "profiles/ProfileFile.h"
#include "store/RecordCheck.h"
#include "store/PlanCodec.h"
#include "store/Scrambler.h"

namespace moxlet {

namespace {

const std::string kReadPlanMessage = "Unable to read Student's plan file.";

std::span<const std::uint8_t> recordBytes(const std::vector<std::uint8_t>& all, std::int32_t n)
{
    return std::span<const std::uint8_t>(all).subspan(static_cast<std::size_t>(n - 1) * kPlanRecordLen,
                                                      kPlanRecordLen);
}

bool refuseProfileNo(const FileContext& ctx, std::int32_t profileNo)
{
    ctx.prompt.message("Lesson plans can be kept only for student profiles numbered 1 to 9999; "
                       "this profile is number " + std::to_string(profileNo) + ".",
                       "Lesson Plan", Icon::Exclamation, Buttons::Ok);
    return false;
}

}  // namespace

std::optional<std::string> planFileName(std::int32_t profileNo)
{
    if (profileNo < 1 || profileNo > kMaxProfileNo) return std::nullopt;
    char name[16];
    std::snprintf(name, sizeof name, "PLNS%04d.DAT", static_cast<int>(profileNo));
    return std::string(name);
}

std::optional<std::int32_t> planFileProfileNo(const std::string& fileName)
{
    if (fileName.size() != 12 || fileName.compare(0, 4, "PLNS") != 0 || fileName.compare(8, 4, ".DAT") != 0)
        return std::nullopt;
    std::int32_t n = 0;
    for (std::size_t i = 4; i < 8; ++i) {
        if (fileName[i] < '0' || fileName[i] > '9') return std::nullopt;
        n = n * 10 + (fileName[i] - '0');
    }
    return n;
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

bool beginNewPlan(const FileContext& ctx, PlanSession& session)
{
    auto name = planFileName(session.student.ProfileNo);
    if (!name) return refuseProfileNo(ctx, session.student.ProfileNo);
    session.plan = newPlanRecord(session.student);
    session.fileName = *name;
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    std::int32_t count = 0;
    withRetry(ctx.prompt, kReadPlanMessage, [&] { count = file.recordCount(); });
    session.recordNo = count + 1;
    return true;
}

bool openPlan(const FileContext& ctx, PlanSession& session, std::int32_t record, Problems* problems)
{
    auto name = planFileName(session.student.ProfileNo);
    if (!name) return refuseProfileNo(ctx, session.student.ProfileNo);
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    LessonPlan p;
    if (!readPlanRecord(ctx, file, record, p, kReadPlanMessage)) return false;
    if (checkPlan(p, record, session.student.ProfileNo, problems, *name) != RecordState::Live) return false;
    session.plan = p;
    session.fileName = *name;
    session.recordNo = record;
    return true;
}

PlanSegmentLists planSegmentLists(const SegmentSet& planStudied)
{
    PlanSegmentLists lists;
    for (SegmentId s : listAllSegments()) (planStudied.contains(s) ? lists.Studied : lists.Unstudied).push_back(s);
    return lists;
}

std::vector<SegmentId> sectionSegmentIds(const LessonPlan& plan, PlanSection section)
{
    std::vector<std::int16_t> slots;
    switch (section) {
    case Auditory: slots.assign(plan.AuditorySegments.begin(), plan.AuditorySegments.end()); break;
    case Review: slots.assign(plan.ReviewSegments.begin(), plan.ReviewSegments.begin() + 4); break;
    case Spelling: slots.assign(plan.SpellingSegments.begin(), plan.SpellingSegments.end()); break;
    case New: slots.assign(plan.NewSegments.begin(), plan.NewSegments.begin() + 4); break;
    }
    PlanSegmentLists lists = planSegmentLists(plan.PlanStudiedSegments);
    const auto& list = section == New ? lists.Unstudied : lists.Studied;
    std::vector<SegmentId> ids;
    for (std::int16_t pos : slots)
        if (pos >= 0 && static_cast<std::size_t>(pos) < list.size()) ids.push_back(list[static_cast<std::size_t>(pos)]);
    return ids;
}

PlanState::PlanState()
{
    for (auto& section : SectionSegments) section.fill(-1);
    SpellTags.fill(-1);
}

bool savePlan(const FileContext& ctx, PlanSession& session, PlanState& state, const Options& options)
{
    state.PlanChanged = false;
    LessonPlan& p = session.plan;
    p.ProfileNo = session.student.ProfileNo;
    p.LessonDate.assign(state.LessonDate);
    p.PlanStudiedSegments = state.StudiedSet;
    const auto& ss = state.SectionSegments;
    std::copy_n(ss[0].begin(), 10, p.AuditorySegments.begin());
    std::copy_n(ss[1].begin(), 4, p.ReviewSegments.begin());
    std::copy_n(ss[2].begin(), 15, p.SpellingSegments.begin());
    std::copy_n(ss[3].begin(), 4, p.NewSegments.begin());
    for (std::size_t k = 0; k < 60; ++k) {
        p.SpellWord[k].assign(state.SpellCells[k]);
        p.SpellWordTag[k] = state.SpellTags[k];
    }
    for (std::size_t i = 0; i < 2; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t k = 0; k < 40; ++k) {
                p.ListWord[i][j][k].assign(state.WordList[i][j][k].word);
                p.ListWordPos[i][j][k] = state.WordList[i][j][k].pos;
            }
    for (std::size_t i = 0; i < 11; ++i) p.Sentence[i].assign(state.Sentences[i]);
    for (auto& f : p.PlanFiller) f = static_cast<std::int16_t>(ctx.random.below(32000));
    p.PlanNewListSize = options.NewListSize;
    p.PlanReviewListSize = options.ReviewListSize;
    p.FormatVersion = kFormatVersion;
    p.InUse = 1;
    p.Reserved3 = 0;

    // The plan.  When its write is given up the save stops here: the tutor's
    // work stays in memory (and PlanChanged set, so closing asks again), and
    // the profile is not credited with segments of a plan that was not kept.
    DataFile file = openDataFile(ctx, session.fileName, FileKind::Plan, kPlanRecordLen);
    LessonPlan written = p;
    if (!writePlanRecord(ctx, file, session.recordNo, written)) {
        state.PlanChanged = true;
        return false;
    }
    if (!readPlanRecord(ctx, file, session.recordNo, p, kSavePlanMessage)) return false;

    // The New section's segments become studied.
    for (std::size_t j = 0; j < 4; ++j) {
        std::int16_t pos = ss[3][j];
        if (pos < 0 || static_cast<std::size_t>(pos) >= state.UnstudiedList.size()) continue;
        SegmentId s = state.UnstudiedList[static_cast<std::size_t>(pos)];
        session.student.StudiedSegments.add(s);
    }

    DataFile profiles = openProfileFile(ctx);
    std::int32_t n = session.student.ProfileNo;
    if (!writeProfileRecord(ctx, profiles, n, session.student)) return false;
    return withRetry(ctx.prompt, kSavePlanMessage,
                     [&] { session.student = decodeProfileRecord(profiles.readRecord(n)); });
}

bool deletePlans(const FileContext& ctx, std::int32_t profileNo,
                 const std::vector<std::int32_t>& records, Problems* problems)
{
    auto name = planFileName(profileNo);
    if (!name) return refuseProfileNo(ctx, profileNo);
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
            if (checkPlan(checked, n, static_cast<std::int16_t>(profileNo), nullptr, *name) == RecordState::Live) {
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
