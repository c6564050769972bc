#include "support/MemoryFileSystem.h"

namespace moxlet {

void MemoryFileSystem::countMutation(const std::string& name)
{
    ++mutations_;
    mutated_.insert(name);
    auto it = mutationFaults_.find(mutations_);
    if (it != mutationFaults_.end()) {
        int number = it->second;
        mutationFaults_.erase(it);
        tornWrite_ = number;
        return;  // the caller applies the fault (a torn write needs the bytes)
    }
    if (lastingFault_ && mutations_ >= lastingFault_->first) {
        tornWrite_ = lastingFault_->second;
        return;
    }
    if (directories_.count(name))
        throw FileException(FileErrorNo::PathFileAccessError, name + " is a directory");
    if (readOnly_.count(name)) throw FileException(FileErrorNo::PermissionDenied, "read-only " + name);
}

void MemoryFileSystem::countRead(const std::string& name)
{
    ++reads_;
    auto it = readFaults_.find(reads_);
    if (it != readFaults_.end()) {
        int number = it->second;
        readFaults_.erase(it);
        throw FileException(number, "injected read fault on " + name);
    }
}

void MemoryFileSystem::putDirectory(const std::string& name)
{
    files_.erase(name);
    directories_.insert(name);
}

void MemoryFileSystem::failMutationsFrom(int step, int errorNumber) { lastingFault_ = {step, errorNumber}; }

MemoryFileSystem::File& MemoryFileSystem::find(const std::string& name)
{
    auto it = files_.find(name);
    if (it == files_.end()) throw FileException(FileErrorNo::FileNotFound, "no file " + name);
    return it->second;
}

bool MemoryFileSystem::exists(const std::string& name) { return files_.count(name) != 0; }

std::uint64_t MemoryFileSystem::size(const std::string& name)
{
    countRead(name);
    if (directories_.count(name))
        throw FileException(FileErrorNo::PathFileAccessError, name + " is a directory");
    return find(name).current.size();
}

void MemoryFileSystem::probe(const std::string& name)
{
    countRead(name);
    if (directories_.count(name)) return;  // a directory opens for reading
    find(name);
}

std::vector<std::uint8_t> MemoryFileSystem::read(const std::string& name, std::uint64_t offset,
                                                 std::size_t count)
{
    countRead(name);
    if (directories_.count(name))
        throw FileException(FileErrorNo::PathFileAccessError, name + " is a directory");
    const auto& bytes = find(name).current;
    if (offset > bytes.size() || bytes.size() - offset < count)
        throw FileException(FileErrorNo::InputPastEnd, "short read of " + name);
    auto from = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return {from, from + static_cast<std::ptrdiff_t>(count)};
}

void MemoryFileSystem::write(const std::string& name, std::span<const std::uint8_t> bytes)
{
    countMutation(name);
    File& f = files_[name];
    if (tornWrite_) {
        int number = *tornWrite_;
        tornWrite_.reset();
        f.current.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2));
        throw FileException(number, "injected fault writing " + name);
    }
    f.current.assign(bytes.begin(), bytes.end());
}

void MemoryFileSystem::flush(const std::string& name)
{
    countMutation(name);
    if (tornWrite_) {
        int number = *tornWrite_;
        tornWrite_.reset();
        throw FileException(number, "injected fault flushing " + name);
    }
    File& f = find(name);
    f.durable = f.current;
}

void MemoryFileSystem::rename(const std::string& from, const std::string& to)
{
    countMutation(to);
    if (tornWrite_) {
        int number = *tornWrite_;
        tornWrite_.reset();
        throw FileException(number, "injected fault renaming " + from);
    }
    File f = find(from);
    files_.erase(from);
    files_[to] = std::move(f);
}

void MemoryFileSystem::remove(const std::string& name)
{
    countMutation(name);
    if (tornWrite_) {
        int number = *tornWrite_;
        tornWrite_.reset();
        throw FileException(number, "injected fault removing " + name);
    }
    find(name);
    files_.erase(name);
}

std::vector<std::string> MemoryFileSystem::list()
{
    std::vector<std::string> names;
    for (const auto& [name, file] : files_) names.push_back(name);
    return names;
}

void MemoryFileSystem::put(const std::string& name, std::vector<std::uint8_t> bytes)
{
    files_[name] = File{bytes, bytes};
}

std::optional<std::vector<std::uint8_t>> MemoryFileSystem::get(const std::string& name) const
{
    auto it = files_.find(name);
    if (it == files_.end()) return std::nullopt;
    return it->second.current;
}

void MemoryFileSystem::setReadOnly(const std::string& name, bool readOnly)
{
    if (readOnly)
        readOnly_.insert(name);
    else
        readOnly_.erase(name);
}

void MemoryFileSystem::failMutationAt(int step, int errorNumber) { mutationFaults_[step] = errorNumber; }
void MemoryFileSystem::failReadAt(int step, int errorNumber) { readFaults_[step] = errorNumber; }

void MemoryFileSystem::crash()
{
    for (auto& [name, file] : files_) file.current = file.durable;
}

}  // namespace moxlet
