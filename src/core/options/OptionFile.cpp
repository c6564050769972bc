#include "core/options/OptionFile.h"

#include "core/store/FileError.h"
#include "core/store/OptionCodec.h"
#include "core/store/RecordCheck.h"

namespace moxlet {

std::int16_t storedOfferLevel(WordLevel level)
{
    switch (level) {
    case WordLevel::Everyday: return 1;
    case WordLevel::Common: return 0;
    case WordLevel::Wider: break;
    }
    return 2;
}

WordLevel offerLevelOf(std::int16_t stored)
{
    return stored == 1 ? WordLevel::Everyday : stored == 2 ? WordLevel::Wider : kDefaultOfferLevel;
}

OptionRecord toOptionRecord(const Options& o)
{
    OptionRecord r;
    r.PrintSection = o.PrintSection;
    r.ReviewListSize = o.ReviewListSize;
    r.NewListSize = o.NewListSize;
    r.PageBreak = o.PageBreak;
    r.SegmentOrder = o.SegmentOrder;
    r.HomophoneMode = o.HomophoneMode;
    r.BlankLines = o.BlankLines;
    r.FontSizeMode = o.FontSizeMode;
    r.OfferUpTo = storedOfferLevel(o.OfferUpTo);
    return r;
}

Options fromOptionRecord(const OptionRecord& r)
{
    Options o;
    o.PrintSection = r.PrintSection;
    o.ReviewListSize = r.ReviewListSize;
    o.NewListSize = r.NewListSize;
    o.PageBreak = r.PageBreak;
    o.SegmentOrder = r.SegmentOrder;
    o.HomophoneMode = r.HomophoneMode;
    o.BlankLines = r.BlankLines;
    o.FontSizeMode = r.FontSizeMode;
    o.OfferUpTo = offerLevelOf(r.OfferUpTo);
    return o;
}

void checkOptions(OptionRecord& r, Problems* problems, const std::string& file)
{
    const Options defaults;
    auto check = [&](std::int16_t& v, int max, std::int16_t fallback, const std::string& field) {
        if (v >= 0 && v <= max) return;
        note(problems, file, 1,
             field + " is " + std::to_string(v) + ", not 0.." + std::to_string(max) + "; using " +
                 std::to_string(fallback));
        v = fallback;
    };
    for (std::size_t i = 0; i < r.PrintSection.size(); ++i)
        check(r.PrintSection[i], 1, defaults.PrintSection[i], "PrintSection(" + std::to_string(i + 1) + ")");
    check(r.ReviewListSize, 2, defaults.ReviewListSize, "ReviewListSize");
    check(r.NewListSize, 2, defaults.NewListSize, "NewListSize");
    check(r.PageBreak, 1, defaults.PageBreak, "PageBreak");
    check(r.SegmentOrder, 1, defaults.SegmentOrder, "SegmentOrder");
    check(r.HomophoneMode, 2, defaults.HomophoneMode, "HomophoneMode");
    check(r.BlankLines, 1, defaults.BlankLines, "BlankLines");
    check(r.FontSizeMode, 2, defaults.FontSizeMode, "FontSizeMode");
    check(r.OfferUpTo, 2, storedOfferLevel(defaults.OfferUpTo), "OfferUpTo");
}

bool readOptionRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, OptionRecord& r)
{
    return withRetry(ctx.prompt, "Unable to read Parameter file, OPTION.PRM.",
                     [&] { r = OptionCodec::decode(file.readRecord(n)); });
}

bool writeOptionRecord(const FileContext& ctx, DataFile& file, std::int32_t n, const OptionRecord& r)
{
    auto bytes = OptionCodec::encode(r);
    return withRetry(ctx.prompt, "Unable to write to Parameter file, OPTION.PRM.",
                     [&] { file.writeRecord(n, bytes); });
}

void loadOptions(const FileContext& ctx, OptionSettings& settings, Problems* problems)
{
    settings.values = Options{};
    settings.stored = toOptionRecord(settings.values);
    if (!ctx.fs.exists(kOptionFileName)) return;
    DataFile file = openDataFile(ctx, kOptionFileName, FileKind::Parameter, kOptionRecordLen);
    if (file.isOpen()) {
        // Every size the notes give is taken here, under the read message: a
        // failing look at the file is reported, never thrown past the caller.
        std::int32_t count = 0;
        std::uint64_t tail = 0;
        std::uint64_t length = 0;
        bool sized = withRetry(ctx.prompt, "Unable to read Parameter file, OPTION.PRM.", [&] {
            count = file.recordCount();
            tail = file.tailBytes();
            length = file.byteLength();
        });
        if (!sized) return;
        if (count == 0) {
            note(problems, kOptionFileName, 0,
                 "shorter than one record (" + std::to_string(tail) + " bytes); defaults used");
            return;
        }
        if (count > 1 || tail != 0)
            note(problems, kOptionFileName, 0,
                 "holds " + std::to_string(length) + " bytes; only the first 118 are used");
    }
    OptionRecord r = settings.stored;
    if (!readOptionRecord(ctx, file, 1, r)) return;
    settings.stored = r;
    checkOptions(r, problems, kOptionFileName);
    settings.values = fromOptionRecord(r);
}

namespace {
// Each option field: its mask, its largest value, and its place in the
// record and in the options.
template <class F>
void forEachField(F f)
{
    f(kReviewListSizeField, 2, &OptionRecord::ReviewListSize, &Options::ReviewListSize);
    f(kNewListSizeField, 2, &OptionRecord::NewListSize, &Options::NewListSize);
    f(kPageBreakField, 1, &OptionRecord::PageBreak, &Options::PageBreak);
    f(kSegmentOrderField, 1, &OptionRecord::SegmentOrder, &Options::SegmentOrder);
    f(kHomophoneModeField, 2, &OptionRecord::HomophoneMode, &Options::HomophoneMode);
    f(kBlankLinesField, 1, &OptionRecord::BlankLines, &Options::BlankLines);
    f(kFontSizeModeField, 2, &OptionRecord::FontSizeMode, &Options::FontSizeMode);
}
bool outOfRange(std::int16_t v, int max) { return v < 0 || v > max; }
}  // namespace

Options dialogOptions(const OptionSettings& settings)
{
    Options o = settings.values;
    for (std::size_t i = 0; i < o.PrintSection.size(); ++i)
        if (outOfRange(settings.stored.PrintSection[i], 1))
            o.PrintSection[i] = settings.stored.PrintSection[i];
    forEachField([&](unsigned, int max, std::int16_t OptionRecord::*stored, std::int16_t Options::*value) {
        if (outOfRange(settings.stored.*stored, max)) o.*value = settings.stored.*stored;
    });
    return o;
}

bool storedOutOfRange(const OptionSettings& settings, unsigned fields)
{
    bool any = false;
    if (fields & kPrintSectionFields)
        for (std::int16_t v : settings.stored.PrintSection) any = any || outOfRange(v, 1);
    forEachField([&](unsigned field, int max, std::int16_t OptionRecord::*stored, std::int16_t Options::*) {
        any = any || ((fields & field) && outOfRange(settings.stored.*stored, max));
    });
    return any || ((fields & kOfferUpToField) && outOfRange(settings.stored.OfferUpTo, 2));
}

bool saveOptions(const FileContext& ctx, OptionSettings& settings, unsigned ownedFields)
{
    OptionRecord& r = settings.stored;
    const Options& o = settings.values;
    if (ownedFields & kPrintSectionFields) r.PrintSection = o.PrintSection;
    if (ownedFields & kReviewListSizeField) r.ReviewListSize = o.ReviewListSize;
    if (ownedFields & kNewListSizeField) r.NewListSize = o.NewListSize;
    if (ownedFields & kPageBreakField) r.PageBreak = o.PageBreak;
    if (ownedFields & kSegmentOrderField) r.SegmentOrder = o.SegmentOrder;
    if (ownedFields & kHomophoneModeField) r.HomophoneMode = o.HomophoneMode;
    if (ownedFields & kBlankLinesField) r.BlankLines = o.BlankLines;
    if (ownedFields & kFontSizeModeField) r.FontSizeMode = o.FontSizeMode;
    if (ownedFields & kOfferUpToField) r.OfferUpTo = storedOfferLevel(o.OfferUpTo);
    DataFile file = openDataFile(ctx, kOptionFileName, FileKind::Parameter, kOptionRecordLen);
    return writeOptionRecord(ctx, file, 1, r);
}

}  // namespace moxlet
