#pragma once
// Whether a word fits a student.  A word fits when it contains no segment
// outside the student's mask: the extended mask (StudentRootSet, which also
// holds every Latin root) for words flagged with kRootFlag, otherwise the
// normal mask (StudentSet).  Every word of the word's set is compared with
// the mask word as signed 16-bit integers: (mask OR word) must not be greater
// than mask.  Bit 15 is never used by a segment or a flag.

#include "core/catalogue/SegmentSet.h"

namespace moxlet {

// The two masks of one student, built from the studied segments.
struct StudentMasks {
    SegmentSet studentSet;      // studied + 122..158 (Vowel Pair, R-Controlled, all blends)
    SegmentSet studentRootSet;  // studentSet + the Latin roots 273..330

    // Builds both masks from a studied set, as the plan window and the word
    // list tool do (the flag bits of word 24 are set in both).
    static StudentMasks fromStudied(const SegmentSet& studied);
};

// `admitted` (a segment id, or kNoSegment) is a New segment the student has
// not studied: its own bit counts as contained in the word that holds it.
bool isEligible(const SegmentSet& wordSegments, const StudentMasks& masks, SegmentId admitted = kNoSegment);

}  // namespace moxlet
