#include "core/catalogue/Catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

#include "core/catalogue/Marks.h"
#include "core/catalogue/SegmentSet.h"
#include "support/Segments.h"

using namespace moxlet;

namespace {

std::vector<SegmentId> ids(std::initializer_list<int> list) { return {list.begin(), list.end()}; }

// The letters of a name without leading '-'/'*' and without a parenthesised
// sound: "-SION (zhen)" -> "SION".
std::string sortKey(const std::string& name)
{
    std::string key = name.substr(std::min(name.find_first_not_of("-*"), name.size()));
    return key.substr(0, key.find(" ("));
}

}  // namespace

TEST(Catalogue, ListingAllSegmentsStopsAtTheFirstEmptyNameAndNamesAreDistinct)
{
    const auto all = listAllSegments();
    ASSERT_EQ(all.size(), 332u);
    std::set<std::string> seen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i], static_cast<SegmentId>(i));
        const std::string name = segmentName(all[i]);
        EXPECT_FALSE(name.empty()) << i;
        EXPECT_NE(name.front(), ' ') << i;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name " << name;
    }
    EXPECT_EQ(segmentName(all.back()), "Rote Words");
    EXPECT_EQ(segmentName(seg::KindOldWords), "Kind Old Words");
    for (int s = 332; s <= 360; ++s) EXPECT_TRUE(SegmentName[static_cast<std::size_t>(s)].blank()) << s;
    for (int s : {-1, 361, 1000}) EXPECT_EQ(segmentName(s), "") << s;
}

TEST(Catalogue, BlocksRunAlphabeticallyIgnoringLeadingDashAndStar)
{
    struct Block {
        int first;
        int last;
    };
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

// Above ASCII only the pronunciation marks may stand, and the two-byte
// marks (o͞o, o͝o, t͟h) never lose their partner.  Shown, no two texts merge
// and every mark is drawn as a mark, not as its Windows-1252 character
// (U+00A1..U+00B4 are C2 A1..C2 B4).
TEST(Catalogue, TextsHoldPrintableBytesAndWholeMarksAndShowDistinctly)
{
    std::map<std::string, std::string> shownToStored;
    for (int s = 0; s < kSegmentCount; ++s) {
        for (const std::string& text : {segmentName(s), segmentMeaning(s)}) {
            bool hasMark = false;
            for (std::size_t i = 0; i < text.size(); ++i) {
                const auto b = static_cast<unsigned char>(text[i]);
                EXPECT_GE(b, 0x20) << s;
                if (b < 0x80) continue;
                hasMark = hasMark || (b >= 0xA1 && b <= 0xB4);
                EXPECT_TRUE(b >= 0xA1 && b <= 0xB4 && b != 0xA3) << s << ": byte " << int(b);
                const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
                const auto prev = i > 0 ? static_cast<unsigned char>(text[i - 1]) : 0;
                if (b == 0xA9 || b == 0xAB || b == 0xB0) {
                    EXPECT_EQ(next, b + 1) << s;
                }
                if (b == 0xAA || b == 0xAC || b == 0xB1) {
                    EXPECT_EQ(prev, b - 1) << s;
                }
            }
            const std::string shown = displayText(text);
            const auto [it, inserted] = shownToStored.emplace(shown, text);
            EXPECT_TRUE(inserted || it->second == text) << "\"" << shown << "\" merges two texts";
            for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
                const auto lead = static_cast<unsigned char>(shown[i]);
                const auto next = static_cast<unsigned char>(shown[i + 1]);
                EXPECT_FALSE(lead == 0xC2 && next >= 0xA1 && next <= 0xB4) << s << " " << shown;
            }
            if (!hasMark) {
                EXPECT_EQ(shown, cp1252ToUtf8(text)) << s;
            }
        }
    }
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
    std::set<std::string> titles;
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        const auto members = listSet(GroupMask[g]);
        EXPECT_GE(members.size(), 3u) << groupTitle(static_cast<int>(g));
        for (int w = 1; w <= kSetWords; ++w) EXPECT_GE(GroupMask[g].word(w), 0) << g;  // no sign bit
        for (int s = kSegmentCount; s < 360; ++s) EXPECT_FALSE(GroupMask[g].contains(s)) << g;
        EXPECT_TRUE(titles.insert(groupTitle(static_cast<int>(g))).second);
    }
    // No segment belongs to two groups, so naming one group never hides
    // a member of another.
    for (int s = 0; s < kSegmentCount; ++s) {
        int groups = 0;
        for (const auto& mask : GroupMask) groups += mask.contains(s) ? 1 : 0;
        EXPECT_LE(groups, 1) << s;
    }
    EXPECT_EQ(groupTitle(21), "");
}

TEST(Catalogue, GroupOfFollowsTheTeachingDistinctions)
{
    const std::pair<int, int> cases[] = {
        {11, 0},  // C (k) is a single consonant, C (s) is not
        {12, -1},  {37, 0},   {38, -1},  {110, 0},
        {111, -1}, {86, 0},   {87, -1},  {114, 1},  // Y (vowel, short i) is a short vowel
        {118, 7},  {158, 8},  {164, 9},  {214, 14},
        {273, 20}, {331, -1}, {358, -1}, {-1, -1},
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
        if (BlendPart[static_cast<std::size_t>(b - kFirstBlend)][2] != kNoSegment) threeParts.insert(b);
    EXPECT_EQ(threeParts, (std::set<int>{143, 150, 151, 154}));  // SCR, SPL, SPR, STR
}

TEST(Catalogue, BlendPrerequisites)
{
    struct Case {
        int blend;
        std::initializer_list<int> have;
        bool ok;
    };
    // ND: N, D; SC (sk) needs C (k), not C (s); SCR needs its third
    // component; SCH (sk) needs CH (k), not CH (ch); SQU needs QU; THR needs
    // TH, not T; what is no blend waits for nothing.
    const Case cases[] = {
        {137, {55, 17}, true},  {137, {55}, false},        {142, {86, 11}, true},  {142, {86, 12}, false},
        {143, {86, 11}, false}, {143, {86, 11, 84}, true}, {144, {86, 13}, false}, {144, {86, 14}, true},
        {152, {86, 81}, true},  {156, {93, 84}, false},    {156, {95, 84}, true},  {154, {86, 93, 84}, true},
        {150, {86, 79}, false}, {124, {}, false},          {123, {}, true},        {159, {}, true}};
    for (const auto& c : cases)
        EXPECT_EQ(blendComponentsPresent(c.blend, test::segmentSet(c.have)), c.ok) << c.blend;
    for (int id : {124, 158}) EXPECT_TRUE(isBlend(id)) << id;
    for (int id : {123, 159}) EXPECT_FALSE(isBlend(id)) << id;
}

TEST(Catalogue, ListSetIsInIdOrderAndSkipsUnnamedIds)
{
    SegmentSet s = test::segmentSet({331, 15, 0, 14, 164, 165});
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
        {{118, 119, 120, 121, 122, 123}, {7}, {}},                        // Six Syllable Types
        {{118, 119, 120, 121, 122}, {}, ids({118, 119, 120, 121, 122})},  // five: listed
        {{0, 19, 43, 58, 99, 114, 12, 117}, {1}, ids({12, 117})},         // Short Vowels + others
        {{24, 25, 26, 71, 72, 73, 74}, {5}, ids({71, 72, 73, 74})},       // All EAR, partial OUGH
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        SegmentSet p = test::segmentSet(c.set);
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

// The headings of a list of every segment hold each segment once, a group's
// heading exactly that group, and each other heading segments of one kind.
TEST(Catalogue, HeadingsHoldEverySegmentOnceWithGroupsWhole)
{
    std::map<int, int> seen;
    std::vector<std::string> titles;
    for (const SegmentHeading& h : segmentHeadings()) {
        titles.push_back(h.title);
        EXPECT_TRUE(std::is_sorted(h.members.begin(), h.members.end())) << h.title;
        for (SegmentId s : h.members) ++seen[s];
        if (h.group >= 0) {
            EXPECT_EQ(h.title, groupTitle(h.group));
            EXPECT_EQ(h.members, listSet(GroupMask[static_cast<std::size_t>(h.group)]));
        } else {
            ASSERT_FALSE(h.members.empty()) << h.title;
            for (SegmentId s : h.members) EXPECT_EQ(groupOf(s), -1) << h.title << " " << s;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSegmentCount));
    for (const auto& [segment, count] : seen) EXPECT_EQ(count, 1) << segment;
    // The others stand after their kind's last group; the categories last.
    const auto at = [&](const char* t) {
        return std::find(titles.begin(), titles.end(), t) - titles.begin();
    };
    EXPECT_EQ(at("Other Phonograms"), at("All OUGH") + 1);
    EXPECT_EQ(at("Other Prefixes"), at("Level III Prefixes") + 1);
    EXPECT_EQ(at("Other Suffixes"), at("Connective I Suffixes") + 1);
    EXPECT_EQ(titles.back(), "Word Categories");
    EXPECT_EQ(segmentHeadings().back().members, ids({seg::KindOldWords, seg::RoteWords}));
}
