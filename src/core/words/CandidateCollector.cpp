#include "words/CandidateCollector.h"

#include <algorithm>

namespace moxlet {

RecordRun recordRun(const OffsetIndex& index, SegmentId segment, int syllableMin, int syllableMax)
{
    if (segment < 0 || segment >= seg::Count) return {};
    syllableMin = std::clamp(syllableMin, 1, kIndexSyllables);
    syllableMax = std::clamp(syllableMax, 1, kIndexSyllables);
    return {index.first(segment, syllableMin), index.last(segment, syllableMax)};
}

std::int32_t thinCandidates(std::vector<std::int32_t>& candidates, std::int32_t count, std::int16_t& offset,
                            Random& random)
{
    if (count < kThinningThreshold) {
        offset = 0;
        return count;
    }
    const std::int32_t step = count / kThinningDivisor;
    if (offset < 0) offset = static_cast<std::int16_t>(random.below(step));
    std::int32_t kept = 0;
    for (std::int32_t k = offset + 1; k <= count; k += step) candidates[static_cast<std::size_t>(++kept)] = candidates[static_cast<std::size_t>(k)];
    return kept;
}

std::int32_t collectCandidates(WordBase& wordBase, const OffsetIndex& index, const StudentMasks& masks,
                               const CandidateQuery& query, std::int16_t& thinOffset, Random& random,
                               std::vector<std::int32_t>& candidateList)
{
    const RecordRun run = recordRun(index, query.segment, query.syllableMin, query.syllableMax);
    if (run.size() == 0) {
        if (query.thinning == ThinningMode::Always) thinOffset = 0;
        return 0;
    }

    StudentMasks effective = masks;
    if (query.segment == seg::Rule111) {
        effective.studentSet.add(seg::Rule211);
        effective.studentRootSet.add(seg::Rule211);
    }
    const SegmentId admitted = query.newSegment ? query.segment : kNoSegment;

    std::vector<std::int32_t> scratch(1, 0);  // 1-based
    scratch.reserve(static_cast<std::size_t>(run.size()) + 1);
    wordBase.readRun(run.first, run.last, [&](std::int32_t n, const WordRecord& word) {
        if (isEligible(word.Segments, effective, admitted)) scratch.push_back(n);
    });
    auto count = static_cast<std::int32_t>(scratch.size() - 1);

    const bool thin = query.thinning == ThinningMode::Always || run.last - run.first >= kDirectRunLimit;
    if (thin) count = thinCandidates(scratch, count, thinOffset, random);

    if (candidateList.size() < static_cast<std::size_t>(kMaxCandidates) + 1)
        candidateList.resize(static_cast<std::size_t>(kMaxCandidates) + 1, 0);
    std::copy_n(scratch.begin() + 1, count, candidateList.begin() + 1);
    return count;
}

}  // namespace moxlet
