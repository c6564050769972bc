// Any bytes decode into options without fault; the raw layout maps every
// byte both ways; after the check every option lies in its range.

#include <cstdint>
#include <vector>

#include "core/options/OptionFile.h"
#include "core/store/OptionCodec.h"

using namespace moxlet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    OptionRecord r = OptionCodec::decode(bytes);
    if (size >= kOptionRecordLen) {
        std::vector<std::uint8_t> record(data, data + kOptionRecordLen);
        if (OptionCodec::encode(r) != record) __builtin_trap();
    }
    checkOptions(r, nullptr);
    Options o = fromOptionRecord(r);
    for (auto v : o.PrintSection)
        if (v < 0 || v > 1) __builtin_trap();
    if (o.ReviewListSize < 0 || o.ReviewListSize > 2 || o.NewListSize < 0 || o.NewListSize > 2 ||
        o.HomophoneMode < 0 || o.HomophoneMode > 2 || o.FontSizeMode < 0 || o.FontSizeMode > 2 ||
        r.OfferUpTo < 0 || r.OfferUpTo > 2)
        __builtin_trap();
    return 0;
}
