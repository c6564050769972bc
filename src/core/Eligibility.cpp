#include "Eligibility.h"

namespace moxlet {

StudentMasks StudentMasks::fromStudied(const SegmentSet& studied)
{
    StudentMasks m;
    m.studentSet = studied;
    m.studentSet.setFlagBits();
    m.studentSet.word(9) = static_cast<std::int16_t>(m.studentSet.word(9) | 0x7FFC);
    m.studentSet.word(10) = 0x7FFF;
    m.studentSet.word(11) = static_cast<std::int16_t>(m.studentSet.word(11) | 0x01FF);
    m.studentRootSet = m.studentSet;
    m.studentRootSet.word(19) = static_cast<std::int16_t>(m.studentRootSet.word(19) | 0x7FF8);
    m.studentRootSet.word(20) = 0x7FFF;
    m.studentRootSet.word(21) = 0x7FFF;
    m.studentRootSet.word(22) = 0x7FFF;
    m.studentRootSet.word(23) = static_cast<std::int16_t>(m.studentRootSet.word(23) | 0x0001);
    return m;
}

bool isEligible(const SegmentSet& wordSegments, const StudentMasks& masks, SegmentId admitted)
{
    const SegmentSet& mask = (wordSegments.word(24) & kRootFlag) ? masks.studentRootSet : masks.studentSet;
    const int admittedWord = (admitted >= 0 && admitted < 360) ? SegmentSet::wordOf(admitted) : 0;
    for (int i = 1; i <= kSetWords; ++i) {
        auto m = mask.word(i);
        if (i == admittedWord) m = static_cast<std::int16_t>(m | SegmentSet::maskOf(admitted));
        if (static_cast<std::int16_t>(m | wordSegments.word(i)) > m) return false;
    }
    return true;
}

}  // namespace moxlet
