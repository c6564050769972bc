#pragma once
// Scrambling of the studied segments of profiles and plans, so that a record
// read without the program shows no plain segment sets.
//
// Each write draws three seeds (0..31999) that pick rows a, b, c (seed mod 7)
// of KeyTable; the 24 set words are XORed with three KeyTable entries chosen
// by row and word number, the seeds are stored XORed with fixed entries, 13
// noise values are stored, and the 24 words are stored in the order of the
// record kind's permutation (stored position i holds word Permutation[i]).
// Profiles use columns i+b+3, i+a+2, i+c+1 and ProfilePermutation; plans
// use i+b+1, i+a+2, i+c+3 and PlanPermutation.
//
// Unscrambling reverses it and leaves seeds and noise 0.  Stored seeds of a
// damaged record may be negative; rows are then taken by a non-negative
// remainder, so any stored value selects a row inside KeyTable.

#include "core/store/Random.h"
#include "core/store/Records.h"

namespace moxlet {

void scrambleProfile(StudentProfile& p, Random& random);
void unscrambleProfile(StudentProfile& p);
void scramblePlan(LessonPlan& p, Random& random);
void unscramblePlan(LessonPlan& p);

}  // namespace moxlet
