#include "WordBase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "FileError.h"

namespace moxlet {

namespace {
constexpr std::int32_t kRunBlockRecords = 4096;  // records read at once by readRun
}

std::int32_t MemoryRecordSource::recordCount() const
{
    return static_cast<std::int32_t>(bytes_.size() / kWordRecordLength);
}

int MemoryRecordSource::readRecords(std::int32_t first, std::int32_t count, std::uint8_t* out)
{
    if (first < 1 || count < 0) return kErrBadRecordNumber;
    if (first - 1 + static_cast<std::int64_t>(count) > recordCount()) return kErrPastEndOfFile;
    std::memcpy(out, bytes_.data() + static_cast<std::size_t>(first - 1) * kWordRecordLength,
                static_cast<std::size_t>(count) * kWordRecordLength);
    return 0;
}

FileRecordSource::~FileRecordSource()
{
    if (file_) std::fclose(file_);
}

std::unique_ptr<FileRecordSource> FileRecordSource::open(const std::filesystem::path& path, int& errorNumber)
{
    errorNumber = 0;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        errorNumber = kErrFileNotFound;
        return nullptr;
    }
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f) {
        errorNumber = fileErrorFromErrno(errno);
        return nullptr;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        std::fclose(f);
        errorNumber = kErrAccessDenied;
        return nullptr;
    }
    return std::unique_ptr<FileRecordSource>(
        new FileRecordSource(f, static_cast<std::int32_t>(size / kWordRecordLength)));
}

int FileRecordSource::readRecords(std::int32_t first, std::int32_t count, std::uint8_t* out)
{
    if (first < 1 || count < 0) return kErrBadRecordNumber;
    if (first - 1 + static_cast<std::int64_t>(count) > count_) return kErrPastEndOfFile;
    if (std::fseek(file_, static_cast<long>(first - 1) * kWordRecordLength, SEEK_SET) != 0) return kErrPastEndOfFile;
    const auto want = static_cast<std::size_t>(count) * kWordRecordLength;
    return std::fread(out, 1, want, file_) == want ? 0 : kErrPastEndOfFile;
}

WordBaseErrorHandler fileErrorHandler(Prompt& prompt)
{
    return [&prompt](int errorNumber, const std::string& context) {
        return FileError(prompt, errorNumber, context) == FileErrorAction::Retry;
    };
}

WordBase::WordBase(std::unique_ptr<WordRecordSource> source, WordBaseErrorHandler onError)
    : source_(std::move(source)), onError_(std::move(onError))
{
}

std::unique_ptr<WordBase> WordBase::open(const std::filesystem::path& path, WordBaseErrorHandler onError)
{
    for (;;) {
        int error = 0;
        auto source = FileRecordSource::open(path, error);
        if (source) return std::make_unique<WordBase>(std::move(source), std::move(onError));
        if (!onError || !onError(error, kWordBaseOpenMessage)) return nullptr;
    }
}

int WordBase::readWithRetry(std::int32_t first, std::int32_t count, std::uint8_t* out)
{
    for (;;) {
        const int error = source_->readRecords(first, count, out);
        if (error == 0) return 0;
        if (!onError_ || !onError_(error, kWordBaseReadMessage)) return error;
    }
}

bool WordBase::read(std::int32_t n, WordRecord& word)
{
    RawWordRecord raw{};
    if (readWithRetry(n, 1, raw.data()) != 0) return false;
    return decodeWordRecord(raw, n, word);
}

bool WordBase::readRun(std::int32_t first, std::int32_t last,
                       const std::function<void(std::int32_t, const WordRecord&)>& visit)
{
    WordRecord word;
    for (std::int32_t start = first; start <= last; start += kRunBlockRecords) {
        const std::int32_t count = std::min<std::int32_t>(kRunBlockRecords, last - start + 1);
        buffer_.resize(static_cast<std::size_t>(count) * kWordRecordLength);
        if (readWithRetry(start, count, buffer_.data()) != 0) return false;
        RawWordRecord raw{};
        for (std::int32_t k = 0; k < count; ++k) {
            std::memcpy(raw.data(), buffer_.data() + static_cast<std::size_t>(k) * kWordRecordLength,
                        kWordRecordLength);
            if (decodeWordRecord(raw, start + k, word)) visit(start + k, word);
        }
    }
    return true;
}

std::filesystem::path locateWordBase(const std::filesystem::path& dataDir, const std::filesystem::path& installDir)
{
    std::error_code ec;
    const auto inData = dataDir / kWordBaseFileName;
    if (std::filesystem::is_regular_file(inData, ec)) return inData;
    const auto inInstall = installDir / kWordBaseFileName;
    if (!installDir.empty() && std::filesystem::is_regular_file(inInstall, ec)) return inInstall;
    return inData;
}

}  // namespace moxlet
