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

// Each (offset, value): a little-endian 16-bit field, or a text of the
// given bytes.
struct At {
    std::size_t offset;
    int value;
};
struct TextAt {
    std::size_t offset;
    std::string text;
};

void expectFields(const std::vector<std::uint8_t>& b, std::initializer_list<At> ints,
                  std::initializer_list<TextAt> texts)
{
    for (const At& f : ints)
        EXPECT_EQ(static_cast<std::int16_t>(b[f.offset] | (b[f.offset + 1] << 8)), f.value) << f.offset;
    for (const TextAt& t : texts)
        EXPECT_EQ(std::string(b.begin() + static_cast<std::ptrdiff_t>(t.offset),
                              b.begin() + static_cast<std::ptrdiff_t>(t.offset + t.text.size())),
                  t.text)
            << t.offset;
}

}  // namespace

TEST(OptionCodec, FieldsSitAtTheirOffsets)
{
    OptionRecord r{{1, 2, 3, 4, 5, 6}, 7, 8, 9, 10, 11, 12, -2};
    r.Reserved2 = 0x1234;
    auto b = OptionCodec::encode(r);
    ASSERT_EQ(b.size(), 118u);
    expectFields(
        b, {{0, 1}, {2, 2}, {4, 3}, {6, 4}, {8, 5}, {10, 6}, {12, 7}, {20, 11}, {24, -2}, {116, 0x1234}}, {});
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
    expectFields(b,
                 {{0, 258},
                  {434, 2},
                  {436, 7},
                  {464, 11},
                  {470, 0x0101},
                  {516, 0x6000},
                  {518, 30100},
                  {634, 31999},
                  {636, 1},
                  {638, 0}},
                 {{2, "Ames" + std::string(21, ' ')}, {305, "likes cats"}, {385, std::string(49, ' ')}});
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
    expectFields(
        b,
        {{0, 7},
         {82, 9},
         {84, 10},
         {122, 14},
         {132, 44},
         {254, -9},
         {1478, 100},
         {1480, 200},
         {1476 + 8 * 2, 300},
         {9396, 5},
         {9432, 6},
         {9434, 7},
         {9446, 8},
         {9520, 0x6000},
         {9522, 1},
         {9590, 2},
         {9592, 1},
         {9594, 30100},
         {9596, 1}},
        {{52, "03-14-26"}, {276, "cat"}, {2116 + 319 * 20, "zebra"}, {8516 + 10 * 80, "Read pages 4-9."}});
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
