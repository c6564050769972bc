// Damaged, foreign or random data files are read as far as they can be; what
// was skipped or repaired is reported, and nothing crashes.

#include <functional>
#include <gtest/gtest.h>

#include "core/options/OptionFile.h"
#include "core/shell/DataCheck.h"
#include "core/store/OptionCodec.h"
#include "core/store/PlanCodec.h"
#include "core/store/ProfileCodec.h"
#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

namespace {

bool mentions(const Problems& problems, const std::string& file, std::int32_t record,
              const std::string& words)
{
    for (const auto& p : problems)
        if (p.file == file && p.record == record && p.text.find(words) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(BadInput, DamagedProfileFiles)
{
    struct Case {
        std::string name;
        std::function<void(DataDir&)> write;  // PROFILES.DAT
        std::size_t live;                     // profiles listed
        std::int32_t record;                  // where the problem is noted
        std::string words;                    // what the note says
        std::function<void(DataDir&, const std::vector<ProfileEntry>&)> more = [](auto&, const auto&) {};
    };
    const Case cases[] = {
        {"torn tail",
         [](DataDir& d) {
             d.putProfiles({DataDir::profile(1, "A", ""), DataDir::profile(2, "B", "")});
             auto b = *d.fs.get(kProfileFileName);
             b.resize(b.size() + 100, 0x41);
             d.fs.put(kProfileFileName, b);
         },
         2, 0, "100 bytes after the last whole record"},
        {"shorter than a record",
         [](DataDir& d) { d.fs.put(kProfileFileName, std::vector<std::uint8_t>(639, 1)); }, 0, 0,
         "639 bytes after the last whole record"},
        {"syllable range 0..40",
         [](DataDir& d) {
             auto p = DataDir::profile(1, "A", "");
             p.SyllableMin = 0;
             p.SyllableMax = 40;
             d.putProfiles({p});
         },
         1, 1, "syllable range 0..40",
         [](auto&, const auto& live) {
             EXPECT_EQ(live[0].profile.SyllableMin, 1);
             EXPECT_EQ(live[0].profile.SyllableMax, 9);
         }},
        {"InUse 7",
         [](DataDir& d) {
             auto p = DataDir::profile(1, "A", "");
             p.InUse = 7;
             d.putProfiles({p, DataDir::profile(2, "B", "")});
         },
         1, 1, "InUse is 7",
         // never taken for a free slot
         [](DataDir& d, const auto&) { EXPECT_EQ(newProfileSlot(d.ctx), 3); }},
        {"control bytes in a name",
         [](DataDir& d) { d.putProfiles({DataDir::profile(1, "A\x01\x1b[2J\x1f!", "")}); }, 1, 1,
         "LastName holds control characters",
         [](auto&, const auto& live) { EXPECT_EQ(live[0].profile.LastName.trimmed(), "A  [2J !"); }},
        {"ProfileNo not its record", [](DataDir& d) { d.putProfiles({DataDir::profile(5, "A", "")}); }, 1, 1,
         "ProfileNo is 5"},
    };
    for (const auto& c : cases) {
        DataDir d;
        c.write(d);
        Problems problems;
        auto live = listProfiles(d.ctx, &problems);
        EXPECT_EQ(live.size(), c.live) << c.name;
        EXPECT_TRUE(mentions(problems, kProfileFileName, c.record, c.words)) << c.name;
        c.more(d, live);
        EXPECT_TRUE(d.prompt.shown().empty()) << c.name;
        int active = 0;
        EXPECT_TRUE(scanProfiles(d.ctx, active)) << c.name;
        EXPECT_EQ(active, static_cast<int>(c.live)) << c.name;
        EXPECT_FALSE(checkDataDirectory(d.ctx).problems.empty()) << c.name;
    }
}

TEST(BadInput, DamagedPlans)
{
    DataDir d;
    auto owner = DataDir::profile(3, "A", "");
    d.putProfiles({DataDir::profile(1, "X", ""), DataDir::profile(2, "Y", ""), owner});
    LessonPlan wrongOwner = DataDir::plan(owner, "01-01-26");
    wrongOwner.ProfileNo = 8;
    LessonPlan positions = DataDir::plan(owner, "02-02-26");
    positions.ReviewSegments[1] = 500;
    positions.SpellingSegments[0] = -7;
    positions.SpellWordTag[0] = 9999;
    positions.SpellWordTag[1] = 6000;     // the last list position: kept
    positions.ListWordPos[0][0][0] = -9;  // a typed word: fine
    LessonPlan notInUse = DataDir::plan(owner, "03-03-26");
    notInUse.InUse = 0;
    LessonPlan controls = DataDir::plan(owner, "04\x07"
                                               "04-26");
    controls.Sentence[3].assign("ring\x07the bell");
    d.putPlans(3, {wrongOwner, positions, notInUse, controls});

    Problems problems;
    auto plans = listPlans(d.ctx, 3, &problems);
    ASSERT_EQ(plans.size(), 3u);
    EXPECT_EQ(plans[0].record, 4);
    EXPECT_EQ(plans[0].date, "04 04-26");
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 4, "Sentence"));
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 3, "InUse is 0"));
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 2, "Review section"));
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 2, "Spelling section"));
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 2, "SpellWordTag"));
    EXPECT_FALSE(mentions(problems, "PLNS0003.DAT", 2, "ListWordPos"));
    EXPECT_TRUE(mentions(problems, "PLNS0003.DAT", 1, "ProfileNo is 8"));
    EXPECT_EQ(plans[1].plan.ReviewSegments[1], -1);
    EXPECT_EQ(plans[1].plan.SpellingSegments[0], -1);
    EXPECT_EQ(plans[1].plan.SpellWordTag[0], -1);
    EXPECT_EQ(plans[1].plan.SpellWordTag[1], 6000);
    EXPECT_EQ(plans[2].plan.ProfileNo, 3);

    // Deleting a plan keeps the record no dialog could show, unchanged.
    auto before = *d.fs.get("PLNS0003.DAT");
    ASSERT_TRUE(deletePlans(d.ctx, 3, {1}));
    auto after = *d.fs.get("PLNS0003.DAT");
    ASSERT_EQ(after.size(), 3u * 9600);
    EXPECT_TRUE(std::equal(before.begin() + 2 * 9600, before.begin() + 3 * 9600, after.begin() + 9600));
}

TEST(BadInput, APlanFileWithoutItsProfileAndLeftoverTemporaryFiles)
{
    DataDir d;
    d.putProfiles({DataDir::profile(1, "A", "")});
    d.putPlans(4, {DataDir::plan(DataDir::profile(4, "Gone", ""), "01-01-26")});
    d.fs.put("PLNS0009.DAT", {});
    d.fs.put(kPlanTempFileName, {1});
    d.fs.put("PROFILES.DAT.NEW", {1});
    auto s = checkDataDirectory(d.ctx);
    EXPECT_EQ(s.planFiles, 2);
    EXPECT_EQ(s.plans, 1);
    EXPECT_TRUE(mentions(s.problems, "PLNS0004.DAT", 0, "not a live profile"));
    EXPECT_TRUE(mentions(s.problems, "PLNS0009.DAT", 0, "empty file"));
    EXPECT_TRUE(mentions(s.problems, kPlanTempFileName, 0, "temporary"));
    EXPECT_TRUE(mentions(s.problems, "PROFILES.DAT.NEW", 0, "temporary"));
}

TEST(BadInput, DamagedOptionFiles)
{
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        std::string words;
        Options expected;
    };
    std::vector<std::uint8_t> nine(118, 0);
    nine[0] = 9;   // PrintSection(1) 9: default 1
    nine[12] = 1;  // ReviewListSize 1
    nine[14] = 1;
    Options fromNine;
    fromNine.PrintSection = {1, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {"empty", {}, "shorter than one record", Options{}},
        {"50 bytes", std::vector<std::uint8_t>(50, 0xFF), "shorter than one record", Options{}},
        {"value out of range", nine, "PrintSection(1) is 9", fromNine},
        {"a record and a torn tail", std::vector<std::uint8_t>(118 + 10, 0),
         "holds 128 bytes; only the first 118", Options{{0, 0, 0, 0, 0, 0}, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        DataDir d;
        d.fs.put(kOptionFileName, c.bytes);
        Problems problems;
        loadOptions(d.ctx, d.options, &problems);
        EXPECT_EQ(d.options.values, c.expected) << c.name;
        ASSERT_FALSE(problems.empty()) << c.name;
        EXPECT_NE(problems[0].text.find(c.words), std::string::npos) << c.name << ": " << problems[0].text;
        EXPECT_TRUE(d.prompt.shown().empty()) << c.name;
    }
}

TEST(BadInput, RandomFilesAreReadWithoutCrashingAndReported)
{
    SeededRandom bytes(99);
    for (int round = 0; round < 20; ++round) {
        DataDir d;
        auto noise = [&](std::size_t n) {
            std::vector<std::uint8_t> v(n);
            for (auto& b : v) b = static_cast<std::uint8_t>(bytes.below(256));
            return v;
        };
        d.fs.put(kProfileFileName, noise(640 * 3 + static_cast<std::size_t>(round)));
        d.fs.put("PLNS0001.DAT", noise(9600 * 2));
        d.fs.put(kOptionFileName, noise(118));
        auto s = checkDataDirectory(d.ctx);
        EXPECT_FALSE(s.problems.empty());
        int active = 0;
        scanProfiles(d.ctx, active);
        for (const auto& e : listProfiles(d.ctx)) {
            EXPECT_GE(e.profile.SyllableMin, 1);
            EXPECT_LE(e.profile.SyllableMax, 9);
        }
    }
}

TEST(BadInput, TheTutorsMessageListsTenProblemsThenCountsTheRest)
{
    Problems many;
    for (int i = 1; i <= 12; ++i) many.push_back({"PLNS0001.DAT", i, "InUse is 7, record skipped"});
    const std::string text = dataProblemsMessage(many);
    EXPECT_NE(text.find("PLNS0001.DAT record 10: InUse is 7"), std::string::npos);
    EXPECT_EQ(text.find("PLNS0001.DAT record 11"), std::string::npos);
    EXPECT_NE(text.find("... and 2 more."), std::string::npos);
}
