#include "core/catalogue/Marks.h"

#include <array>
#include <cstdint>

namespace moxlet {

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F; the undefined five map to
// the C1 control of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendCp1252(std::string& out, unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        appendUtf8(out, kHighControls[byte - 0x80]);
    } else {
        appendUtf8(out, byte);  // Latin-1 and ASCII coincide with Unicode
    }
}

// The single-byte marks; nullptr where the byte is not a mark on its own.
const char* singleMark(unsigned char byte)
{
    switch (byte) {
    case 0xA1: return "\u0259";  // schwa
    case 0xA2: return "\u0101";  // long a
    case 0xA4: return "\u0113";  // long e
    case 0xA5: return "\u0115";  // short e
    case 0xA6: return "\u012B";  // long i
    case 0xA7: return "\u014D";  // long o
    case 0xA8: return "\u00F6";  // o as in do
    case 0xAD: return "\u016B";  // long u
    case 0xAE: return "\u016D";  // short u
    case 0xAF: return "\u014D";  // long o
    case 0xB2: return "\u0103";  // short a
    case 0xB3: return "\u012D";  // short i
    case 0xB4: return "\u014F";  // short o
    default: return nullptr;
    }
}

// The two-byte marks; nullptr where first, second is not such a pair.
const char* pairMark(unsigned char first, unsigned char second)
{
    if (first == 0xA9 && second == 0xAA) return "o\u035Eo";  // long oo
    if (first == 0xAB && second == 0xAC) return "o\u035Do";  // short oo
    if (first == 0xB0 && second == 0xB1) return "t\u035Fh";  // voiced th
    return nullptr;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) appendCp1252(out, static_cast<unsigned char>(c));
    return out;
}

std::string displayText(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size() * 2);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const auto byte = static_cast<unsigned char>(stored[i]);
        if (i + 1 < stored.size()) {
            if (const char* mark = pairMark(byte, static_cast<unsigned char>(stored[i + 1]))) {
                out += mark;
                ++i;
                continue;
            }
        }
        if (const char* mark = singleMark(byte)) {
            out += mark;
        } else {
            appendCp1252(out, byte);
        }
    }
    return out;
}

}  // namespace moxlet
