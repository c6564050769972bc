#include "core/words/WordBase.h"

#include <algorithm>
#include <cstring>

#include "core/store/FileError.h"

namespace moxlet {

namespace {
constexpr std::int32_t kRunBlockRecords = 4096;  // records read at once by readRun
}

std::unique_ptr<WordBase> WordBase::open(const FileContext& ctx)
{
    std::int32_t count = 0;
    const bool opened = withRetry(ctx.prompt, openMessage(FileKind::WordBase), [&] {
        // The word base is never created: a missing one is an error here.
        if (!ctx.fs.exists(kWordBaseFileName)) throw FileException(FileErrorNo::FileNotFound, "no word base");
        ctx.fs.probe(kWordBaseFileName);
        count = static_cast<std::int32_t>(
            std::min<std::uint64_t>(ctx.fs.size(kWordBaseFileName) / kWordRecordLength, INT32_MAX));
    });
    if (!opened) return nullptr;
    return std::unique_ptr<WordBase>(new WordBase(ctx.fs, ctx.prompt, count));
}

bool WordBase::readRaw(std::int32_t first, std::int32_t count, std::vector<std::uint8_t>& out)
{
    return withRetry(prompt_, kWordBaseReadMessage, [&] {
        if (first < 1 || count < 0) throw FileException(FileErrorNo::BadRecordNumber, "bad record number");
        out = fs_.read(kWordBaseFileName, static_cast<std::uint64_t>(first - 1) * kWordRecordLength,
                       static_cast<std::size_t>(count) * kWordRecordLength);
    });
}

void WordBase::reportShortfall()
{
    if (shortfallReported_) return;
    shortfallReported_ = true;
    reportFileError(prompt_, FileErrorNo::InputPastEnd, kWordBaseReadMessage);
}

bool WordBase::read(std::int32_t n, WordRecord& word)
{
    if (!readRaw(n, 1, buffer_)) return false;
    RawWordRecord raw{};
    std::memcpy(raw.data(), buffer_.data(), kWordRecordLength);
    return decodeWordRecord(raw, n, word);
}

bool WordBase::readRun(std::int32_t first, std::int32_t last,
                       const std::function<void(std::int32_t, const WordRecord&)>& visit)
{
    WordRecord word;
    for (std::int32_t start = first; start <= last; start += kRunBlockRecords) {
        const std::int32_t count = std::min<std::int32_t>(kRunBlockRecords, last - start + 1);
        if (!readRaw(start, count, buffer_)) return false;
        RawWordRecord raw{};
        for (std::int32_t k = 0; k < count; ++k) {
            std::memcpy(raw.data(), buffer_.data() + static_cast<std::size_t>(k) * kWordRecordLength,
                        kWordRecordLength);
            if (decodeWordRecord(raw, start + k, word)) visit(start + k, word);
        }
    }
    return true;
}

std::filesystem::path wordBaseDirectory(const std::filesystem::path& dataDir,
                                        const std::filesystem::path& installDir)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(dataDir / kWordBaseFileName, ec)) return dataDir;
    if (!installDir.empty() && std::filesystem::is_regular_file(installDir / kWordBaseFileName, ec))
        return installDir;
    return dataDir;
}

}  // namespace moxlet
