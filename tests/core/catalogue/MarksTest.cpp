#include "core/catalogue/Marks.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace moxlet;

TEST(Marks, Cp1252ConvertsEveryByte)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Kind Old Words", "Kind Old Words"},
        {"\x80", "\u20AC"},
        {"\x81", "\u0081"},  // undefined in the code page: kept as the C1 control
        {"\x8D\x8F\x90\x9D", "\u008D\u008F\u0090\u009D"},
        {"\x92", "\u2019"},
        {"\x9F", "\u0178"},
        {"\xA0", "\u00A0"},
        {"\xAD", "\u00AD"},  // soft hyphen stays
        {"\xB2", "\u00B2"},
        {"caf\xE9", "caf\u00E9"},
        {"\xFF", "\u00FF"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(cp1252ToUtf8(in), out);

    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string one = cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_FALSE(one.empty()) << b;
        EXPECT_TRUE(seen.insert(one).second) << "byte " << b << " merges with another";
    }
}

TEST(Marks, DisplayDrawsEachMark)
{
    const std::pair<std::string, std::string> cases[] = {
        {"A (\xB2)", "A (\u0103)"},
        {"A (\xA1)", "A (\u0259)"},
        {"EA (\xA2)", "EA (\u0101)"},
        {"EAR (\xA4r)", "EAR (\u0113r)"},
        {"E (\xA5)", "E (\u0115)"},
        {"IE (\xA6)", "IE (\u012B)"},
        {"OW (\xA7)", "OW (\u014D)"},
        {"O (\xA8)", "O (\u00F6)"},
        {"OO (\xA9\xAA)", "OO (o\u035Eo)"},
        {"OO (\xAB\xAC)", "OO (o\u035Do)"},
        {"EW (\xAD)", "EW (\u016B)"},
        {"U (\xAE)", "U (\u016D)"},
        {"O (\xAF)", "O (\u014D)"},
        {"TH (\xB0\xB1)", "TH (t\u035Fh)"},
        {"I (\xB3)", "I (\u012D)"},
        {"O (\xB4)", "O (\u014F)"},
        {"Latin, compl\xA4re", "Latin, compl\u0113re"},
        // Not marks: halves without their partner, the pound sign, other bytes.
        {"\xA9", "\u00A9"},
        {"\xAA\xA9", "\u00AA\u00A9"},
        {"\xB1\xB0", "\u00B1\u00B0"},
        {"\xAC", "\u00AC"},
        {"\xA3", "\u00A3"},
        {"\x93x\x94", "\u201Cx\u201D"},
        {"\xA9\xA9\xAA", "\u00A9o\u035Eo"},
        {"", ""},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(displayText(in), out) << cp1252ToUtf8(in);
}

TEST(Marks, EveryMarkByteShowsAsSomething)
{
    for (int b = 0xA1; b <= 0xB4; ++b) {
        const std::string shown = displayText(std::string(1, static_cast<char>(b)));
        EXPECT_FALSE(shown.empty()) << b;
        EXPECT_NE(shown, " ") << b;
    }
}
