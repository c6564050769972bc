#pragma once
// Students whose reading the passage tests know: a beginner (short vowels,
// single consonants, SH and -CK in closed syllables) and Sam, that beginner
// who also reads TH both ways and the sight words the, I and was (E (schwa),
// Open Syllable, WA, Rote Words).

#include <vector>

#include "core/catalogue/SegmentIds.h"

namespace moxlet::test {

inline const std::vector<int> kBeginnerSegments = {0,  19,  43,  58,  99,  10,  11, 17, 36, 37,
                                                   42, 48,  49,  51,  52,  55,  79, 84, 86, 87,
                                                   93, 103, 104, 110, 115, 116, 89, 16, 121};

inline std::vector<int> samSegments()
{
    std::vector<int> s = kBeginnerSegments;
    s.insert(s.end(), {seg::TH, seg::TH_Voiced, seg::E_Schwa, seg::OpenSyllable, seg::WA, seg::RoteWords});
    return s;
}

}  // namespace moxlet::test
