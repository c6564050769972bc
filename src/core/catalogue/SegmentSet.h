#pragma once
// A set of word segment ids packed into 24 sixteen-bit words of 15 bits each,
// the one encoding used by profiles, plans, group masks and the word base.
// Segment s is bit (s mod 15) of word (s / 15) + 1; words are numbered 1..24.
// Word 24 bits 0x2000 and 0x4000 (ids 358, 359) are word flags, not segments.

#include <array>
#include <cstdint>

#include "core/catalogue/SegmentIds.h"

namespace moxlet {

using SegmentId = std::int16_t;
inline constexpr SegmentId kNoSegment = -1;

inline constexpr int kSetWords = 24;
inline constexpr int kSetBits = kSetWords * 15;  // ids 0..359
// Word 24 bits of the two word flags (ids 358 and 359).
inline constexpr std::int16_t kRootFlag = 0x2000;       // judged against the extended mask
inline constexpr std::int16_t kHomophoneFlag = 0x4000;  // the word is a homophone

// BitValue(k) = 2^(k-1) for k = 1..15; index 0 exists and is never used.
inline constexpr std::array<std::int16_t, 16> BitValue = {0,   1,   2,   4,    8,    16,   32,   64,
                                                          128, 256, 512, 1024, 2048, 4096, 8192, 16384};

struct SegmentSet {
    std::array<std::int16_t, kSetWords> words{};  // words[0] is word 1

    // Word w, 1-based as the file layouts number them.
    constexpr std::int16_t& word(int w) { return words[static_cast<std::size_t>(w - 1)]; }
    constexpr std::int16_t word(int w) const { return words[static_cast<std::size_t>(w - 1)]; }

    static constexpr int wordOf(int s) { return s / 15 + 1; }
    static constexpr std::int16_t maskOf(int s) { return BitValue[static_cast<std::size_t>(s % 15 + 1)]; }

    static constexpr bool fits(int s) { return s >= 0 && s < kSetBits; }

    constexpr bool contains(int s) const { return fits(s) && (word(wordOf(s)) & maskOf(s)) != 0; }
    constexpr void add(int s)
    {
        if (fits(s)) word(wordOf(s)) = static_cast<std::int16_t>(word(wordOf(s)) | maskOf(s));
    }
    constexpr void remove(int s)
    {
        if (fits(s)) word(wordOf(s)) = static_cast<std::int16_t>(word(wordOf(s)) & ~maskOf(s));
    }
    // Adds every id of first..last.
    constexpr void addRange(int first, int last)
    {
        for (int s = first; s <= last; ++s) add(s);
    }
    // Sets word 24's two flag bits, as every profile and plan has them in memory.
    constexpr void setFlagBits()
    {
        add(seg::RootFlag);
        add(seg::HomophoneFlag);
    }

    friend constexpr bool operator==(const SegmentSet&, const SegmentSet&) = default;
};

}  // namespace moxlet

static_assert(moxlet::SegmentSet::wordOf(moxlet::seg::RootFlag) == 24 &&
              moxlet::SegmentSet::maskOf(moxlet::seg::RootFlag) == moxlet::kRootFlag);
static_assert(moxlet::SegmentSet::wordOf(moxlet::seg::HomophoneFlag) == 24 &&
              moxlet::SegmentSet::maskOf(moxlet::seg::HomophoneFlag) == moxlet::kHomophoneFlag);
