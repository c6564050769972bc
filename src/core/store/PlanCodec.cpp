#include "core/store/PlanCodec.h"

#include <cassert>

#include "core/store/ByteCursor.h"

namespace moxlet {

namespace {

template <class Io, class P>
void planFields(Io& io, P& p)
{
    io.i16(p.ProfileNo);
    io.text(p.Reserved1);
    io.text(p.Reserved2);
    io.text(p.LessonDate);
    io.i16(p.SyllableMin);
    io.i16(p.SyllableMax);
    io.i16s(p.AuditorySegments);
    io.i16s(p.ReviewSegments);
    io.i16s(p.SpellingSegments);
    io.i16s(p.NewSegments);
    io.i16s(p.SpellWordTag);
    for (auto& t : p.SpellWord) io.text(t);
    // (0..1, 0..3, 0..39) with the first index varying fastest.
    for (std::size_t k = 0; k < 40; ++k)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t i = 0; i < 2; ++i) io.i16(p.ListWordPos[i][j][k]);
    for (std::size_t k = 0; k < 40; ++k)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t i = 0; i < 2; ++i) io.text(p.ListWord[i][j][k]);
    for (auto& t : p.Sentence) io.text(t);
    io.i16s(p.SpellingThinOffset);
    io.i16s(p.ReviewThinOffset);
    io.i16s(p.NewThinOffset);
    io.i16(p.Seed1);
    io.i16(p.Seed2);
    io.i16(p.Seed3);
    io.i16s(p.PlanNoise);
    io.i16s(p.PlanStudiedSegments.words);
    io.i16s(p.PlanFiller);
    io.i16(p.PlanReviewListSize);
    io.i16(p.PlanNewListSize);
    io.i16(p.FormatVersion);
    io.i16(p.InUse);
    io.i16(p.Reserved3);
}

}  // namespace

std::vector<std::uint8_t> PlanCodec::encode(const LessonPlan& p)
{
    FieldWriter io{ByteWriter(kPlanRecordLen)};
    planFields(io, p);
    assert(io.w.size() == kPlanRecordLen);
    return io.w.take();
}

LessonPlan PlanCodec::decode(std::span<const std::uint8_t> bytes)
{
    LessonPlan p;
    FieldReader io{ByteReader(bytes)};
    planFields(io, p);
    return p;
}

}  // namespace moxlet
