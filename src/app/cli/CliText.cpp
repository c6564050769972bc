#include "app/cli/CliText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "core/catalogue/Marks.h"

namespace moxlet::cli {

namespace {

// The code point of each Windows-1252 byte, from the program's own
// conversion the other way.
const std::array<char32_t, 256>& codePoints()
{
    static const auto table = [] {
        std::array<char32_t, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const std::string u = cp1252ToUtf8(std::string(1, static_cast<char>(b)));
            const auto c = static_cast<unsigned char>(u[0]);
            t[static_cast<std::size_t>(b)] =
                u.size() == 1   ? c
                : u.size() == 2 ? ((c & 0x1Fu) << 6) | (u[1] & 0x3Fu)
                                : ((c & 0x0Fu) << 12) | ((u[1] & 0x3Fu) << 6) | (u[2] & 0x3Fu);
        }
        return t;
    }();
    return table;
}

// One UTF-8 character at text[i]: its code point and length, or length 0
// for bytes that are not UTF-8 (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) return {c, 1};
    const std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || i + n > text.size()) return {0, 0};
    char32_t code = c & (0x7Fu >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0u) != 0x80) return {0, 0};
        code = (code << 6) | (b & 0x3Fu);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 0};
    return {code, n};
}

std::string hex(char32_t code)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code));
    return buffer;
}

}  // namespace

CliText readCliText(std::string_view utf8)
{
    CliText out;
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    std::map<char32_t, bool> reported;
    int line = 1;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [code, length] = decode(utf8, i);
        if (length == 0) {
            out.refusal = "is not UTF-8 text (line " + std::to_string(line) + "): save it as UTF-8";
            return out;
        }
        if (code == 0 || (code < 0x20 && code != '\t' && code != '\n' && code != '\r' && code != '\f')) {
            out.refusal =
                code == 0 ? "is not text: it holds a NUL byte" : "is not text: it holds control characters";
            return out;
        }
        if (code >= 0xFB00 && code <= 0xFB04) {  // ff fi fl ffi ffl
            static const char* const kLigatures[] = {"ff", "fi", "fl", "ffi", "ffl"};
            out.text += kLigatures[code - 0xFB00];
        } else {
            const auto& table = codePoints();
            const auto at = std::find(table.begin() + 1, table.end(), code);
            const bool held = at != table.end() && !(code >= 0x80 && code < 0xA0);
            if (!held && !reported[code]) {
                reported[code] = true;
                out.unheld.push_back(
                    {line, "\u201C" + std::string(utf8.substr(i, length)) + "\u201D (" + hex(code) + ")"});
            }
            out.text += held ? static_cast<char>(at - table.begin()) : ' ';
        }
        line += code == '\n';
        i += length;
    }
    return out;
}

}  // namespace moxlet::cli
