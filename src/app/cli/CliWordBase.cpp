#include "app/cli/CliWordBase.h"

#include <ostream>

#include "app/cli/CliContext.h"
#include "core/words/WordListing.h"

namespace moxlet::cli {

CliWordBase::CliWordBase(CliContext& ctx, const std::string& dataDir)
    : source{ctx.index(), wordBaseDirectory(ctx.path(dataDir), ctx.shippedWordBase)}
{
    if (const FileContext* files = ctx.filesAt(source.directory)) wordBase = WordBase::open(*files);
    if (wordBase) return;
    ctx.reportProblems();
    ctx.err << "(looked for " << (source.directory / kWordBaseFileName).string() << ")\n";
    ctx.status = 1;
}

std::string wordLine(const WordRecord& word)
{
    return word.WordText.trimmed() + "\t" + std::to_string(word.OrderKey) + "\t" +
           segmentIdList(word.Segments) + "\t" + wordFlags(word.Segments);
}

}  // namespace moxlet::cli
