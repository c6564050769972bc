#pragma once
// Connects the builder's WordAnalysis to the tagging by sound (VowelSounds.h):
// the phonograms 0..116, Kind Old Words (117), the syllable types (118..123)
// and Rote Words (331) of one word, computed once per word and shared by the
// vowel, consonant and syllable-type taggers.

#include <filesystem>
#include <vector>

#include "Lexicon.h"
#include "SoundAligner.h"
#include "WordAnalysis.h"

namespace moxlet::wordbase {

// The sound segments of the analysed word (ascending), from the pronunciation
// the word is tagged by and its syllable breaks when they spell that
// pronunciation.  Cached in `a`.  They include the aligner's ending ids in the
// affix tagger's range (see tagSoundEndings), which the taggers of 0..123 and
// 331 leave alone.
const std::vector<int>& soundSegmentsOf(WordAnalysis& a);

// The sound aligner's parse of the analysed word (units with their letters,
// phones, segments and syllable), from the same pronunciation and syllable
// breaks as soundSegmentsOf.  Cached in `a`.  The reviewed exceptions correct
// segments, not this parse.
const SoundAlignment& soundAlignmentOf(WordAnalysis& a);

// Runs after the affix tagger.  The aligner reads some endings as one unit:
// the "ci"/"ti" of -cial, -cian, -cient, -cious, -tial, -tian, -tient
// (special, patient) and a final "ed" said d or t (played, jumped).  The affix
// tagger owns those ids (159..330) and tags them on a real base; where it
// tagged none of an ending's ids, the aligner's id is added when it is right:
// a -cial/-tial ending is one whatever the base (especially, credentials); an
// -ed is an inflection when the word is its base (a lexicon word or a listed
// base form) plus d, ed or a doubled consonant and ed (admired, spanked,
// clogged).  Otherwise the part stays unexplained and the word a Rote Word.
void tagSoundEndings(WordAnalysis& a, const Lexicon& lexicon);

// Loads the reviewed aligner exceptions (word, ids to add, ids to remove) for
// every later call.  A missing file means no exceptions; returns whether the
// file was read.
bool useSoundExceptions(const std::filesystem::path& file);

// Whether every grapheme of the word is explained by a segment it carries:
// the word has no unexplained unit left over (the aligner's check), or it is a
// Rote Word.  Used by the builder's self-check.
bool fullyExplained(const WordAnalysis& a);

}  // namespace moxlet::wordbase
