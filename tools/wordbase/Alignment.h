#pragma once
// Letter-to-sound alignment: divides a word into graphemes (letters or letter
// groups) and gives each the phones it spells.  The taggers read segments off
// the graphemes: "ch" saying K is CH (k), "ea" saying EH is EA (ĕ).
//
// The alignment is the cheapest division by a table of graphemes and the
// phone sequences each may spell; a grapheme costs 1 plus the cost of the
// reading it takes, so known letter groups win over single letters.  Letters
// no reading explains are silent at a high cost; phones no letter explains
// are inserted at a higher one (they join the grapheme before them), so every
// word aligns.

#include <string>
#include <vector>

#include "Pronunciation.h"

namespace moxlet::wordbase {

struct Grapheme {
    std::string letters;
    int letterStart = 0;   // index of the first letter in the word
    Phones phones;         // empty: a silent grapheme
    int phoneStart = 0;    // index of the first phone (of the next phone when silent)
    bool fallback = false; // no table reading explains it
    int syllable = 0;      // syllable index, set by WordAnalysis

    // The phones without stress, blank-separated: "S K".
    std::string key() const { return phoneKey(phones); }
    bool hasVowelPhone() const;
    // The stress of the first vowel phone, -1 when there is none.
    int stress() const;
};

// The cheapest division of `word` into graphemes matching `phones`.
std::vector<Grapheme> alignWord(const std::string& word, const Phones& phones);

// Whether the letters are all vowel letters (a, e, i, o, u, y).
bool isVowelLetters(const std::string& letters);

}  // namespace moxlet::wordbase
