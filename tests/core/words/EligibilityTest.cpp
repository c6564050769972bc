// The eligibility test: normal mask, extended mask for words with the root
// flag, a New segment admitting itself, and the word flags never refusing.

#include "core/words/Eligibility.h"

#include <gtest/gtest.h>

#include "support/Segments.h"

namespace moxlet {
namespace {

SegmentSet setOf(std::initializer_list<int> ids, std::int16_t flags = 0)
{
    SegmentSet s = test::segmentSet(ids);
    s.word(24) = static_cast<std::int16_t>(s.word(24) | flags);
    return s;
}

struct EligibilityCase {
    const char* what;
    std::initializer_list<int> word;
    std::int16_t flags;
    SegmentId admitted;
    bool eligible;
};

TEST(Eligibility, TableOfCases)
{
    // The student has studied A (ă), C (k), T, Closed Syllable, S and P.
    const StudentMasks masks = StudentMasks::fromStudied(setOf({0, 11, 93, 121, 86, 79}));
    const EligibilityCase cases[] = {
        {"all studied", {0, 11, 93, 121}, 0, kNoSegment, true},
        {"one unstudied segment", {0, 11, 93, 121, 43}, 0, kNoSegment, false},
        {"blends are always admitted", {0, 86, 93, 79, 121, 153}, 0, kNoSegment, true},
        {"vowel pair and r-controlled are always admitted", {0, 93, 122, 123}, 0, kNoSegment, true},
        {"open syllable is not", {0, 93, 120}, 0, kNoSegment, false},
        {"root refused with the normal mask", {0, 93, 309}, 0, kNoSegment, false},
        {"root admitted with the extended mask", {0, 93, 309}, kRootFlag, kNoSegment, true},
        {"the extended mask admits roots only", {0, 93, 309, 43}, kRootFlag, kNoSegment, false},
        {"homophone flag never refuses", {0, 11, 93}, kHomophoneFlag, kNoSegment, true},
        {"a New segment admits itself", {0, 11, 93, 43}, 0, 43, true},
        {"only itself", {0, 11, 93, 43, 19}, 0, 43, false},
        {"Rote Words as the New segment", {0, 93, 331}, 0, 331, true},
        {"admission with the extended mask", {0, 93, 309, 43}, kRootFlag, 43, true},
        {"Rote Words not studied", {0, 93, 331}, 0, kNoSegment, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isEligible(setOf(c.word, c.flags), masks, c.admitted), c.eligible) << c.what;
}

TEST(Eligibility, MasksHoldTheAlwaysAdmittedSegments)
{
    const StudentMasks m = StudentMasks::fromStudied(SegmentSet{});
    for (int s = 0; s <= 331; ++s) {
        const bool always = s >= 122 && s <= 158;
        const bool root = s >= 273 && s <= 330;
        EXPECT_EQ(m.studentSet.contains(s), always) << s;
        EXPECT_EQ(m.studentRootSet.contains(s), always || root) << s;
    }
    EXPECT_EQ(m.studentSet.word(24) & (kRootFlag | kHomophoneFlag), kRootFlag | kHomophoneFlag);
}

}  // namespace
}  // namespace moxlet
