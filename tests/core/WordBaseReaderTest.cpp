// Reading WORDBASE.WDB: open and read failures reach the error handler with
// the word base's messages, a failed read leaves the record, and where the
// program finds the file.

#include <gtest/gtest.h>

#include <fstream>

#include "WordBase.h"

namespace moxlet {
namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path() / ("moxlet-wb-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

void writeRecords(const fs::path& file, const std::vector<std::string>& words)
{
    std::ofstream out(file, std::ios::binary);
    std::int32_t n = 1;
    for (const auto& text : words) {
        WordRecord w;
        w.OrderKey = 1;
        w.Length = static_cast<std::int16_t>(text.size());
        w.Segments.add(0);
        w.WordText.assign(text);
        const auto raw = encodeWordRecord(w, n++, 99);
        out.write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    }
}

TEST(WordBaseReader, MissingFileReportsTheOpenMessageAndRetriesOnRequest)
{
    TempDir dir;
    std::vector<std::pair<int, std::string>> reports;
    auto wb = WordBase::open(dir.path / "WORDBASE.WDB", [&](int e, const std::string& m) {
        reports.emplace_back(e, m);
        return reports.size() < 2;  // Retry once, then give up
    });
    EXPECT_EQ(wb, nullptr);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], std::make_pair(53, std::string("Unable to open WordBase file, WORDBASE.WDB.")));
}

TEST(WordBaseReader, FileErrorShowsTheTutorTheMessage)
{
    TempDir dir;
    ScriptedPrompt prompt;
    EXPECT_EQ(WordBase::open(dir.path / "WORDBASE.WDB", fileErrorHandler(prompt)), nullptr);
    ASSERT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(prompt.shown()[0].text, "Unable to open WordBase file, WORDBASE.WDB.  File not found.");
    EXPECT_EQ(prompt.shown()[0].title, "File Error");
}

TEST(WordBaseReader, ReadsRecordsAndReportsReadsPastTheEnd)
{
    TempDir dir;
    writeRecords(dir.path / "WORDBASE.WDB", {"cat", "stop", "hand"});
    std::vector<std::pair<int, std::string>> reports;
    auto wb = WordBase::open(dir.path / "WORDBASE.WDB", [&](int e, const std::string& m) {
        reports.emplace_back(e, m);
        return false;
    });
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->recordCount(), 3);
    WordRecord w;
    ASSERT_TRUE(wb->read(2, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");
    EXPECT_TRUE(reports.empty());

    EXPECT_FALSE(wb->read(4, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");  // unchanged
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::make_pair(62, std::string("Unable to read WordBase file, WORDBASE.WDB.")));

    std::vector<std::string> seen;
    EXPECT_FALSE(wb->readRun(2, 5, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_TRUE(seen.empty());  // the block past the end fails as a whole
    EXPECT_TRUE(wb->readRun(1, 3, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_EQ(seen, (std::vector<std::string>{"cat", "stop", "hand"}));
}

TEST(WordBaseReader, FileAndMemorySourcesAgree)
{
    TempDir dir;
    const std::vector<std::string> words = {"a", "to", "the", "word", "moxlet"};
    writeRecords(dir.path / "WORDBASE.WDB", words);
    std::ifstream in(dir.path / "WORDBASE.WDB", std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WordBase memory(std::make_unique<MemoryRecordSource>(bytes));
    auto file = WordBase::open(dir.path / "WORDBASE.WDB");
    ASSERT_NE(file, nullptr);
    for (std::int32_t n = 1; n <= 5; ++n) {
        WordRecord a, b;
        ASSERT_TRUE(memory.read(n, a));
        ASSERT_TRUE(file->read(n, b));
        EXPECT_EQ(a, b);
        EXPECT_EQ(a.WordText.trimmed(), words[static_cast<std::size_t>(n - 1)]);
    }
}

TEST(WordBaseReader, LocatesTheDataDirectoryFirstThenTheInstallation)
{
    TempDir dir;
    const fs::path data = dir.path / "data", install = dir.path / "install";
    fs::create_directories(data);
    fs::create_directories(install);
    EXPECT_EQ(locateWordBase(data, install), data / "WORDBASE.WDB");  // neither: the data directory's name
    writeRecords(install / "WORDBASE.WDB", {"cat"});
    EXPECT_EQ(locateWordBase(data, install), install / "WORDBASE.WDB");
    writeRecords(data / "WORDBASE.WDB", {"dog"});
    EXPECT_EQ(locateWordBase(data, install), data / "WORDBASE.WDB");
}

}  // namespace
}  // namespace moxlet
