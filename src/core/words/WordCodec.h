#pragma once
// The stored form of a word base record (WORDBASE.WDB, 74 bytes a record).
//
// A record is 37 little-endian 16-bit words, all scrambled with KeyTable and
// PermTable.  Word 0 holds the record's seed; the seed chooses the key row a
// and the permutation row b, and the record number n chooses the key row c
// that is applied before the permutation, so the same bytes decode
// differently at another record number.  encodeWordRecord is the exact
// inverse of decodeWordRecord; only the word base builder uses it.

#include <array>
#include <cstdint>

#include "core/store/Records.h"

namespace moxlet {

inline constexpr int kWordRecordLength = 74;
inline constexpr int kWordRecordWords = 37;
inline constexpr int kMaxWordLength = 20;

using RawWordRecord = std::array<std::uint8_t, kWordRecordLength>;

// Decodes record n into `word`.  WordSeed becomes 0 and Level is the level
// the seed carries (WordLevel.h); the text is the Length characters of the
// word, blank-padded to 20.  Returns false, leaving `word`
// unchanged, for bytes no builder writes (a negative seed), which would
// otherwise select a key row outside the table.  A Length above 20 decodes
// the ten text words and no more.
bool decodeWordRecord(const RawWordRecord& raw, std::int32_t recordNo, WordRecord& word);

// Decodes only the segment set (with word 24's flags) of record n, the part
// the eligibility test needs: much cheaper than the whole record when most
// records of a run are only tested.  Returns false for the same records as
// decodeWordRecord.  raw points at kWordRecordLength bytes.
bool decodeWordSegments(const std::uint8_t* raw, std::int32_t recordNo, SegmentSet& segments);

// Scrambles `word` as record n with the given seed (0..32767), written as
// given: the word's level is whatever the seed carries (a builder makes the
// seed with seedWithLevel).  Text bytes past Length are blanks, so a word of
// odd length decodes to exactly Length characters.
RawWordRecord encodeWordRecord(const WordRecord& word, std::int32_t recordNo, std::int16_t seed);

}  // namespace moxlet
