#include "RecordCodecs.h"

#include <cassert>

#include "ByteCursor.h"

namespace moxlet {

// One field list per record serves both directions: Io is a ByteWriter with
// const records or a ByteReader with mutable ones.
namespace {

template <class Io, class R>
void optionFields(Io& io, R& r)
{
    io.i16s(r.PrintSection);
    io.i16(r.ReviewListSize);
    io.i16(r.NewListSize);
    io.i16(r.PageBreak);
    io.i16(r.SegmentOrder);
    io.i16(r.HomophoneMode);
    io.i16(r.BlankLines);
    io.i16(r.FontSizeMode);
    io.i16s(r.Reserved);
    io.i16(r.Reserved2);
}

template <class Io, class P>
void profileFields(Io& io, P& p)
{
    io.i16(p.ProfileNo);
    io.text(p.LastName);
    io.text(p.FirstName);
    io.text(p.ParentName);
    io.text(p.Address);
    io.text(p.StudentSchool);
    io.text(p.StudentTeacher);
    io.text(p.StudentGrade);
    io.text(p.HourlyRate);
    io.text(p.HomePhone);
    io.text(p.WorkPhone);
    io.text(p.TeachPhone);
    io.text(p.StudentComments);
    for (auto& t : p.Reserved) io.text(t);
    io.i16(p.SyllableMin);
    io.i16(p.SyllableMax);
    io.i16s(p.ProfileNoise);
    io.i16(p.Seed1);
    io.i16(p.Seed2);
    io.i16(p.Seed3);
    io.i16s(p.StudiedSegments.words);
    io.i16(p.FormatVersion);
    io.i16s(p.ProfileFiller);
    io.i16(p.InUse);
    io.i16(p.Reserved2);
}

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

// ByteWriter takes values; this adapter lets the shared field lists pass
// const references to it.
struct Writer {
    ByteWriter w;
    void i16(std::int16_t v) { w.i16(v); }
    template <std::size_t N>
    void text(const FixedText<N>& t) { w.text(t); }
    template <class A>
    void i16s(const A& a) { w.i16s(a); }
};

// The reading twin: fields are filled through references.
struct Reader {
    ByteReader r;
    void i16(std::int16_t& v) { v = r.i16(); }
    template <std::size_t N>
    void text(FixedText<N>& t) { r.text(t); }
    template <class A>
    void i16s(A& a) { r.i16s(a); }
};

}  // namespace

std::vector<std::uint8_t> OptionCodec::encode(const OptionRecord& r)
{
    Writer io{ByteWriter(kOptionRecordLen)};
    optionFields(io, r);
    assert(io.w.size() == kOptionRecordLen);
    return io.w.take();
}

OptionRecord OptionCodec::decode(std::span<const std::uint8_t> bytes)
{
    OptionRecord r;
    Reader io{ByteReader(bytes)};
    optionFields(io, r);
    return r;
}

std::vector<std::uint8_t> ProfileCodec::encode(const StudentProfile& p)
{
    Writer io{ByteWriter(kProfileRecordLen)};
    profileFields(io, p);
    assert(io.w.size() == kProfileRecordLen);
    return io.w.take();
}

StudentProfile ProfileCodec::decode(std::span<const std::uint8_t> bytes)
{
    StudentProfile p;
    Reader io{ByteReader(bytes)};
    profileFields(io, p);
    return p;
}

std::vector<std::uint8_t> PlanCodec::encode(const LessonPlan& p)
{
    Writer io{ByteWriter(kPlanRecordLen)};
    planFields(io, p);
    assert(io.w.size() == kPlanRecordLen);
    return io.w.take();
}

LessonPlan PlanCodec::decode(std::span<const std::uint8_t> bytes)
{
    LessonPlan p;
    Reader io{ByteReader(bytes)};
    planFields(io, p);
    return p;
}

}  // namespace moxlet
