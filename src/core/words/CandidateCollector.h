#pragma once
// Candidate collection: the one procedure by which plan generation, the word
// choice dialogs and the word list tool find the words of a segment that fit
// a student.
//
// 1. The run FirstRecord(s, min - 1) .. LastRecord(s, max - 1) is read in
//    record order; every record that passes the eligibility test is a
//    candidate.  For segment 159 (1-1-1 Rule) segment 160 (2-1-1 Rule) is
//    admitted as well, for this collection only.  A New segment admits its
//    own bit.
// 2. Thinning: with fewer than 1000 candidates all are kept and the
//    remembered offset becomes 0.  From 1000 on the step is count / 750; a
//    negative remembered offset becomes a random offset in [0, step) (one of 0 or
//    more is kept, so a rebuilt list is the same list) and the candidates at
//    1-based indexes offset + 1, offset + 1 + step, ... are kept.
//    With ThinningMode::LongRunsOnly (word choice dialogs, word list tool) a
//    run of at most 1500 records (last - first < 1500) is never thinned and
//    the offset is left alone.
//
// Bound.  Every eligible record number is first gathered in a scratch table
// that grows with the run, and only the thinned list is written to
// the caller's candidate list.  The thinned list never holds more than kMaxCandidates
// (1500) entries: below 1000 candidates nothing is dropped; from 1000 to 1499
// the step is 1; from 1500 on a step of k = count / 750 >= 2 keeps at most
// ceil(count / k) <= 750 + 375 entries; and an unthinned run of at most 1500
// records has at most 1500 candidates.  So a list of 6001 entries can never
// overrun, whatever the word base holds.

#include <cstdint>
#include <vector>

#include "words/Eligibility.h"
#include "words/OffsetIndex.h"
#include "store/Random.h"
#include "words/WordBase.h"

namespace moxlet {

inline constexpr std::int32_t kThinningThreshold = 1000;  // candidates from which lists are thinned
inline constexpr std::int32_t kThinningDivisor = 750;     // step = count / 750
inline constexpr std::int32_t kDirectRunLimit = 1500;     // runs with last - first below this are listed whole
inline constexpr std::int32_t kMaxCandidates = 1500;      // most entries ever written to the candidate list
inline constexpr int kCandidateSlots = kMaxListPosition + 1;  // candidate list entries 0..6000, used from index 1

enum class ThinningMode {
    Always,        // plan word-list generation
    LongRunsOnly,  // word choice dialogs and the word list tool
};

struct CandidateQuery {
    SegmentId segment = kNoSegment;
    int syllableMin = 1;
    int syllableMax = 9;
    bool newSegment = false;  // the segment's own bit is admitted (a New list)
    ThinningMode thinning = ThinningMode::Always;
};

// The record run of a segment over a syllable range (first > last: empty).
struct RecordRun {
    std::int32_t first = 1;
    std::int32_t last = 0;
    std::int32_t size() const { return last >= first ? last - first + 1 : 0; }
};
RecordRun recordRun(const OffsetIndex& index, SegmentId segment, int syllableMin, int syllableMax);

// Thins the 1-based list candidates[1..count] in place and returns the new
// count; `offset` is the remembered offset (in/out).
std::int32_t thinCandidates(std::vector<std::int32_t>& candidates, std::int32_t count, std::int16_t& offset,
                            Random& random);

// Collects the candidates of `query` into candidateList[1..n] and returns n
// (at most kMaxCandidates; the table is enlarged if it is shorter than that).
// `thinOffset` is the slot's remembered offset (in/out; pass -1 for none).
// Unused entries are left as they were.  Read failures are reported by the
// word base; the list then holds what was read before.
std::int32_t collectCandidates(WordBase& wordBase, const OffsetIndex& index, const StudentMasks& masks,
                               const CandidateQuery& query, std::int16_t& thinOffset, Random& random,
                               std::vector<std::int32_t>& candidateList);

}  // namespace moxlet
