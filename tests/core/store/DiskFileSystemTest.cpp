#include "core/store/DiskFileSystem.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

using namespace moxlet;
namespace fs = std::filesystem;

namespace {

int errorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const FileException& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(DiskFileSystem, WritesFlushesRenamesAndReads)
{
    test::TempFolder dir;
    DiskFileSystem disk(dir.path.string());
    std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5};
    replaceFileAtomically(disk, "A.DAT", bytes);
    EXPECT_TRUE(disk.exists("A.DAT"));
    EXPECT_FALSE(disk.exists("A.DAT.NEW"));
    EXPECT_EQ(disk.size("A.DAT"), 5u);
    EXPECT_EQ(disk.read("A.DAT", 1, 3), (std::vector<std::uint8_t>{2, 3, 4}));
    EXPECT_EQ(disk.list(), std::vector<std::string>{"A.DAT"});
    disk.remove("A.DAT");
    EXPECT_FALSE(disk.exists("A.DAT"));
}

TEST(DiskFileSystem, RealFailuresCarryTheirErrorNumbers)
{
    test::TempFolder dir;
    DiskFileSystem disk(dir.path.string());
    std::vector<std::uint8_t> five(5, 7);
    disk.write("SHORT.DAT", five);
    EXPECT_EQ(errorOf([&] { disk.read("MISSING.DAT", 0, 1); }), 53);
    EXPECT_EQ(errorOf([&] { disk.remove("MISSING.DAT"); }), 53);
    EXPECT_EQ(errorOf([&] { disk.read("SHORT.DAT", 0, 6); }), 62);
    EXPECT_EQ(errorOf([&] { disk.write(std::string(300, 'N'), five); }), 64);
    EXPECT_EQ(errorOf([&] { disk.write("../OUT.DAT", five); }), 64);

    DiskFileSystem gone((dir.path / "nowhere").string());
    EXPECT_EQ(errorOf([&] { gone.read("A.DAT", 0, 1); }), 76);

    if (::geteuid() != 0) {  // permissions do not bind the superuser
        fs::permissions(dir.path / "SHORT.DAT", fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(errorOf([&] { disk.write("SHORT.DAT", five); }), 70);
        fs::permissions(dir.path, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_EQ(errorOf([&] { replaceFileAtomically(disk, "NEW.DAT", five); }), 70);
    }
}

TEST(MemoryFileSystem, ACrashLosesWhatWasNotFlushed)
{
    MemoryFileSystem m;
    m.put("OLD.DAT", {1});
    std::vector<std::uint8_t> two{2, 2};
    m.write("OLD.DAT", two);
    m.write("NEW.DAT", two);
    m.crash();
    EXPECT_EQ(*m.get("OLD.DAT"), std::vector<std::uint8_t>{1});
    EXPECT_TRUE(m.get("NEW.DAT")->empty());
    m.failMutationAt(m.mutationSteps() + 1, 61);
    EXPECT_THROW(m.write("NEW.DAT", std::vector<std::uint8_t>(10, 3)), FileException);
    EXPECT_EQ(m.get("NEW.DAT")->size(), 5u);  // torn
}

TEST(FileSystems, ADirectoryWhereAFileBelongsActsAlikeOnDiskAndInMemory)
{
    // The in-memory model the crash tests use must fail where the disk fails.
    test::TempFolder dir;
    DiskFileSystem disk(dir.path.string());
    fs::create_directories(dir.path / "PROFILES.DAT" / "inside");
    MemoryFileSystem memory;
    memory.putDirectory("PROFILES.DAT");
    std::vector<std::uint8_t> five(5, 7);
    for (FileSystem* f : std::initializer_list<FileSystem*>{&disk, &memory}) {
        f->write("A.DAT", five);
        SCOPED_TRACE(f == &disk ? "disk" : "memory");
        EXPECT_FALSE(f->exists("PROFILES.DAT"));
        EXPECT_EQ(f->list(), std::vector<std::string>{"A.DAT"});
        EXPECT_EQ(errorOf([&] { f->size("PROFILES.DAT"); }), 75);
        EXPECT_EQ(errorOf([&] { f->probe("PROFILES.DAT"); }), 0);
        EXPECT_EQ(errorOf([&] { f->read("PROFILES.DAT", 0, 1); }), 75);
        EXPECT_EQ(errorOf([&] { f->write("PROFILES.DAT", five); }), 75);
        EXPECT_EQ(errorOf([&] { f->rename("A.DAT", "PROFILES.DAT"); }), 75);
        EXPECT_EQ(errorOf([&] { f->remove("PROFILES.DAT"); }), 75);
        EXPECT_TRUE(f->exists("A.DAT"));
    }
    EXPECT_TRUE(fs::is_directory(dir.path / "PROFILES.DAT" / "inside"));
}

TEST(MemoryFileSystem, ALastingFaultFailsEveryLaterStep)
{
    MemoryFileSystem m;
    std::vector<std::uint8_t> two{2, 2};
    m.write("A.DAT", two);
    m.failMutationsFrom(m.mutationSteps() + 1, 61);
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(errorOf([&] { m.write("B.DAT", two); }), 61);
        EXPECT_EQ(errorOf([&] { m.remove("A.DAT"); }), 61);
    }
    EXPECT_EQ(m.get("B.DAT")->size(), 1u);
    EXPECT_TRUE(m.exists("A.DAT"));
}
