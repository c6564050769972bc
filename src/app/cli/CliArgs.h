#pragma once
// moxlet-cli's one parser of numeric arguments.

#include <optional>
#include <string_view>

namespace moxlet::cli {

// A whole decimal number within min..max written with digits only: no sign,
// no blanks, nothing after it.  Nothing when the text is anything else or
// lies outside the range (however many digits it has).
inline std::optional<int> parseNumber(std::string_view text, int min, int max)
{
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > max) return std::nullopt;
    }
    if (value < min) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace moxlet::cli
