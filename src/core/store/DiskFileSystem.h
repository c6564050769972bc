#pragma once
// The file layer over a real directory (POSIX calls, fsync where durability
// matters: after writing a new file and after renaming it into place).

#include <functional>
#include <string>

#include "core/store/FileSystem.h"

namespace moxlet {

class DiskFileSystem : public FileSystem {
public:
    // directory: the data directory; bare names are looked up there.
    explicit DiskFileSystem(std::string directory);

    bool exists(const std::string& name) override;
    std::uint64_t size(const std::string& name) override;
    void probe(const std::string& name) override;
    std::vector<std::uint8_t> read(const std::string& name, std::uint64_t offset, std::size_t count) override;
    void write(const std::string& name, std::span<const std::uint8_t> bytes) override;
    void flush(const std::string& name) override;
    void rename(const std::string& from, const std::string& to) override;
    void remove(const std::string& name) override;
    std::vector<std::string> list() override;

    const std::string& directory() const { return directory_; }

    // Called once, before the first change this object makes to the folder
    // (a write, rename or removal): the daily backup hangs here.
    void setBeforeFirstChange(std::function<void()> hook) { beforeFirstChange_ = std::move(hook); }

private:
    void aboutToChange();
    std::string path(const std::string& name) const;
    [[noreturn]] void fail(int err, const std::string& what, const std::string& name) const;
    void syncDirectory();

    std::string directory_;
    std::function<void()> beforeFirstChange_;
};

}  // namespace moxlet
