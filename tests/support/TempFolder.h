#pragma once
// A folder of its own on disk for a test, removed with everything in it
// (permissions a test took away are given back first).

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace moxlet::test {

struct TempFolder {
    std::filesystem::path path;

    TempFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "moxlet-test-XXXXXX").string();
        if (!::mkdtemp(name.data())) throw std::runtime_error("no temporary folder");
        path = name;
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        for (auto it = std::filesystem::recursive_directory_iterator(path, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    void put(const std::filesystem::path& name, const std::string& text) const
    {
        std::ofstream(path / name, std::ios::binary) << text;
    }
    std::string get(const std::filesystem::path& name) const
    {
        std::ifstream in(path / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

}  // namespace moxlet::test
