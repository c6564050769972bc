// The 21 segment groups and the components of the 35 consonant blends.

#include <initializer_list>

#include "core/catalogue/Catalogue.h"

namespace moxlet {

namespace {

struct IdRange {
    int first;
    int last;
};

// The set holding every id of the given inclusive ranges.
constexpr SegmentSet members(std::initializer_list<IdRange> ranges)
{
    SegmentSet set;
    for (const IdRange& r : ranges)
        for (int s = r.first; s <= r.last; ++s) set.add(s);
    return set;
}

// Fails to compile when the text is longer than the field.
consteval FixedText<25> title(std::string_view s) { return catalogue_detail::fixedText<25>(s); }

}  // namespace

constinit const std::array<FixedText<25>, kGroupCount> GroupTitle = {{
    /*  0 */ title("Single Consonants"),
    /*  1 */ title("Short Vowels"),
    /*  2 */ title("Consonant Digraphs"),
    /*  3 */ title("Vowel/R Pairs"),
    /*  4 */ title("Vowel Pairs"),
    /*  5 */ title("All EAR"),
    /*  6 */ title("All OUGH"),
    /*  7 */ title("Six Syllable Types"),
    /*  8 */ title("Consonant Blends"),
    /*  9 */ title("Rules"),
    /* 10 */ title("Level I Suffixes"),
    /* 11 */ title("Level I Prefixes"),
    /* 12 */ title("Level II Suffixes"),
    /* 13 */ title("Level II Prefixes"),
    /* 14 */ title("Chameleon Prefixes"),
    /* 15 */ title("Level III Suffixes"),
    /* 16 */ title("Level III Prefixes"),
    /* 17 */ title("Level I Suffix Families"),
    /* 18 */ title("Level II Suffix Families"),
    /* 19 */ title("Connective I Suffixes"),
    /* 20 */ title("Roots"),
}};

constinit const std::array<SegmentSet, kGroupCount> GroupMask = {{
    // 0 Single Consonants (21 members)
    members({{10, 11},
             {17, 17},
             {36, 37},
             {42, 42},
             {48, 49},
             {51, 52},
             {55, 55},
             {79, 79},
             {81, 81},
             {84, 84},
             {86, 86},
             {93, 93},
             {103, 104},
             {110, 110},
             {115, 116}}),
    // 1 Short Vowels (6 members)
    members({{0, 0}, {19, 19}, {43, 43}, {58, 58}, {99, 99}, {114, 114}}),
    // 2 Consonant Digraphs (7 members)
    members({{13, 15}, {80, 80}, {89, 89}, {95, 96}}),
    // 3 Vowel/R Pairs (5 members)
    members({{5, 5}, {31, 31}, {47, 47}, {66, 66}, {102, 102}}),
    // 4 Vowel Pairs (30 members)
    members({{2, 2},
             {6, 6},
             {8, 9},
             {21, 23},
             {27, 29},
             {32, 35},
             {44, 45},
             {61, 65},
             {67, 70},
             {76, 78},
             {100, 101}}),
    // 5 All EAR (3 members)
    members({{24, 26}}),
    // 6 All OUGH (5 members)
    members({{71, 75}}),
    // 7 Six Syllable Types (6 members)
    members({{118, 123}}),
    // 8 Consonant Blends (35 members)
    members({{124, 158}}),
    // 9 Rules (6 members)
    members({{159, 164}}),
    // 10 Level I Suffixes (9 members)
    members({{229, 231}, {236, 236}, {239, 239}, {245, 245}, {255, 256}, {258, 258}}),
    // 11 Level I Prefixes (16 members)
    members({{165, 165},
             {167, 167},
             {169, 170},
             {173, 174},
             {176, 177},
             {179, 180},
             {191, 191},
             {193, 194},
             {196, 196},
             {200, 200},
             {205, 205}}),
    // 12 Level II Suffixes (10 members)
    members({{215, 215},
             {217, 217},
             {222, 222},
             {238, 238},
             {243, 243},
             {248, 248},
             {253, 253},
             {257, 257},
             {263, 264}}),
    // 13 Level II Prefixes (10 members)
    members({{184, 186}, {188, 190}, {198, 198}, {201, 203}}),
    // 14 Chameleon Prefixes (8 members)
    members({{207, 214}}),
    // 15 Level III Suffixes (7 members)
    members({{232, 232}, {242, 242}, {250, 250}, {265, 265}, {270, 272}}),
    // 16 Level III Prefixes (15 members)
    members({{166, 166},
             {168, 168},
             {171, 172},
             {175, 175},
             {178, 178},
             {181, 183},
             {187, 187},
             {192, 192},
             {195, 195},
             {197, 197},
             {199, 199},
             {204, 204}}),
    // 17 Level I Suffix Families (8 members)
    members({{216, 216}, {221, 221}, {223, 224}, {237, 237}, {254, 254}, {261, 262}}),
    // 18 Level II Suffix Families (12 members)
    members({{218, 220}, {225, 227}, {233, 235}, {267, 269}}),
    // 19 Connective I Suffixes (5 members)
    members({{240, 241}, {246, 247}, {252, 252}}),
    // 20 Roots (58 members)
    members({{273, 330}}),
}};

constinit const std::array<std::array<SegmentId, 3>, kBlendCount> BlendPart = {{
    {{10, 51, -1}},   // 124 BL: B, L
    {{10, 84, -1}},   // 125 BR: B, R
    {{11, 51, -1}},   // 126 CL: C (k), L
    {{11, 84, -1}},   // 127 CR: C (k), R
    {{11, 93, -1}},   // 128 CT: C (k), T
    {{17, 84, -1}},   // 129 DR: D, R
    {{36, 51, -1}},   // 130 FL: F, L
    {{36, 84, -1}},   // 131 FR: F, R
    {{36, 93, -1}},   // 132 FT: F, T
    {{37, 51, -1}},   // 133 GL: G (g), L
    {{37, 84, -1}},   // 134 GR: G (g), R
    {{51, 93, -1}},   // 135 LT: L, T
    {{52, 79, -1}},   // 136 MP: M, P
    {{55, 17, -1}},   // 137 ND: N, D
    {{55, 93, -1}},   // 138 NT: N, T
    {{79, 51, -1}},   // 139 PL: P, L
    {{79, 84, -1}},   // 140 PR: P, R
    {{79, 93, -1}},   // 141 PT: P, T
    {{86, 11, -1}},   // 142 SC (sk): S, C (k)
    {{86, 11, 84}},   // 143 SCR: S, C (k), R
    {{86, 14, -1}},   // 144 SCH (sk): S, CH (k)
    {{86, 49, -1}},   // 145 SK: S, K
    {{86, 51, -1}},   // 146 SL: S, L
    {{86, 52, -1}},   // 147 SM: S, M
    {{86, 55, -1}},   // 148 SN: S, N
    {{86, 79, -1}},   // 149 SP: S, P
    {{86, 79, 51}},   // 150 SPL: S, P, L
    {{86, 79, 84}},   // 151 SPR: S, P, R
    {{86, 81, -1}},   // 152 SQU: S, QU
    {{86, 93, -1}},   // 153 ST: S, T
    {{86, 93, 84}},   // 154 STR: S, T, R
    {{86, 104, -1}},  // 155 SW: S, W
    {{95, 84, -1}},   // 156 THR: TH, R
    {{93, 84, -1}},   // 157 TR: T, R
    {{93, 104, -1}},  // 158 TW: T, W
}};

}  // namespace moxlet
