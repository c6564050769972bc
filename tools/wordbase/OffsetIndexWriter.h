#pragma once
// Writes the offset index as C++ source: three modules WordOff1.cpp ..
// WordOff3.cpp, each with two fill routines, for the segment runs 0..54,
// 55..109, 110..164, 165..219, 220..274 and 275..331.

#include <array>
#include <string>

#include "core/words/OffsetIndex.h"

namespace moxlet::wordbase {

// The text of module m (1..3).
std::string offsetModuleSource(const OffsetIndex& index, int module);

inline constexpr std::array<std::array<int, 2>, 6> kFillRuns = {
    {{0, 54}, {55, 109}, {110, 164}, {165, 219}, {220, 274}, {275, 331}}};

}  // namespace moxlet::wordbase
