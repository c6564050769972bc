#pragma once
// Tagging by sound: the phonograms 0..116 as the sound aligner finds them, Kind
// Old Words (117), the syllable type of every syllable (118..123) and Rote Words
// (331) for a word that has a part no segment explains.
//
// The rules a tutor would check:
//   - a vowel spelling is tagged with the sound it makes here (EA (ē) meat,
//     EA (ĕ) bread, EA (ā) great);
//   - one vowel letter saying its name gets no phonogram but is explained by its
//     syllable: Open (ba-by, me), Silent E (make, com-plete) or Kind Old Words
//     (kind, child); O saying ō also gets O (ō) (go, most);
//   - each syllable gets one type: Consonant-LE (ta-ble), R-Controlled (car, her),
//     Vowel Pair (rain), Silent E, Open, Closed, in that order of precedence;
//   - a silent e is explained by Silent E, or by the letter it keeps from ending
//     a word (dance, large, have, house, breathe, more) or by an unstressed
//     ending (notice, engine, climate); any other unexplained part makes the word
//     a Rote Word (said, of, one, son, pint);
//   - the reviewed exceptions file corrects words the aligner gets wrong.
#include <map>
#include <string>
#include <vector>

#include "SoundAligner.h"

namespace moxlet::wordbase {

/// One reviewed correction: segments to add and to remove for a word.
struct SoundException {
    std::vector<int> add;
    std::vector<int> remove;
};

/// choc(o)late, op(e)ra, sep(a)rate: a single vowel letter between consonants that the
/// pronunciation drops is read by a student as the reduced vowel it stands for; returns
/// its phonogram (A (ə) 1, E (ə) 20, I 43, O 58, U 99) for unit k, or -1 when unit k is
/// no such letter.
int droppedVowel(const SoundAlignment& alignment, std::size_t k);

/// The sound segments of one aligned word, in ascending id order.
std::vector<int> soundSegments(const SoundAlignment& alignment);

/// Reads the exceptions file (word TAB +ids TAB -ids TAB reason; '#' comments;
/// ids comma-separated). Returns false when the file cannot be read.
bool loadSoundExceptions(const std::string& path, std::map<std::string, SoundException>& out);

/// Sets the exceptions used by tagSoundSegments (empty by default).
void setSoundExceptions(std::map<std::string, SoundException> exceptions);

/// Whether the exceptions in use hold a reviewed correction for `word`.
bool hasSoundException(const std::string& word);

/// The sound segments of a word: its phonograms by sound, Kind Old Words, its
/// syllable types and Rote Words, from its first pronunciation ("K AE1 T" or a
/// " | "-separated list) and syllabified pronunciation ("K AE1 . T IH0 NG", may be
/// empty), with the exceptions applied. Ascending ids.
std::vector<int> tagSoundSegments(const std::string& word, const std::string& arpabet,
                                  const std::string& syllabified);

}  // namespace moxlet::wordbase
