#pragma once
// Parsing of moxlet-cli's numeric arguments.

#include <string>

namespace moxlet::cli {

// A whole decimal number within lo..hi, nothing else.
inline bool parseNumber(const std::string& text, long lo, long hi, long& value)
{
    if (text.empty() || text.size() > 9) return false;
    long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi) return false;
    value = v;
    return true;
}

}  // namespace moxlet::cli
