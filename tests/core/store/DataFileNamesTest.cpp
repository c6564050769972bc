#include "core/store/DataFileNames.h"

#include <gtest/gtest.h>

using namespace moxlet;

TEST(DataFileNames, PlanFileNamesHaveFourDigitsAndStopAt9999)
{
    for (std::int32_t n : {1, 7, 42, 999, 9999}) {
        const auto name = planFileName(n);
        ASSERT_TRUE(name) << n;
        EXPECT_EQ(name->size(), 12u) << *name;
        EXPECT_EQ(planFileNumber(*name), n) << *name;
    }
    EXPECT_EQ(planFileName(7), "PLNS0007.DAT");
    for (std::int32_t n : {0, 10000, -3, -1}) EXPECT_FALSE(planFileName(n)) << n;
}

TEST(DataFileNames, OnlyFourDigitsBetweenPlnsAndDatNameAPlanFile)
{
    const struct {
        const char* name;
        std::optional<std::int32_t> number;
    } cases[] = {
        {"PLNS0042.DAT", 42},     {"PLNS9999.DAT", 9999},
        {"PLNS0000.DAT", 0},  // a name, though no profile has the number
        {"PLNS007.DAT", {}},      {"PLNS00007.DAT", {}},
        {"PLNS.DAT", {}},         {"PLNSTEMP.DAT", {}},
        {"PLNS00A7.DAT", {}},     {"PLNS 007.DAT", {}},
        {"PLNS-007.DAT", {}},     {"PLNS+007.DAT", {}},
        {"plns0007.dat", {}},     {"PLNS0007.dat", {}},
        {"PLNS0007.DAT.NEW", {}}, {"XLNS0007.DAT", {}},
        {"PROFILES.DAT", {}},     {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(planFileNumber(c.name), c.number) << c.name;
}

TEST(DataFileNames, TheTutorsFilesAreTheProfilesTheOptionsThePlanFilesAndTheRecentPlans)
{
    for (const char* name : {"PROFILES.DAT", "OPTION.PRM", "PLNS0007.DAT", "RECENT.TXT"})
        EXPECT_TRUE(isTutorDataFileName(name)) << name;
    for (const char* name :
         {"PLNSTEMP.DAT", "PLNS00A7.DAT", "WORDBASE.WDB", "PROFILES.DAT.NEW", "profiles.dat", "MOXLET.DIR"})
        EXPECT_FALSE(isTutorDataFileName(name)) << name;
}
