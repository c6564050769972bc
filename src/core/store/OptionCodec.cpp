#include "core/store/OptionCodec.h"

#include <cassert>

#include "core/store/ByteCursor.h"

namespace moxlet {

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
    io.i16(r.OfferUpTo);
    io.i16s(r.Reserved);
    io.i16(r.Reserved2);
}

}  // namespace

std::vector<std::uint8_t> OptionCodec::encode(const OptionRecord& r)
{
    FieldWriter io{ByteWriter(kOptionRecordLen)};
    optionFields(io, r);
    assert(io.w.size() == kOptionRecordLen);
    return io.w.take();
}

OptionRecord OptionCodec::decode(std::span<const std::uint8_t> bytes)
{
    OptionRecord r;
    FieldReader io{ByteReader(bytes)};
    optionFields(io, r);
    return r;
}

}  // namespace moxlet
