#include <gtest/gtest.h>

#include "core/store/OptionCodec.h"
#include "core/store/PlanCodec.h"
#include "core/store/ProfileCodec.h"
#include "core/store/Scrambler.h"
#include "support/DataDirFixture.h"
#include "support/ScriptedRandom.h"

using namespace moxlet;
using moxlet::test::DataDir;

namespace {
std::int16_t at(const std::vector<std::uint8_t>& b, std::size_t offset)
{
    return static_cast<std::int16_t>(b[offset] | (b[offset + 1] << 8));
}
std::string textAt(const std::vector<std::uint8_t>& b, std::size_t offset, std::size_t n)
{
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(offset),
                       b.begin() + static_cast<std::ptrdiff_t>(offset + n));
}
}  // namespace

TEST(OptionCodec, FieldsSitAtTheirOffsets)
{
    OptionRecord r;
    r.PrintSection = {1, 2, 3, 4, 5, 6};
    r.ReviewListSize = 7;
    r.NewListSize = 8;
    r.PageBreak = 9;
    r.SegmentOrder = 10;
    r.HomophoneMode = 11;
    r.BlankLines = 12;
    r.FontSizeMode = -2;
    r.Reserved2 = 0x1234;
    auto b = OptionCodec::encode(r);
    ASSERT_EQ(b.size(), 118u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(at(b, 2 * i), static_cast<int>(i + 1));
    EXPECT_EQ(at(b, 12), 7);
    EXPECT_EQ(at(b, 20), 11);
    EXPECT_EQ(b[24], 0xFE);
    EXPECT_EQ(b[25], 0xFF);
    EXPECT_EQ(b[116], 0x34);
    EXPECT_EQ(b[117], 0x12);
    EXPECT_EQ(OptionCodec::decode(b), r);
}

TEST(ProfileCodec, FieldsSitAtTheirOffsets)
{
    StudentProfile p;
    p.ProfileNo = 258;
    p.LastName.assign("Ames");
    p.StudentComments.assign("likes cats");
    p.SyllableMin = 2;
    p.SyllableMax = 7;
    p.Seed1 = 11;
    p.StudiedSegments.word(1) = 0x0101;
    p.StudiedSegments.word(24) = 0x6000;
    p.FormatVersion = kFormatVersion;
    p.ProfileFiller[57] = 31999;
    p.InUse = 1;
    auto b = ProfileCodec::encode(p);
    ASSERT_EQ(b.size(), 640u);
    EXPECT_EQ(b[0], 2);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(textAt(b, 2, 25), "Ames" + std::string(21, ' '));
    EXPECT_EQ(textAt(b, 305, 10), "likes cats");
    EXPECT_EQ(textAt(b, 385, 49), std::string(49, ' '));
    EXPECT_EQ(at(b, 434), 2);
    EXPECT_EQ(at(b, 436), 7);
    EXPECT_EQ(at(b, 464), 11);
    EXPECT_EQ(at(b, 470), 0x0101);
    EXPECT_EQ(at(b, 516), 0x6000);
    EXPECT_EQ(at(b, 518), 30100);
    EXPECT_EQ(at(b, 634), 31999);
    EXPECT_EQ(at(b, 636), 1);
    EXPECT_EQ(at(b, 638), 0);
    EXPECT_EQ(ProfileCodec::decode(b), p);
}

TEST(PlanCodec, FieldsSitAtTheirOffsetsWithTheFirstIndexFastest)
{
    LessonPlan p;
    p.ProfileNo = 7;
    p.LessonDate.assign("03-14-26");
    p.AuditorySegments[9] = 9;
    p.ReviewSegments[0] = 10;
    p.SpellingSegments[14] = 14;
    p.NewSegments[4] = 44;
    p.SpellWordTag[60] = -9;
    p.SpellWord[1].assign("cat");
    p.ListWordPos[1][0][0] = 100;          // (1, 0, 0): second entry
    p.ListWordPos[0][1][0] = 200;          // (0, 1, 0): third entry
    p.ListWordPos[0][0][1] = 300;          // (0, 0, 1): ninth entry
    p.ListWord[1][3][39].assign("zebra");  // last entry
    p.Sentence[10].assign("Read pages 4-9.");
    p.SpellingThinOffset[0] = 5;
    p.ReviewThinOffset[3] = 6;
    p.NewThinOffset[0] = 7;
    p.Seed3 = 8;
    p.PlanStudiedSegments.word(24) = 0x6000;
    p.PlanFiller[0] = 1;
    p.PlanReviewListSize = 2;
    p.PlanNewListSize = 1;
    p.FormatVersion = kFormatVersion;
    p.InUse = 1;
    auto b = PlanCodec::encode(p);
    ASSERT_EQ(b.size(), 9600u);
    EXPECT_EQ(at(b, 0), 7);
    EXPECT_EQ(textAt(b, 52, 8), "03-14-26");
    EXPECT_EQ(at(b, 82), 9);
    EXPECT_EQ(at(b, 84), 10);
    EXPECT_EQ(at(b, 122), 14);
    EXPECT_EQ(at(b, 132), 44);
    EXPECT_EQ(at(b, 254), -9);
    EXPECT_EQ(textAt(b, 276, 3), "cat");
    EXPECT_EQ(at(b, 1478), 100);
    EXPECT_EQ(at(b, 1480), 200);
    EXPECT_EQ(at(b, 1476 + 8 * 2), 300);
    EXPECT_EQ(textAt(b, 2116 + 319 * 20, 5), "zebra");
    EXPECT_EQ(textAt(b, 8516 + 10 * 80, 15), "Read pages 4-9.");
    EXPECT_EQ(at(b, 9396), 5);
    EXPECT_EQ(at(b, 9432), 6);
    EXPECT_EQ(at(b, 9434), 7);
    EXPECT_EQ(at(b, 9446), 8);
    EXPECT_EQ(at(b, 9520), 0x6000);
    EXPECT_EQ(at(b, 9522), 1);
    EXPECT_EQ(at(b, 9590), 2);
    EXPECT_EQ(at(b, 9592), 1);
    EXPECT_EQ(at(b, 9594), 30100);
    EXPECT_EQ(at(b, 9596), 1);
    EXPECT_EQ(PlanCodec::decode(b), p);
}

TEST(Codecs, ShortInputDecodesAsZerosWithoutReadingPastIt)
{
    std::vector<std::uint8_t> three{1, 0, 'A'};
    StudentProfile p = ProfileCodec::decode(three);
    EXPECT_EQ(p.ProfileNo, 1);
    EXPECT_EQ(p.LastName.bytes()[0], 'A');
    EXPECT_EQ(p.LastName.bytes()[1], '\0');
    EXPECT_EQ(p.InUse, 0);
    EXPECT_EQ(PlanCodec::decode({}).InUse, 0);
}

TEST(Scrambler, RecordsReadBackEqualWhileTheirStoredBytesDiffer)
{
    DataDir d;
    StudentProfile p = DataDir::profile(3, "Ames", "Ann", {0, 17, 30, 124, 331});
    auto first = encodeProfileRecord(p, d.random);
    auto second = encodeProfileRecord(p, d.random);
    EXPECT_NE(first, second);
    EXPECT_EQ(decodeProfileRecord(first), p);
    EXPECT_EQ(decodeProfileRecord(second), p);
    // The studied block is not stored plainly.
    StudentProfile stored = ProfileCodec::decode(first);
    EXPECT_NE(stored.StudiedSegments, p.StudiedSegments);
    EXPECT_NE(stored.Seed1 | stored.Seed2 | stored.Seed3, 0);

    LessonPlan plan = DataDir::plan(p, "01-02-03");
    auto a = encodePlanRecord(plan, d.random);
    auto b = encodePlanRecord(plan, d.random);
    EXPECT_NE(a, b);
    EXPECT_EQ(decodePlanRecord(a), plan);
    EXPECT_EQ(decodePlanRecord(b), plan);
}

TEST(Scrambler, EverySeedRowCombinationRoundTrips)
{
    // Seeds 0..6 in all combinations reach every (a, b, c) row triple.
    for (int a = 0; a < 7; ++a)
        for (int b = 0; b < 7; ++b)
            for (int c = 0; c < 7; ++c) {
                ScriptedRandom rnd({a / 32000.0 + 1e-9, b / 32000.0 + 1e-9, c / 32000.0 + 1e-9, 0.5});
                StudentProfile p;
                for (int w = 1; w <= 24; ++w) p.StudiedSegments.word(w) = static_cast<std::int16_t>(w * 1111);
                StudentProfile s = p;
                scrambleProfile(s, rnd);
                unscrambleProfile(s);
                ASSERT_EQ(s, p) << a << b << c;
                LessonPlan q;
                q.PlanStudiedSegments = p.StudiedSegments;
                LessonPlan t = q;
                scramblePlan(t, rnd);
                unscramblePlan(t);
                ASSERT_EQ(t, q) << a << b << c;
            }
}
