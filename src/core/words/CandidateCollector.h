#pragma once
// Candidate collection: the one procedure by which plan generation, the word
// choice dialogs and the word list tool find the words of a segment that fit
// a student.
//
// 1. The run FirstRecord(s, min - 1) .. LastRecord(s, max - 1) is read in
//    record order; every record that passes the eligibility test is a
//    candidate.  For the 1-1-1 Rule the 2-1-1 Rule is admitted as well, for
//    this collection only.  A New segment admits its own bit.
// 2. Thinning: with fewer than 1000 candidates all are kept and the
//    remembered offset becomes 0.  From 1000 on the step is count / 750; a
//    negative remembered offset becomes a random offset in [0, step) (one of
//    0 or more is kept, so a rebuilt list is the same list) and the
//    candidates at 0-based indexes offset, offset + step, ... are kept.
//
// Plan generation, the word choice dialogs and the word list tool all thin
// by this one rule, so a list generated for a plan slot and the list its
// word dialog rebuilds from the same offset are the same list.  (Listing a
// run of up to 1500 records whole, as the dialogs once did, differed from
// generation only for a run of exactly 1500 records all eligible, and there
// it put every stored position of the slot out of step.)
//
// The result's position k is a word's position in its list, the value a plan
// stores for a chosen word.  The run is read once, whole, and kept with the
// result, so that the chosen words are decoded without reading again, and
// only the segment set of each record is decoded to test it.
//
// Bound.  The thinned list never holds more than kMaxCandidates (1500)
// entries: below 1000 candidates nothing is dropped; from 1000 to 1499 the
// step is 1; from 1500 on a step of k = count / 750 >= 2 keeps at most
// ceil(count / k) <= 750 + 375 entries.  So a stored position always fits
// the plan's 16-bit fields and never exceeds kMaxListPosition, whatever the
// word base holds.

#include <cstdint>
#include <vector>

#include "core/store/Random.h"
#include "core/words/Eligibility.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"

namespace moxlet {

inline constexpr std::int32_t kThinningThreshold = 1000;  // candidates from which lists are thinned
inline constexpr std::int32_t kThinningDivisor = 750;     // step = count / 750
inline constexpr std::int32_t kMaxCandidates = 1500;      // most candidates ever listed
static_assert(kMaxCandidates <= kMaxListPosition);

struct CandidateQuery {
    SegmentId segment = kNoSegment;
    int syllableMin = 1;
    int syllableMax = 9;
    bool newSegment = false;  // the segment's own bit is admitted (a New list)
};

// The record run of a segment over a syllable range (first > last: empty).
struct RecordRun {
    std::int32_t first = 1;
    std::int32_t last = 0;
    std::int32_t size() const { return last >= first ? last - first + 1 : 0; }
};
RecordRun recordRun(const OffsetIndex& index, SegmentId segment, int syllableMin, int syllableMax);

// The candidates of one collection: record numbers in list order, and the
// run's bytes to decode them from.
class Candidates {
public:
    std::vector<std::int32_t> records;  // position k -> record number
    std::int32_t eligible = 0;          // candidates before thinning
    std::int32_t step = 1;              // the thinning step (1: not thinned)

    std::size_t size() const { return records.size(); }
    bool empty() const { return records.empty(); }
    // Decodes the word at list position k; false when it cannot be.
    bool word(std::size_t k, WordRecord& out) const;

    RecordRun run;                    // the records that were read
    std::vector<std::uint8_t> bytes;  // their raw bytes
};

// Thins the list in place and returns how many were kept; `offset` is the
// remembered offset (in/out).
std::size_t thinCandidates(std::vector<std::int32_t>& candidates, std::int16_t& offset, Random& random);

// Collects the candidates of `query`.  `thinOffset` is the list's remembered
// offset (in/out; pass -1 for none).  Read failures are reported by the word
// base; a run that reaches past the end of the word base is read as far as
// it goes (and the shortfall reported once), so the list holds what could
// be read.
Candidates collectCandidates(WordBase& wordBase, const OffsetIndex& index, const StudentMasks& masks,
                             const CandidateQuery& query, std::int16_t& thinOffset, Random& random);

}  // namespace moxlet
