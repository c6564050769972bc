#pragma once
// The fixed tables that scramble profile, plan and word base records.
//
// KeyTable (21 rows x 37 columns) is shared by all three record kinds.
// PermTable (6 rows x 37) reorders the 36 words after the seed of a word base
// record: row b, entries 1..36, is a permutation of 1..36 (entry 0 unused).
// ProfilePermutation and PlanPermutation reorder the 24 studied-segment words
// of a stored profile or plan: stored position i holds word
// Permutation[i] (both 0-based).

#include <array>
#include <cstdint>

namespace moxlet {

extern const std::array<std::array<std::int16_t, 37>, 21> KeyTable;
extern const std::array<std::array<std::int16_t, 37>, 6> PermTable;
extern const std::array<std::int16_t, 24> ProfilePermutation;
extern const std::array<std::int16_t, 24> PlanPermutation;

}  // namespace moxlet
