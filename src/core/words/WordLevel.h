#pragma once
// A word's familiarity level (WordLevel, Records.h), as the word base stores
// it and as listings and the command-line tool name it.
//
// The level travels in the record's seed.  Decoding reads the seed only
// modulo 21 and modulo 6 (the key and permutation rows), so bits 13 and 14 of
// the 15-bit seed are free: the builder puts the level there (0 everyday,
// 1 common, 2 wider) and keeps bits 0..12 from its hash.  No field an
// existing reader decodes changes; a seed whose bits hold 3, which the
// builder never writes, reads as Wider.
//
// Reading the level is one XOR of the record's first word: levelOfRecord
// needs no decoding of the rest, so a list can filter by level as cheaply
// as it tests segments (decodeWordSegments).

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/store/Records.h"

namespace moxlet {

inline constexpr int kLevelSeedShift = 13;

// The seed a builder writes: the low 13 bits of `hash` and the level.
std::int16_t seedWithLevel(std::uint32_t hash, WordLevel level);

// The level a plain (decoded, non-negative) seed carries.
WordLevel levelOfSeed(std::int16_t seed);

// The level of a stored record, from its first two bytes; a record no
// builder writes (a negative seed) reads as Wider.  raw points at a record.
WordLevel levelOfRecord(const std::uint8_t* raw);

inline WordLevel levelOf(const WordRecord& word) { return word.Level; }

// Whether a word of level `word` belongs in a list offered up to `upTo`.
constexpr bool offeredUpTo(WordLevel word, WordLevel upTo) { return word <= upTo; }

// "everyday", "common", "wider"; parseWordLevel reads them back.
std::string_view levelName(WordLevel level);
std::optional<WordLevel> parseWordLevel(std::string_view name);

}  // namespace moxlet
