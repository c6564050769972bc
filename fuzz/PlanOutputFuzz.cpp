// The printed plan and the clipboard text of any plan record, under any
// option values:
//
//   base               which reference plan short inputs start from
//   options            PrintSection 1..6, ReviewListSize, NewListSize,
//                      PageBreak, SegmentOrder, HomophoneMode, BlankLines,
//                      FontSizeMode, then the window's font size (16 bits
//                      each, any value)
//   names              first and last name: a length (mod 26) and bytes each
//   plan               the rest: a whole stored record (9600 bytes or more),
//                      or patches (offset, value: two 16-bit little-endian
//                      numbers each) to the raw layout of the base plan, so
//                      that short inputs put any value in any field of a
//                      plan that has lists, words and sentences
//
// Neither layout faults or reads out of range whatever the record holds,
// and both give UTF-8, as the print layer and the clipboard expect.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "core/output/PlanPrintout.h"
#include "core/output/PlanText.h"
#include "core/plans/PlanFile.h"
#include "core/store/PlanCodec.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"

using namespace moxlet;

namespace {

bool validUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80           ? 1
                                : (c >> 5) == 0x6  ? 2
                                : (c >> 4) == 0xE  ? 3
                                : (c >> 3) == 0x1E ? 4
                                                   : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

// The raw layouts of the reference plans, made once.
const std::vector<std::vector<std::uint8_t>>& basePlans()
{
    static const std::vector<std::vector<std::uint8_t>> bases = [] {
        std::vector<std::vector<std::uint8_t>> out;
        for (const auto& r : test::referencePlans()) out.push_back(PlanCodec::encode(r.plan));
        return out;
    }();
    return bases;
}

std::string name(fuzz::ByteSource& in)
{
    const std::vector<std::uint8_t> bytes = in.bytes(in.byte() % 26);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteSource in(data, size);
    const auto& bases = basePlans();
    const std::vector<std::uint8_t>& base = bases[in.byte() % bases.size()];
    Options options;
    for (auto& part : options.PrintSection) part = in.i16();
    for (std::int16_t* field :
         {&options.ReviewListSize, &options.NewListSize, &options.PageBreak, &options.SegmentOrder,
          &options.HomophoneMode, &options.BlankLines, &options.FontSizeMode})
        *field = in.i16();
    const int fontSize = in.i16();
    const std::string firstName = name(in);
    const std::string lastName = name(in);

    const std::vector<std::uint8_t> rest = in.rest();
    LessonPlan plan;
    if (rest.size() >= static_cast<std::size_t>(kPlanRecordLen)) {
        plan = decodePlanRecord(rest);
    } else {
        std::vector<std::uint8_t> bytes = base;
        for (std::size_t i = 0; i + 4 <= rest.size(); i += 4) {
            const std::size_t offset = (rest[i] | (rest[i + 1] << 8)) % (kPlanRecordLen - 1);
            bytes[offset] = rest[i + 2];
            bytes[offset + 1] = rest[i + 3];
        }
        plan = PlanCodec::decode(bytes);
    }

    Options printOptions = options;
    test::RecordingPrintLayer layer;
    PlanPrintout(layer, PlanOutput{firstName, lastName, plan, printOptions, fontSize}).printCopy();
    FUZZ_CHECK(validUtf8(layer.log()));

    Options copyOptions = options;
    const std::string text = planText(PlanOutput{firstName, lastName, plan, copyOptions, fontSize});
    FUZZ_CHECK(validUtf8(text));
    // Printing and copying switch the form feed option alike.
    FUZZ_CHECK(printOptions == copyOptions);
    return 0;
}
