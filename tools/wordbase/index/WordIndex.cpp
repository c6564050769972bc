// The parts of moxlet_wordindex that are not generated: the fill order of the
// offset index and where the installed program keeps its word base.

#include "core/catalogue/SegmentIds.h"
#include "core/words/OffsetIndex.h"
#include "core/words/WordBase.h"

namespace moxlet {

void fillOffsetIndex(OffsetIndex& index)
{
    fillWordOffsets1(index);
    fillWordOffsets2(index);
    fillWordOffsets3(index);
    fillWordOffsets4(index);
    fillWordOffsets5(index);
    fillWordOffsets6(index);
}

std::int32_t indexedRecordCount()
{
    static const std::int32_t count = [] {
        OffsetIndex index;
        fillOffsetIndex(index);
        return index.LastRecord[seg::Count - 1][kIndexSyllables - 1];
    }();
    return count;
}

std::filesystem::path configuredInstallDataDir() { return MOXLET_INSTALL_DATADIR; }

std::filesystem::path shippedWordBaseDir(const std::filesystem::path& exeDir)
{
    std::error_code ec;
    for (const auto& dir : {exeDir / ".." / "share" / "moxlet", configuredInstallDataDir()})
        if (std::filesystem::is_regular_file(dir / kWordBaseFileName, ec)) return dir.lexically_normal();
    return configuredInstallDataDir();
}

}  // namespace moxlet
