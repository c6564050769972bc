#pragma once
// Fixed-length, blank-padded single-byte (Windows-1252) text, the form every
// text field of the data files takes.  Trailing blanks are not part of the
// value: trimmed() removes them before a text is shown or compared.  It lives
// with the catalogue, the room that uses no other, because the catalogue's
// names take this form too and the records of core/store build on both.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace moxlet {

template <std::size_t N>
class FixedText {
public:
    static constexpr std::size_t size = N;

    constexpr FixedText() { bytes_.fill(' '); }
    constexpr FixedText(std::string_view s) { assign(s); }  // NOLINT: implicit by design

    // Copies up to N bytes of s and pads with blanks.
    constexpr void assign(std::string_view s)
    {
        bytes_.fill(' ');
        for (std::size_t i = 0; i < N && i < s.size(); ++i) bytes_[i] = s[i];
    }

    // The text without its trailing blanks.
    std::string trimmed() const
    {
        std::size_t n = N;
        while (n > 0 && bytes_[n - 1] == ' ') --n;
        return std::string(bytes_.data(), n);
    }

    bool blank() const { return trimmed().empty(); }

    constexpr const std::array<char, N>& bytes() const { return bytes_; }
    constexpr std::array<char, N>& bytes() { return bytes_; }

    friend constexpr bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char, N> bytes_{};
};

}  // namespace moxlet
