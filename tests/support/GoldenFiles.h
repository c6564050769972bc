#pragma once
// Expected files kept under tests/data/<kind>/<case>/: what the code makes
// is compared with them byte for byte.  After a deliberate change, run the
// tests with MOXLET_REGENERATE_GOLDEN=1 to write them afresh, and read the
// diff before committing it.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace moxlet::test {

class GoldenFiles {
public:
    explicit GoldenFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    static bool regenerating() { return std::getenv("MOXLET_REGENERATE_GOLDEN") != nullptr; }

    std::string read(const std::string& caseName, const std::string& file) const
    {
        std::ifstream in(folder_ / caseName / file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Compares `actual` with <folder>/<case>/<file> (or writes it there).
    void expect(const std::string& caseName, const std::string& file, const std::string& actual) const
    {
        const std::filesystem::path path = folder_ / caseName / file;
        if (regenerating()) {
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary) << actual;
            return;
        }
        ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; regenerate the expected files";
        EXPECT_EQ(read(caseName, file), actual) << path;
    }

    // Every case has its folder, and no folder is left from a case that is gone.
    void expectCases(const std::vector<std::string>& caseNames) const
    {
        if (regenerating()) return;
        std::set<std::string> folders;
        for (const auto& e : std::filesystem::directory_iterator(folder_))
            folders.insert(e.path().filename().string());
        EXPECT_EQ(folders, std::set<std::string>(caseNames.begin(), caseNames.end())) << folder_;
    }

    // A case's name as a test's name: "review-40-new-24" -> "review_40_new_24".
    static std::string testName(std::string caseName)
    {
        std::replace(caseName.begin(), caseName.end(), '-', '_');
        return caseName;
    }

private:
    std::filesystem::path folder_;
};

}  // namespace moxlet::test
