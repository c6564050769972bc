#pragma once
// Sets of segments as tests write them: by the names of SegmentIds.h, and by
// catalogue name for the segments it does not name (blends, affixes, roots).

#include <gtest/gtest.h>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet::test {

// The id whose catalogue name is `name`, as stored or as shown ("ST",
// "TRANS-", "I (\xB3)" or "I (ĭ)").
inline SegmentId segmentNamed(std::string_view name)
{
    for (SegmentId s : listAllSegments())
        if (segmentName(s) == name || displayText(segmentName(s)) == name) return s;
    ADD_FAILURE() << "no segment is named " << name;
    return kNoSegment;
}

inline SegmentSet segmentSet(std::initializer_list<int> ids)
{
    SegmentSet s;
    for (int id : ids) s.add(id);
    return s;
}

// A student's studied set: the segments and word 24's two flag bits, as
// every profile and plan holds it in memory.
inline SegmentSet studiedSet(std::initializer_list<int> ids)
{
    SegmentSet s = segmentSet(ids);
    s.setFlagBits();
    return s;
}

// The segments a set holds, the flag bits left out.
inline std::vector<int> segmentsOf(const SegmentSet& set)
{
    std::vector<int> ids;
    for (int s = 0; s < seg::Count; ++s)
        if (set.contains(s)) ids.push_back(s);
    return ids;
}

// Ann Lee, the student most window tests plan for: the short vowels A and I,
// the consonants B, C (k), D, L, N, P, S and T, the closed syllable and the
// blend ST.
inline const std::vector<int> kAnnStudied = {
    seg::A_Short,        seg::I_Short,      seg::B, seg::C_K, seg::D, seg::L, seg::N, seg::P, seg::S, seg::T,
    seg::ClosedSyllable, segmentNamed("ST")};

}  // namespace moxlet::test
