#include "core/store/DataFile.h"

#include "core/store/FileError.h"

namespace moxlet {

std::string openMessage(FileKind kind)
{
    switch (kind) {
    case FileKind::Profile: return "Unable to open Student Profile file, PROFILES.DAT.";
    case FileKind::Plan: return "Unable to open Student's Plan file.";
    case FileKind::WordBase: return "Unable to open WordBase file, WORDBASE.WDB.";
    case FileKind::Parameter: return "Unable to open Parameter file, OPTION.PRM.";
    default: return "Unable to open file.";
    }
}

bool isLegalDataFileName(const std::string& name)
{
    if (name.empty()) return false;
    for (char c : name) {
        switch (c) {
        case ';':
        case '<':
        case '=':
        case '>':
        case '?':
        case '[':
        case ']':
        case '*':
        case ' ': return false;
        default: break;
        }
    }
    return true;
}

DataFile::DataFile(FileSystem& fs, std::string name, int recordLength)
    : fs_(&fs), name_(std::move(name)), recordLength_(recordLength)
{
}

void DataFile::requireOpen() const
{
    if (!fs_ || recordLength_ <= 0) throw FileException(FileErrorNo::BadFileNameOrNumber, "file is not open");
}

bool DataFile::exists() const
{
    requireOpen();
    return fs_->exists(name_);
}

std::uint64_t DataFile::byteLength() const
{
    requireOpen();
    return fs_->exists(name_) ? fs_->size(name_) : 0;
}

std::int32_t DataFile::recordCount() const
{
    std::uint64_t count = byteLength() / static_cast<std::uint64_t>(recordLength_);
    return count > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(count);
}

std::uint64_t DataFile::tailBytes() const { return byteLength() % static_cast<std::uint64_t>(recordLength_); }

std::vector<std::uint8_t> DataFile::readRecord(std::int32_t n) const
{
    requireOpen();
    if (n < 1) throw FileException(FileErrorNo::BadRecordNumber, "record number below 1");
    auto len = static_cast<std::uint64_t>(recordLength_);
    return fs_->read(name_, (static_cast<std::uint64_t>(n) - 1) * len, static_cast<std::size_t>(len));
}

void DataFile::writeRecord(std::int32_t n, std::span<const std::uint8_t> record)
{
    requireOpen();
    if (record.size() != static_cast<std::size_t>(recordLength_))
        throw FileException(FileErrorNo::BadRecordLength, "record of wrong length");
    std::vector<std::uint8_t> bytes;
    if (fs_->exists(name_)) bytes = fs_->readAll(name_);
    auto len = static_cast<std::size_t>(recordLength_);
    std::size_t count = bytes.size() / len;
    if (n < 1 || static_cast<std::size_t>(n) > count + 1)
        throw FileException(FileErrorNo::BadRecordNumber, "record number out of range");
    std::size_t offset = (static_cast<std::size_t>(n) - 1) * len;
    if (bytes.size() < offset + len) bytes.resize(offset + len);
    std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    replaceFileAtomically(*fs_, name_, bytes);
}

DataFile openDataFile(const FileContext& ctx, const std::string& name, FileKind kind, int recordLength)
{
    DataFile file;
    bool opened = withRetry(ctx.prompt, openMessage(kind), [&] {
        if (!isLegalDataFileName(name))
            throw FileException(FileErrorNo::BadFileName, "illegal file name: " + name);
        if (ctx.fs.exists(name)) ctx.fs.probe(name);
        file = DataFile(ctx.fs, name, recordLength);
    });
    return opened ? file : DataFile();
}

}  // namespace moxlet
