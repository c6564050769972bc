#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "catalogue/Catalogue.h"

using namespace moxlet;

namespace {

SegmentSet setOf(std::initializer_list<int> ids)
{
    SegmentSet s;
    for (int id : ids) s.add(id);
    return s;
}

std::vector<SegmentId> ids(std::initializer_list<int> list) { return {list.begin(), list.end()}; }

// The letters of a name without leading '-'/'*' and without a parenthesised
// sound: "-SION (zhen)" -> "SION".
std::string sortKey(const std::string& name)
{
    std::string key = name.substr(std::min(name.find_first_not_of("-*"), name.size()));
    return key.substr(0, key.find(" ("));
}

}  // namespace

TEST(Catalogue, ListingAllSegmentsStopsAtTheFirstEmptyName)
{
    const auto all = listAllSegments();
    ASSERT_EQ(all.size(), 332u);
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], static_cast<SegmentId>(i));
    EXPECT_EQ(segmentName(all.back()), "Rote Words");
    EXPECT_EQ(segmentName(seg::KindOldWords), "Kind Old Words");
    for (int s = 332; s <= 360; ++s)
        EXPECT_TRUE(SegmentName[static_cast<std::size_t>(s)].blank()) << s;
    for (int s : {-1, 361, 1000}) EXPECT_EQ(segmentName(s), "") << s;
}

TEST(Catalogue, NamesAreDistinctAndKeepTheirAffixMarks)
{
    std::set<std::string> seen;
    for (int s = 0; s < kSegmentCount; ++s) {
        const std::string name = segmentName(s);
        EXPECT_FALSE(name.empty()) << s;
        EXPECT_NE(name.front(), ' ') << s;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name " << name;
    }
    const std::map<int, std::string> exact = {
        {16, "-CK"}, {50, "KN-"}, {56, "*NG"}, {57, "*NK"}, {254, "-I*E"}, {32, "EU (\xAD)"},
        {33, "EW (\xAD)"}, {96, "TH (\xB0\xB1)"}, {159, "1-1-1 Rule"}, {206, "Number Prefixes"},
        {207, "A- (+ cons)"}, {273, "AUD/AUS"}, {330, "VOC/VOK"}};
    for (const auto& [id, name] : exact) EXPECT_EQ(segmentName(id), name) << id;
}

TEST(Catalogue, BlocksRunAlphabeticallyIgnoringLeadingDashAndStar)
{
    struct Block { int first; int last; };
    const Block blocks[] = {{0, 116}, {124, 158}, {165, 205}, {207, 214}, {215, 272}, {273, 330}};
    // The fixed numbering keeps these neighbours in their historical order.
    const std::set<int> knownOutOfOrder = {107 /* WOR before WH */, 143 /* SCR before SCH (sk) */,
                                           253 /* -IVE before -I*E */};
    for (const auto& b : blocks) {
        for (int s = b.first; s < b.last; ++s) {
            if (knownOutOfOrder.count(s) != 0) {
                EXPECT_GT(sortKey(segmentName(s)), sortKey(segmentName(s + 1))) << s;
            } else {
                EXPECT_LE(sortKey(segmentName(s)), sortKey(segmentName(s + 1)))
                    << segmentName(s) << " / " << segmentName(s + 1);
            }
        }
    }
}

TEST(Catalogue, MarkBytesStandExactlyWhereTheyBelong)
{
    // mark byte -> ids whose name holds it; ids >= 1000 are meanings of id - 1000.
    const std::map<unsigned char, std::set<int>> where = {
        {0xA1, {1, 20, 229}},
        {0xA2, {23, 26, 29, 35}},
        {0xA4, {21, 24, 28, 34, 45, 113, 1283, 1307, 1322, 1326, 1329}},
        {0xA5, {19, 22}},
        {0xA6, {44, 112}},
        {0xA7, {70, 75, 76}},
        {0xA8, {60}},
        {0xA9, {64, 69, 74}},
        {0xAA, {64, 69, 74}},
        {0xAB, {65}},
        {0xAC, {65}},
        {0xAD, {32, 33}},
        {0xAE, {68, 99}},
        {0xAF, {59}},
        {0xB0, {96}},
        {0xB1, {96}},
        {0xB2, {0}},
        {0xB3, {43, 114}},
        {0xB4, {58}},
    };
    std::map<unsigned char, std::set<int>> found;
    auto scan = [&](const std::string& text, int key) {
        for (char c : text) {
            const auto b = static_cast<unsigned char>(c);
            if (b >= 0x80) found[b].insert(key);
        }
    };
    for (int s = 0; s < kSegmentCount; ++s) {
        scan(segmentName(s), s);
        scan(segmentMeaning(s), 1000 + s);
    }
    EXPECT_EQ(found, where);
    // The two-byte marks are always adjacent pairs.
    for (int s : {64, 69, 74}) EXPECT_NE(segmentName(s).find("\xA9\xAA"), std::string::npos) << s;
    EXPECT_NE(segmentName(65).find("\xAB\xAC"), std::string::npos);
}

TEST(Catalogue, OnlyAffixesAndRootsHaveMeanings)
{
    const std::set<int> emptyMeanings = {206, 209, 213, 246, 254};
    for (int s = -1; s <= 361; ++s) {
        const bool inRange = s >= 165 && s <= 330;
        EXPECT_EQ(hasMeaning(s), inRange) << s;
        EXPECT_EQ(segmentMeaning(s).empty(), !inRange || emptyMeanings.count(s) != 0) << s;
    }
    for (std::size_t i = 166; i < kMeaningSlots; ++i) EXPECT_TRUE(SegmentMeaning[i].blank()) << i;
    EXPECT_EQ(segmentMeaning(165), "on; in; at; in a state; not; without");
    EXPECT_EQ(segmentMeaning(283), "Latin, compl\xA4re = to fill/complete");
    EXPECT_EQ(segmentMeaning(330), "Latin, vocare = to call");
}

TEST(Catalogue, GroupsPartitionTheGroupedSegments)
{
    const int memberCounts[kGroupCount] = {21, 6, 7, 5, 30, 3, 5, 6, 35, 6, 9,
                                           16, 10, 10, 8, 7, 15, 8, 12, 5, 58};
    const std::set<int> ungrouped = {
        1,   3,   4,   7,   12,  16,  18,  20,  30,  38,  39,  40,  41,  46,  50,  53,  54,
        56,  57,  59,  60,  82,  83,  85,  87,  88,  90,  91,  92,  94,  97,  98,  105, 106,
        107, 108, 109, 111, 112, 113, 117, 206, 228, 244, 249, 251, 259, 260, 266, 331};
    std::set<std::string> titles;
    int total = 0;
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const auto members = listSet(GroupMask[g]);
        EXPECT_EQ(static_cast<int>(members.size()), memberCounts[g])
            << groupTitle(static_cast<int>(g));
        total += static_cast<int>(members.size());
        for (int w = 1; w <= kSetWords; ++w)
            EXPECT_GE(GroupMask[g].word(w), 0) << g; // no sign bit
        for (int s = kSegmentCount; s < 360; ++s) EXPECT_FALSE(GroupMask[g].contains(s)) << g;
        EXPECT_TRUE(titles.insert(groupTitle(static_cast<int>(g))).second);
    }
    EXPECT_EQ(total, 282);
    for (int s = 0; s < kSegmentCount; ++s) {
        int groups = 0;
        for (const auto& mask : GroupMask) groups += mask.contains(s) ? 1 : 0;
        EXPECT_EQ(groups, ungrouped.count(s) != 0 ? 0 : 1) << s;
    }
    EXPECT_EQ(groupTitle(0), "Single Consonants");
    EXPECT_EQ(groupTitle(20), "Roots");
    EXPECT_EQ(groupTitle(21), "");
}

TEST(Catalogue, GroupOfFollowsTheTeachingDistinctions)
{
    const std::pair<int, int> cases[] = {
        {11, 0},   // C (k) is a single consonant, C (s) is not
        {12, -1},  {37, 0},  {38, -1}, {110, 0}, {111, -1}, {86, 0}, {87, -1},
        {114, 1},  // Y (vowel, short i) is a short vowel
        {118, 7},  {158, 8}, {164, 9}, {214, 14}, {273, 20}, {331, -1}, {358, -1}, {-1, -1},
    };
    for (const auto& [id, group] : cases) EXPECT_EQ(groupOf(id), group) << id;
}

TEST(Catalogue, BlendComponentsSpellTheBlend)
{
    for (int b = kFirstBlend; b <= kLastBlend; ++b) {
        const auto& parts = BlendPart[static_cast<std::size_t>(b - kFirstBlend)];
        std::string spelled;
        for (int k = 0; k < 3; ++k) {
            const int c = parts[static_cast<std::size_t>(k)];
            if (c == kNoSegment) {
                EXPECT_EQ(k, 2) << b;
                continue;
            }
            EXPECT_LT(c, kFirstBlend) << b;  // a phonogram, not a blend
            EXPECT_GE(c, 0) << b;
            EXPECT_FALSE(isBlend(c));
            spelled += sortKey(segmentName(c));
        }
        EXPECT_EQ(spelled, sortKey(segmentName(b))) << b;
        EXPECT_TRUE(GroupMask[8].contains(b));
    }
    std::set<int> threeParts;
    for (int b = kFirstBlend; b <= kLastBlend; ++b)
        if (BlendPart[static_cast<std::size_t>(b - kFirstBlend)][2] != kNoSegment)
            threeParts.insert(b);
    EXPECT_EQ(threeParts, (std::set<int>{143, 150, 151, 154}));  // SCR, SPL, SPR, STR
}

TEST(Catalogue, BlendPrerequisites)
{
    struct Case { int blend; std::initializer_list<int> have; bool ok; };
    const Case cases[] = {
        {137, {55, 17}, true},        // ND: N, D
        {137, {55}, false},
        {142, {86, 11}, true},        // SC (sk) needs C (k)
        {142, {86, 12}, false},       // ... not C (s)
        {143, {86, 11}, false},       // SCR needs its third component
        {143, {86, 11, 84}, true},
        {144, {86, 13}, false},       // SCH (sk) needs CH (k), not CH (ch)
        {144, {86, 14}, true},
        {152, {86, 81}, true},        // SQU needs QU
        {156, {93, 84}, false},       // THR needs TH, not T
        {156, {95, 84}, true},
        {154, {86, 93, 84}, true},
        {150, {86, 79}, false},
        {124, {}, false},
        {123, {}, true},              // not a blend: nothing to wait for
        {159, {}, true},
    };
    for (const auto& c : cases) {
        SegmentSet have;
        for (int id : c.have) have.add(id);
        EXPECT_EQ(blendComponentsPresent(c.blend, have), c.ok) << c.blend;
    }
    EXPECT_TRUE(isBlend(124));
    EXPECT_TRUE(isBlend(158));
    EXPECT_FALSE(isBlend(123));
    EXPECT_FALSE(isBlend(159));
}

TEST(Catalogue, ListSetIsInIdOrderAndSkipsUnnamedIds)
{
    SegmentSet s = setOf({331, 15, 0, 14, 164, 165});
    s.setFlagBits();
    s.add(340);
    EXPECT_EQ(listSet(s), ids({0, 14, 15, 164, 165, 331}));
    EXPECT_TRUE(listSet(SegmentSet{}).empty());
}

TEST(Catalogue, CollapseNamesCompleteGroupsOnly)
{
    struct Case {
        std::initializer_list<int> set;
        std::vector<int> groups;
        std::vector<SegmentId> rest;
    };
    const Case cases[] = {
        {{118, 119, 120, 121, 122, 123}, {7}, {}},                       // Six Syllable Types
        {{118, 119, 120, 121, 122}, {}, ids({118, 119, 120, 121, 122})}, // five: listed
        {{0, 19, 43, 58, 99, 114, 12, 117}, {1}, ids({12, 117})},        // Short Vowels + others
        {{24, 25, 26, 71, 72, 73, 74}, {5}, ids({71, 72, 73, 74})},      // All EAR, partial OUGH
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        SegmentSet p = setOf(c.set);
        p.setFlagBits();  // as every loaded profile has them: never listed
        const CollapsedSet out = collapseGroups(p);
        EXPECT_EQ(out.groups, c.groups);
        EXPECT_EQ(out.segments, c.rest);
    }
}

TEST(Catalogue, CollapseOfEverySegmentNamesAllGroupsAndListsTheUngrouped)
{
    SegmentSet all;
    for (SegmentId s : listAllSegments()) all.add(s);
    all.setFlagBits();
    const CollapsedSet out = collapseGroups(all);
    ASSERT_EQ(out.groups.size(), kGroupCount);
    for (std::size_t g = 0; g < kGroupCount; ++g) EXPECT_EQ(out.groups[g], static_cast<int>(g));
    EXPECT_EQ(out.segments.size(), 50u);
    for (SegmentId s : out.segments) EXPECT_EQ(groupOf(s), -1) << s;
}
