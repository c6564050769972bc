#include "core/words/CandidateCollector.h"

#include <algorithm>
#include <cstring>

#include "core/store/FileError.h"

namespace moxlet {

RecordRun recordRun(const OffsetIndex& index, SegmentId segment, int syllableMin, int syllableMax)
{
    if (segment < 0 || segment >= seg::Count) return {};
    syllableMin = std::clamp(syllableMin, 1, kIndexSyllables);
    syllableMax = std::clamp(syllableMax, 1, kIndexSyllables);
    return {index.first(segment, syllableMin), index.last(segment, syllableMax)};
}

bool Candidates::word(std::size_t k, WordRecord& out) const
{
    if (k >= records.size()) return false;
    const std::int32_t n = records[k];
    if (n < run.first || n > run.last) return false;
    const std::size_t at = static_cast<std::size_t>(n - run.first) * kWordRecordLength;
    if (at + kWordRecordLength > bytes.size()) return false;
    RawWordRecord raw;
    std::memcpy(raw.data(), bytes.data() + at, kWordRecordLength);
    return decodeWordRecord(raw, n, out);
}

std::size_t thinCandidates(std::vector<std::int32_t>& candidates, std::int16_t& offset, Random& random)
{
    const auto count = static_cast<std::int32_t>(candidates.size());
    if (count < kThinningThreshold) {
        offset = 0;
        return candidates.size();
    }
    const std::int32_t step = count / kThinningDivisor;
    if (offset < 0) offset = static_cast<std::int16_t>(random.below(step));
    std::size_t kept = 0;
    for (std::int32_t k = offset; k < count; k += step)
        candidates[kept++] = candidates[static_cast<std::size_t>(k)];
    candidates.resize(kept);
    return kept;
}

Candidates collectCandidates(WordBase& wordBase, const OffsetIndex& index, const StudentMasks& masks,
                             const CandidateQuery& query, std::int16_t& thinOffset, Random& random)
{
    Candidates result;
    RecordRun run = recordRun(index, query.segment, query.syllableMin, query.syllableMax);
    if (run.size() == 0) {
        thinOffset = 0;
        return result;
    }
    if (run.last > wordBase.recordCount()) {
        // The index names records the file does not have: report it as a
        // read past the end, once, and go on with what there is.
        wordBase.reportShortfall();
        run.last = wordBase.recordCount();
    }
    result.run = run;
    if (run.size() > 0 && !wordBase.readRaw(run.first, run.size(), result.bytes)) result.bytes.clear();
    const std::int32_t readable = static_cast<std::int32_t>(result.bytes.size() / kWordRecordLength);

    StudentMasks effective = masks;
    if (query.segment == seg::Rule111) {
        effective.studentSet.add(seg::Rule211);
        effective.studentRootSet.add(seg::Rule211);
    }
    const SegmentId admitted = query.newSegment ? query.segment : kNoSegment;
    SegmentSet segments;
    for (std::int32_t i = 0; i < readable; ++i) {
        const std::int32_t n = run.first + i;
        if (decodeWordSegments(result.bytes.data() + static_cast<std::size_t>(i) * kWordRecordLength, n,
                               segments) &&
            isEligible(segments, effective, admitted))
            result.records.push_back(n);
    }
    result.eligible = static_cast<std::int32_t>(result.records.size());
    thinCandidates(result.records, thinOffset, random);
    if (result.eligible >= kThinningThreshold) result.step = result.eligible / kThinningDivisor;
    return result;
}

}  // namespace moxlet
