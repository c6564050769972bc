#pragma once
// The answer of checkWord in plain words for a tutor, for example:
//
//   "hummed" is not in Moxlet's word base.
//   "transport" has 2 syllables; this student's range is 1 to 1.
//   "cat" does not contain TR.
//   "stripe" needs segments this student has not studied: STR, Silent E.
//   "casino" is a wider word, beyond the chosen level: lists offer words
//   up to common (Options > Words Offered).
//   "bat" was left out when the long list of Closed Syllable words (1,532
//   words) was thinned to every 2nd word; it is in the list that starts at
//   offset 1 (this plan uses offset 0).
//   "cat" is offered.
//
// The first sentence gives the reason that decides (in the order of the
// examples); later sentences add the other obstacles, so that a tutor who
// widens the range is not surprised by the next one.  The text is
// Windows-1252 with the curly quotes of that code page and the segments'
// stored names; displayText (catalogue/Marks.h) turns it into UTF-8 with
// the pronunciation marks drawn.

#include <string>

#include "core/words/WordCheck.h"

namespace moxlet {

std::string wordCheckText(const WordCheckResult& result);

// The sentence for a word above the level offered, as above: `word` as the
// word base holds it, `level` its level, `upTo` the level chosen.
std::string beyondLevelText(const std::string& word, WordLevel level, WordLevel upTo);

}  // namespace moxlet
