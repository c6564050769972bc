#pragma once
// Lays the tagged words out as WORDBASE.WDB: one block per (segment,
// syllable count) in that order, each word once in the block of every
// segment it has.  Within a block the words stand in a fixed pseudo-random
// order (a hash of the word and the segment), so lists drawn at an even step
// come out in random order; every record gets a seed from the same kind of
// hash, with the word's level in the seed's two free bits (WordLevel.h).
// Nothing depends on the clock or on memory addresses, so the same
// words give the same bytes.

#include <cstdint>
#include <vector>

#include "WordBaseBuilder.h"
#include "core/words/OffsetIndex.h"

namespace moxlet::wordbase {

struct WordBaseImage {
    std::vector<std::uint8_t> bytes;  // the file, 74 bytes a record
    OffsetIndex index;
    std::int32_t recordCount = 0;
};

WordBaseImage layOutWordBase(const std::vector<BuiltWord>& words);

// 64-bit FNV-1a, the builder's one hash.
std::uint64_t stableHash(const std::string& text, std::uint64_t salt);

}  // namespace moxlet::wordbase
