// Inputs of a whole record or more are taken as stored bytes.  Shorter ones
// are patches (offset, value: two 16-bit little-endian numbers each) to a
// valid stored plan, so that short inputs reach the checks of live plans.
//
// Any bytes decode into a plan without fault; the raw layout maps every byte
// both ways; a checked plan survives scrambling unchanged, a second check
// finds nothing more to repair, and its section entries name only listed
// segments.

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "core/plans/PlanFile.h"
#include "core/store/PlanCodec.h"
#include "core/store/Random.h"
#include "core/store/RecordCheck.h"

using namespace moxlet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> bytes(data, size);
    std::vector<std::uint8_t> patched;
    if (size < kPlanRecordLen) {
        static const std::vector<std::uint8_t> base = [] {
            StudentProfile owner;
            owner.ProfileNo = 7;
            owner.SyllableMin = 1;
            owner.SyllableMax = 9;
            owner.StudiedSegments.add(3);
            SeededRandom random(7);
            return encodePlanRecord(newPlanRecord(owner), random);
        }();
        patched = base;
        for (std::size_t i = 0; i + 4 <= size; i += 4) {
            std::size_t offset = (data[i] | (data[i + 1] << 8)) % (kPlanRecordLen - 1);
            patched[offset] = data[i + 2];
            patched[offset + 1] = data[i + 3];
        }
        bytes = patched;
    } else {
        const std::vector<std::uint8_t> again = PlanCodec::encode(PlanCodec::decode(bytes));
        if (!std::equal(again.begin(), again.end(), data, data + kPlanRecordLen)) __builtin_trap();
    }
    LessonPlan p = decodePlanRecord(bytes);
    if (size < kPlanRecordLen && p.InUse != 1) return 0;
    if (checkPlan(p, 1, 7, nullptr, "PLNS0007.DAT") == RecordState::Live) {
        SeededRandom random(size);
        LessonPlan again = decodePlanRecord(encodePlanRecord(p, random));
        if (!(again == p)) __builtin_trap();
        Problems more;
        checkPlan(again, 1, 7, &more, "PLNS0007.DAT");
        if (!more.empty()) __builtin_trap();
        for (PlanSection s : kPlanSections)
            for (SegmentId id : sectionSegmentIds(p, s))
                if (id < 0 || id >= seg::Count) __builtin_trap();
    }
    return 0;
}
