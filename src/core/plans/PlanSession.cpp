#include "core/plans/PlanSession.h"

#include "core/catalogue/Catalogue.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/FileError.h"
#include "core/store/PlanCodec.h"
#include "core/store/RecordCheck.h"

namespace moxlet {

void PlanSession::prepare(Problems* problems)
{
    lists = planSegmentLists(plan.PlanStudiedSegments);
    masks = StudentMasks::fromStudied(plan.PlanStudiedSegments);
    static const char* const kSectionNames[] = {"Auditory", "Review", "Spelling", "New"};
    for (PlanSection section : kPlanSections) {
        int cleared = 0;
        for (std::int16_t& pos : sectionSlots(plan, section)) {
            if (pos >= 0 && lists.at(section, pos) == kNoSegment) {
                pos = -1;
                ++cleared;
            }
        }
        if (cleared)
            note(problems, fileName, recordNo,
                 std::string(kSectionNames[sectionIndex(section)]) + " section names " +
                     std::to_string(cleared) + " segment(s) beyond the student's list; left out");
    }
}

SegmentId PlanSession::slotSegment(PlanSection section, int slot) const
{
    const auto slots = sectionSlots(plan, section);
    if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size()) return kNoSegment;
    return lists.at(section, slots[static_cast<std::size_t>(slot)]);
}

std::string PlanSession::slotName(PlanSection section, int slot) const
{
    const SegmentId s = slotSegment(section, slot);
    return s == kNoSegment ? std::string() : segmentName(s);
}

bool beginNewPlan(const FileContext& ctx, PlanSession& session)
{
    auto name = planFileName(session.student.ProfileNo);
    if (!name) return refusePlansFor(ctx, session.student.ProfileNo);
    session.plan = newPlanRecord(session.student);
    session.fileName = *name;
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    std::int32_t count = 0;
    withRetry(ctx.prompt, kReadPlanMessage, [&] { count = file.recordCount(); });
    session.recordNo = count + 1;
    session.isNew = true;
    session.changed = false;
    session.prepare();
    return true;
}

bool openPlan(const FileContext& ctx, PlanSession& session, std::int32_t record, Problems* problems)
{
    auto name = planFileName(session.student.ProfileNo);
    if (!name) return refusePlansFor(ctx, session.student.ProfileNo);
    DataFile file = openDataFile(ctx, *name, FileKind::Plan, kPlanRecordLen);
    LessonPlan p;
    if (!readPlanRecord(ctx, file, record, p, kReadPlanMessage)) return false;
    if (checkPlan(p, record, session.student.ProfileNo, problems, *name) != RecordState::Live) return false;
    session.plan = p;
    session.fileName = *name;
    session.recordNo = record;
    session.isNew = false;
    session.changed = false;
    session.prepare(problems);
    return true;
}

namespace {
bool readStudent(const FileContext& ctx, std::int32_t profileRecord, StudentProfile& student,
                 Problems* problems)
{
    if (profileRecord < 1 || profileRecord > profileCount(ctx)) return false;
    DataFile file = openProfileFile(ctx);
    return readProfileRecord(ctx, file, profileRecord, student) &&
           checkProfile(student, profileRecord, problems) == RecordState::Live;
}
}  // namespace

PlanStart beginStudentPlan(const FileContext& ctx, std::int32_t profileRecord, PlanSession& session,
                           Problems* problems)
{
    PlanSession s;
    if (!readStudent(ctx, profileRecord, s.student, problems)) return PlanStart::NoStudent;
    if (!beginNewPlan(ctx, s)) return PlanStart::NoPlan;
    session = std::move(s);
    return PlanStart::Ready;
}

PlanStart openStudentPlan(const FileContext& ctx, std::int32_t profileRecord, std::int32_t planRecord,
                          PlanSession& session, Problems* problems)
{
    PlanSession s;
    if (!readStudent(ctx, profileRecord, s.student, problems)) return PlanStart::NoStudent;
    if (planRecord < 1 || planRecord > planCount(ctx, s.student.ProfileNo) ||
        !openPlan(ctx, s, planRecord, problems))
        return PlanStart::NoPlan;
    session = std::move(s);
    return PlanStart::Ready;
}

bool savePlan(const FileContext& ctx, PlanSession& session, const Options& options)
{
    session.changed = false;
    LessonPlan& p = session.plan;
    p.ProfileNo = session.student.ProfileNo;
    for (auto& f : p.PlanFiller) f = static_cast<std::int16_t>(ctx.random.below(32000));
    p.PlanNewListSize = options.NewListSize;
    p.PlanReviewListSize = options.ReviewListSize;
    p.FormatVersion = kFormatVersion;
    p.InUse = 1;
    p.Reserved3 = 0;

    // The plan.  When its write is given up the save stops here: the tutor's
    // work stays in memory (and unsaved, so closing asks again), and the
    // profile is not credited with segments of a plan that was not kept.
    DataFile file = openDataFile(ctx, session.fileName, FileKind::Plan, kPlanRecordLen);
    LessonPlan written = p;
    if (!writePlanRecord(ctx, file, session.recordNo, written)) {
        session.changed = true;
        return false;
    }
    session.isNew = false;
    if (!readPlanRecord(ctx, file, session.recordNo, p, kSavePlanMessage)) return false;

    // The New section's segments become studied.
    for (int slot = 0; slot < kListSlots; ++slot)
        session.student.StudiedSegments.add(session.slotSegment(PlanSection::New, slot));

    DataFile profiles = openProfileFile(ctx);
    const std::int32_t n = session.student.ProfileNo;
    if (!writeProfileRecord(ctx, profiles, n, session.student)) return false;
    return withRetry(ctx.prompt, kSavePlanMessage,
                     [&] { session.student = decodeProfileRecord(profiles.readRecord(n)); });
}

}  // namespace moxlet
