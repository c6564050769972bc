#include <gtest/gtest.h>

#include "DataDirFixture.h"
#include "FileError.h"
#include "OptionFile.h"

using namespace moxlet;
using moxlet::test::DataDir;

TEST(OptionFile, NoFileGivesTheDefaultsAndCreatesNothing)
{
    DataDir d;
    d.g.options.ReviewListSize = 0;
    LoadOptions(d.ctx, d.g);
    EXPECT_EQ(d.g.options, Options{});
    EXPECT_EQ(d.g.options.ReviewListSize, 1);
    EXPECT_EQ(d.g.options.PrintSection, (std::array<std::int16_t, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(d.fs.exists(kOptionFileName));
}

TEST(OptionFile, ARecordOfZerosTurnsListsAndSectionsOff)
{
    DataDir d;
    d.fs.put(kOptionFileName, std::vector<std::uint8_t>(118, 0));
    LoadOptions(d.ctx, d.g);
    EXPECT_EQ(d.g.options.ReviewListSize, 0);
    EXPECT_EQ(d.g.options.NewListSize, 0);
    EXPECT_EQ(d.g.options.PrintSection, (std::array<std::int16_t, 6>{}));
    EXPECT_EQ(d.g.options.FontSizeMode, 0);
}

TEST(OptionFile, SavingFromOneDialogKeepsTheOtherDialogsValues)
{
    DataDir d;
    LoadOptions(d.ctx, d.g);
    d.g.options.HomophoneMode = 2;
    ASSERT_TRUE(SaveOptions(d.ctx, d.g, kHomophoneModeField));
    // The print dialog changes its values, and the homophone global too
    // (without owning it): the file keeps the homophone dialog's 2.
    d.g.options.PageBreak = 1;
    d.g.options.PrintSection[2] = 0;
    d.g.options.HomophoneMode = 0;
    ASSERT_TRUE(SaveOptions(d.ctx, d.g, kPrintSectionFields | kPageBreakField));

    Globals fresh;
    LoadOptions(d.ctx, fresh);
    EXPECT_EQ(fresh.options.HomophoneMode, 2);
    EXPECT_EQ(fresh.options.PageBreak, 1);
    EXPECT_EQ(fresh.options.PrintSection[2], 0);
    EXPECT_EQ(fresh.options.ReviewListSize, 1);
    EXPECT_EQ(d.fs.get(kOptionFileName)->size(), 118u);
}

TEST(OptionFile, AFailedWriteIsReportedAndTheFileKept)
{
    DataDir d;
    d.fs.put(kOptionFileName, std::vector<std::uint8_t>(118, 0));
    LoadOptions(d.ctx, d.g);
    d.fs.setReadOnly(kOptionFileName);
    d.fs.setReadOnly(kOptionFileName + ".NEW");
    d.g.options.BlankLines = 1;
    EXPECT_FALSE(SaveOptions(d.ctx, d.g, kBlankLinesField));
    ASSERT_EQ(d.prompt.shown().size(), 1u);
    EXPECT_EQ(d.prompt.shown()[0].text, "Unable to write to Parameter file, OPTION.PRM." + *fileErrorText(70));
    EXPECT_EQ(*d.fs.get(kOptionFileName), std::vector<std::uint8_t>(118, 0));
}
