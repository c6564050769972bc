#include "core/options/OptionFile.h"

#include <gtest/gtest.h>

#include "core/store/FileError.h"
#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

TEST(OptionFile, NoFileGivesTheDefaultsAndCreatesNothing)
{
    DataDir d;
    d.options.values.ReviewListSize = 0;
    loadOptions(d.ctx, d.options);
    EXPECT_EQ(d.options.values, Options{});
    EXPECT_EQ(d.options.values.ReviewListSize, 1);
    EXPECT_EQ(d.options.values.PrintSection, (std::array<std::int16_t, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(d.fs.exists(kOptionFileName));
}

TEST(OptionFile, SavingFromOneDialogKeepsTheOtherDialogsValues)
{
    DataDir d;
    loadOptions(d.ctx, d.options);
    d.options.values.HomophoneMode = 2;
    ASSERT_TRUE(saveOptions(d.ctx, d.options, kHomophoneModeField));
    // The print dialog changes its values, and the homophone global too
    // (without owning it): the file keeps the homophone dialog's 2.
    d.options.values.PageBreak = 1;
    d.options.values.PrintSection[2] = 0;
    d.options.values.HomophoneMode = 0;
    ASSERT_TRUE(saveOptions(d.ctx, d.options, kPrintSectionFields | kPageBreakField));

    OptionSettings fresh;
    loadOptions(d.ctx, fresh);
    EXPECT_EQ(fresh.values.HomophoneMode, 2);
    EXPECT_EQ(fresh.values.PageBreak, 1);
    EXPECT_EQ(fresh.values.PrintSection[2], 0);
    EXPECT_EQ(fresh.values.ReviewListSize, 1);
    EXPECT_EQ(d.fs.get(kOptionFileName)->size(), 118u);
}

// How familiar the offered words are lives in the first reserved integer
// (offset 26): 0, which every file from before the choice holds, is the
// default Common; a value out of range is noted and Common used.  Saved by
// its own dialog it survives another dialog's save.
TEST(OptionFile, TheWordLevelLivesInTheFirstReservedInteger)
{
    const struct {
        std::uint8_t low, high;
        WordLevel level;
        bool noted;
    } rows[] = {{0, 0, WordLevel::Common, false},
                {1, 0, WordLevel::Everyday, false},
                {2, 0, WordLevel::Wider, false},
                {3, 0, WordLevel::Common, true},
                {0xFF, 0xFF, WordLevel::Common, true}};
    for (const auto& row : rows) {
        DataDir d;
        std::vector<std::uint8_t> bytes(118, 0);
        bytes[26] = row.low;
        bytes[27] = row.high;
        d.fs.put(kOptionFileName, bytes);
        Problems problems;
        loadOptions(d.ctx, d.options, &problems);
        // Every other value of a record of zeros is zero: lists and sections off.
        EXPECT_EQ(d.options.values, (Options{{}, 0, 0, 0, 0, 0, 0, 0, row.level})) << int{row.low};
        EXPECT_EQ(problems.size(), row.noted ? 1u : 0u) << int{row.low};
    }
    for (WordLevel level : {WordLevel::Everyday, WordLevel::Common, WordLevel::Wider}) {
        DataDir d;
        loadOptions(d.ctx, d.options);
        d.options.values.OfferUpTo = level;
        ASSERT_TRUE(saveOptions(d.ctx, d.options, kOfferUpToField));
        d.options.values.OfferUpTo = WordLevel::Everyday;  // not the homophone dialog's to save
        d.options.values.HomophoneMode = 1;
        ASSERT_TRUE(saveOptions(d.ctx, d.options, kHomophoneModeField));
        OptionSettings fresh;
        loadOptions(d.ctx, fresh);
        EXPECT_EQ(fresh.values.OfferUpTo, level);
        EXPECT_EQ(fresh.values.HomophoneMode, 1);
    }
}

TEST(OptionFile, AFailedWriteIsReportedAndTheFileKept)
{
    DataDir d;
    d.fs.put(kOptionFileName, std::vector<std::uint8_t>(118, 0));
    loadOptions(d.ctx, d.options);
    d.fs.setReadOnly(kOptionFileName);
    d.fs.setReadOnly(kOptionFileName + ".NEW");
    d.options.values.BlankLines = 1;
    EXPECT_FALSE(saveOptions(d.ctx, d.options, kBlankLinesField));
    EXPECT_EQ(d.prompt.texts(),
              std::vector<std::string>{"Unable to write to Parameter file, OPTION.PRM.  File access was "
                                       "denied.  The file has been defined as read-only or hidden."});
    EXPECT_EQ(*d.fs.get(kOptionFileName), std::vector<std::uint8_t>(118, 0));
}

// A read that fails anywhere while the options load (a file longer than
// one record, so its size is also noted) is reported and the defaults or
// the file's values are used: no file error escapes to the caller.
TEST(OptionFile, AReadFailingAtAnyStepIsReportedNotThrown)
{
    std::vector<std::uint8_t> twoRecords(2 * 118, 0);
    for (int step = 1; step <= 8; ++step) {
        for (int error : {FileErrorNo::DeviceIoError, FileErrorNo::PermissionDenied}) {
            DataDir d;
            d.fs.put(kOptionFileName, twoRecords);
            d.fs.failReadAt(step, error);
            Problems problems;
            EXPECT_NO_THROW(loadOptions(d.ctx, d.options, &problems)) << "read step " << step;
            const bool fromFile = d.options.values.ReviewListSize == 0;
            EXPECT_TRUE(fromFile || d.options.values == Options{}) << "read step " << step;
            EXPECT_EQ(d.fs.mutationSteps(), 0) << "read step " << step;
        }
    }
}
