// The main window's size rule and the preparation of a data directory.
#include <gtest/gtest.h>

#include "core/shell/DataDirectory.h"
#include "core/shell/WindowSize.h"
#include "support/TempFolder.h"

using namespace moxlet;
namespace fs = std::filesystem;

TEST(WindowSize, SmallScreensMaximiseLargerOnesGetTheFixedSize)
{
    struct Case {
        int w, h;
        bool maximised;
    };
    const Case cases[] = {
        {12000, 9000, true},                        // exactly the limit
        {12015, 9000, false},                       // one pixel wider at 96 dpi
        {12000, 9015, false},  {9600, 7200, true},  // 640 x 480
        {28800, 16200, false},                      // 1920 x 1080
    };
    for (const auto& c : cases) {
        WindowSize s = mainWindowSize(c.w, c.h);
        EXPECT_EQ(s.maximised, c.maximised) << c.w << "x" << c.h;
        if (!c.maximised) {
            EXPECT_EQ(s.widthTwips, 12260);
            EXPECT_EQ(s.heightTwips, 9160);
        }
    }
    EXPECT_EQ(twipsFromPixels(800, 96.0), 12000);
    EXPECT_EQ(pixelsFromTwips(12260, 96.0), 817);
}

class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(install);
        fs::create_directories(data);
        for (const char* name : {"PROFILES.DAT", "PLNS0001.DAT", "WORDBASE.WDB", "OPTION.PRM"})
            folder.put(fs::path("install") / name, std::string("installed ") + name);
    }
    test::TempFolder folder;
    fs::path base = folder.path, install = base / "install", data = base / "data";
};

TEST_F(DataDirectoryTest, FirstStartCopiesOnlyDatFilesOnce)
{
    EXPECT_TRUE(isFirstStart(data));
    auto copied = prepareDataDirectory(data, install);
    EXPECT_EQ(copied, (std::vector<std::string>{"PLNS0001.DAT", "PROFILES.DAT"}));
    EXPECT_FALSE(fs::exists(data / "WORDBASE.WDB"));
    EXPECT_FALSE(fs::exists(data / "OPTION.PRM"));
    EXPECT_FALSE(isFirstStart(data));

    // The tutor's own profiles are never replaced by a later start.
    folder.put("data/PROFILES.DAT", "tutor's profiles");
    EXPECT_TRUE(prepareDataDirectory(data, install).empty());
    EXPECT_EQ(folder.get("data/PROFILES.DAT"), "tutor's profiles");
}

TEST_F(DataDirectoryTest, ExistingMoxletFilesMeanNotAFirstStart)
{
    for (const char* name : {"PROFILES.DAT", "OPTION.PRM", "PLNS0042.DAT", "MOXLET.DIR"}) {
        fs::remove_all(data);
        fs::create_directories(data);
        folder.put(fs::path("data") / name, "x");
        EXPECT_FALSE(isFirstStart(data)) << name;
        EXPECT_TRUE(prepareDataDirectory(data, install).empty()) << name;
    }
}

TEST_F(DataDirectoryTest, StartingInTheInstallationDirectoryCopiesNothing)
{
    EXPECT_TRUE(prepareDataDirectory(install, install).empty());
    EXPECT_TRUE(prepareDataDirectory(install / ".", install).empty());
    EXPECT_FALSE(fs::exists(install / kDataDirMarker));
}

TEST_F(DataDirectoryTest, MissingInstallationDirectoryStillStarts)
{
    EXPECT_TRUE(prepareDataDirectory(data, base / "nowhere").empty());
    EXPECT_FALSE(isFirstStart(data));
}
