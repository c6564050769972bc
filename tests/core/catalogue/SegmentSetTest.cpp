#include "core/catalogue/SegmentSet.h"

#include <gtest/gtest.h>

using namespace moxlet;

TEST(SegmentSet, BitPositionsFollowFifteenBitWords)
{
    struct Case {
        int id;
        int word;
        std::int16_t mask;
    };
    const Case cases[] = {{0, 1, 1},  {14, 1, 0x4000},   {15, 2, 1},        {17, 2, 4},
                          {30, 3, 1}, {331, 23, 0x0002}, {358, 24, 0x2000}, {359, 24, 0x4000}};
    for (const auto& c : cases) {
        SegmentSet s;
        s.add(c.id);
        EXPECT_EQ(s.word(c.word), c.mask) << c.id;
        EXPECT_TRUE(s.contains(c.id)) << c.id;
        s.remove(c.id);
        EXPECT_EQ(s, SegmentSet{}) << c.id;
    }
}

TEST(SegmentSet, SignBitNeverCarriesASegmentAndOutOfRangeIdsAreIgnored)
{
    SegmentSet s;
    for (int id = 0; id < 360; ++id) s.add(id);
    for (int w = 1; w <= 24; ++w) EXPECT_EQ(s.word(w), 0x7FFF) << w;
    SegmentSet t;
    t.add(-1);
    t.add(360);
    EXPECT_EQ(t, SegmentSet{});
    EXPECT_FALSE(t.contains(-1));
}
