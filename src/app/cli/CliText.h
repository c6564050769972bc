#pragma once
// A text given to moxlet-cli (a file or standard input) as the program
// holds text: UTF-8 in, Windows-1252 out.  A byte-order mark is skipped and
// the letters of the ligatures fi, fl, ff, ffi and ffl are written out
// (text copied from a PDF carries them), but no other character is changed
// silently: one the code page lacks is read as a blank and named in
// `unheld`.  Binary input (a NUL or another control character than tab,
// line and page ends) and bytes that are not UTF-8 are refused.

#include <string>
#include <string_view>
#include <vector>

namespace moxlet::cli {

struct CliText {
    std::string text;     // Windows-1252
    std::string refusal;  // why it is not read: "is not text: it holds a NUL byte"; empty: read
    struct Unheld {
        int line = 0;           // where it first stands
        std::string character;  // "“ŵ” (U+0175)"
    };
    std::vector<Unheld> unheld;  // each character once
};

CliText readCliText(std::string_view utf8);

}  // namespace moxlet::cli
