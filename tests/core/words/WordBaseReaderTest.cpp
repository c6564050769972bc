// Reading WORDBASE.WDB through the file layer: open and read failures are
// reported with the word base's messages (Retry repeats), a failed read
// leaves the record, the disk and the memory file systems read alike, and
// where the program finds the file.

#include <gtest/gtest.h>

#include "core/store/DiskFileSystem.h"
#include "core/store/FileError.h"
#include "core/words/WordBase.h"
#include "support/Segments.h"
#include "support/TempFolder.h"
#include "support/TestWordBase.h"

namespace moxlet {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> records(const std::vector<std::string>& words)
{
    test::TestWordBase base;
    for (const auto& text : words) base.addRecord(test::segmentSet({seg::A_Short}), 1, text);
    return base.bytes;
}

struct Base {
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{1};
    FileContext ctx{fs, prompt, random};
};

TEST(WordBaseReader, AMissingFileIsReportedWithTheOpenMessageAndRetriedOnRequest)
{
    Base b;
    b.prompt.answer(Answer::Ok);
    EXPECT_EQ(WordBase::open(b.ctx), nullptr);
    ASSERT_EQ(b.prompt.shown().size(), 1u);
    EXPECT_EQ(b.prompt.shown()[0].text, "Unable to open WordBase file, WORDBASE.WDB.  File not found.");
    EXPECT_EQ(b.prompt.shown()[0].title, "File Error");
    EXPECT_FALSE(b.fs.exists(kWordBaseFileName));  // never created

    // A device error offers Retry; the second attempt finds the file.
    Base r;
    r.fs.put(kWordBaseFileName, records({"cat"}));
    r.fs.failReadAt(1, 68);
    r.prompt.answer(Answer::Retry);
    auto wb = WordBase::open(r.ctx);
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->recordCount(), 1);
    EXPECT_EQ(r.prompt.shown().size(), 1u);
}

TEST(WordBaseReader, ReadsRecordsAndReportsReadsPastTheEnd)
{
    Base b;
    b.fs.put(kWordBaseFileName, records({"cat", "stop", "hand"}));
    auto wb = WordBase::open(b.ctx);
    ASSERT_NE(wb, nullptr);
    EXPECT_EQ(wb->recordCount(), 3);
    WordRecord w;
    ASSERT_TRUE(wb->read(2, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");
    EXPECT_TRUE(b.prompt.shown().empty());

    EXPECT_FALSE(wb->read(4, w));
    EXPECT_EQ(w.WordText.trimmed(), "stop");  // unchanged
    EXPECT_EQ(b.prompt.texts(),
              std::vector<std::string>{
                  "Unable to read WordBase file, WORDBASE.WDB.  This file has a nonstandard end-of-file "
                  "marker,or an attempt was made to read beyond the end-of-file marker."});

    std::vector<std::string> seen;
    EXPECT_FALSE(
        wb->readRun(2, 5, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_TRUE(seen.empty());  // the block past the end fails as a whole
    EXPECT_TRUE(
        wb->readRun(1, 3, [&](std::int32_t, const WordRecord& r) { seen.push_back(r.WordText.trimmed()); }));
    EXPECT_EQ(seen, (std::vector<std::string>{"cat", "stop", "hand"}));
}

TEST(WordBaseReader, DiskAndMemoryReadAlike)
{
    test::TempFolder dir;
    const std::vector<std::string> words = {"a", "to", "the", "word", "moxlet"};
    const auto bytes = records(words);
    dir.put(kWordBaseFileName, std::string(bytes.begin(), bytes.end()));
    Base memory;
    memory.fs.put(kWordBaseFileName, records(words));
    DiskFileSystem disk(dir.path.string());
    FileContext diskCtx{disk, memory.prompt, memory.random};
    auto fromMemory = WordBase::open(memory.ctx);
    auto fromDisk = WordBase::open(diskCtx);
    ASSERT_NE(fromMemory, nullptr);
    ASSERT_NE(fromDisk, nullptr);
    for (std::int32_t n = 1; n <= 5; ++n) {
        WordRecord a, b;
        ASSERT_TRUE(fromMemory->read(n, a));
        ASSERT_TRUE(fromDisk->read(n, b));
        EXPECT_EQ(a, b);
        EXPECT_EQ(a.WordText.trimmed(), words[static_cast<std::size_t>(n - 1)]);
    }
}

TEST(WordBaseReader, FindsTheDataDirectoryFirstThenTheInstallation)
{
    test::TempFolder dir;
    const fs::path data = dir.path / "data", install = dir.path / "install";
    fs::create_directories(data);
    fs::create_directories(install);
    EXPECT_EQ(wordBaseDirectory(data, install), data);  // neither: the data directory
    dir.put("install/" + std::string(kWordBaseFileName), "x");
    EXPECT_EQ(wordBaseDirectory(data, install), install);
    dir.put("data/" + std::string(kWordBaseFileName), "x");
    EXPECT_EQ(wordBaseDirectory(data, install), data);
}

}  // namespace
}  // namespace moxlet
