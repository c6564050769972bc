#include "core/store/ProfileCodec.h"

#include <cassert>

#include "core/store/ByteCursor.h"

namespace moxlet {

namespace {

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

}  // namespace

std::vector<std::uint8_t> ProfileCodec::encode(const StudentProfile& p)
{
    FieldWriter io{ByteWriter(kProfileRecordLen)};
    profileFields(io, p);
    assert(io.w.size() == kProfileRecordLen);
    return io.w.take();
}

StudentProfile ProfileCodec::decode(std::span<const std::uint8_t> bytes)
{
    StudentProfile p;
    FieldReader io{ByteReader(bytes)};
    profileFields(io, p);
    return p;
}

}  // namespace moxlet
