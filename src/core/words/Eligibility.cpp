#include "core/words/Eligibility.h"

namespace moxlet {

StudentMasks StudentMasks::fromStudied(const SegmentSet& studied)
{
    StudentMasks m;
    m.studentSet = studied;
    m.studentSet.setFlagBits();
    // Vowel pairs, r-controlled syllables and every blend are decoded from
    // their parts, so they never keep a word from a student.
    m.studentSet.addRange(seg::VowelPair, seg::LastBlend);
    m.studentRootSet = m.studentSet;
    m.studentRootSet.addRange(seg::FirstRoot, seg::LastRoot);
    return m;
}

bool isEligible(const SegmentSet& wordSegments, const StudentMasks& masks, SegmentId admitted)
{
    const SegmentSet& mask = (wordSegments.word(24) & kRootFlag) ? masks.studentRootSet : masks.studentSet;
    const int admittedWord = SegmentSet::fits(admitted) ? SegmentSet::wordOf(admitted) : 0;
    for (int i = 1; i <= kSetWords; ++i) {
        auto m = mask.word(i);
        if (i == admittedWord) m = static_cast<std::int16_t>(m | SegmentSet::maskOf(admitted));
        if (static_cast<std::int16_t>(m | wordSegments.word(i)) > m) return false;
    }
    return true;
}

}  // namespace moxlet
