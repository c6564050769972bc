#include "OptionFile.h"

#include "FileError.h"
#include "RecordCheck.h"
#include "OptionCodec.h"

namespace moxlet {

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
    return o;
}

bool ReadOptionRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, OptionRecord& r)
{
    return withRetry(ctx.prompt, "Unable to read Parameter file, OPTION.PRM.",
                     [&] { r = OptionCodec::decode(file.readRecord(n)); });
}

bool WriteOptionRecord(const FileContext& ctx, DataFile& file, std::int32_t n, const OptionRecord& r)
{
    auto bytes = OptionCodec::encode(r);
    return withRetry(ctx.prompt, "Unable to write to Parameter file, OPTION.PRM.",
                     [&] { file.writeRecord(n, bytes); });
}

void LoadOptions(const FileContext& ctx, Globals& g, Problems* problems)
{
    g.options = Options{};
    g.optionBuffer = toOptionRecord(g.options);
    if (!ctx.fs.exists(kOptionFileName)) return;
    DataFile file = OpenDataFile(ctx, kOptionFileName, FileKind::Parameter, kOptionRecordLen);
    if (file.isOpen()) {
        std::int32_t count = 0;
        std::uint64_t tail = 0;
        bool sized = withRetry(ctx.prompt, "Unable to read Parameter file, OPTION.PRM.", [&] {
            count = file.recordCount();
            tail = file.tailBytes();
        });
        if (!sized) return;
        if (count == 0) {
            note(problems, kOptionFileName, 0,
                 "shorter than one record (" + std::to_string(tail) + " bytes); defaults used");
            return;
        }
        if (count > 1 || tail != 0)
            note(problems, kOptionFileName, 0,
                 "holds " + std::to_string(file.byteLength()) + " bytes; only the first 118 are used");
    }
    OptionRecord r = g.optionBuffer;
    if (!ReadOptionRecord(ctx, file, 1, r)) return;
    checkOptions(r, problems, kOptionFileName);
    g.optionBuffer = r;
    g.options = fromOptionRecord(r);
}

bool SaveOptions(const FileContext& ctx, Globals& g, unsigned ownedFields)
{
    OptionRecord& r = g.optionBuffer;
    const Options& o = g.options;
    if (ownedFields & kPrintSectionFields) r.PrintSection = o.PrintSection;
    if (ownedFields & kReviewListSizeField) r.ReviewListSize = o.ReviewListSize;
    if (ownedFields & kNewListSizeField) r.NewListSize = o.NewListSize;
    if (ownedFields & kPageBreakField) r.PageBreak = o.PageBreak;
    if (ownedFields & kSegmentOrderField) r.SegmentOrder = o.SegmentOrder;
    if (ownedFields & kHomophoneModeField) r.HomophoneMode = o.HomophoneMode;
    if (ownedFields & kBlankLinesField) r.BlankLines = o.BlankLines;
    if (ownedFields & kFontSizeModeField) r.FontSizeMode = o.FontSizeMode;
    DataFile file = OpenDataFile(ctx, kOptionFileName, FileKind::Parameter, kOptionRecordLen);
    return WriteOptionRecord(ctx, file, 1, r);
}

}  // namespace moxlet
