#pragma once
// The taggers, one per family of segments.  Each adds the segments of its
// family to a WordAnalysis; the builder runs them in the order declared.

#include "Lexicon.h"
#include "WordAnalysis.h"

namespace moxlet::wordbase {

// Consonant letters, digraphs and trigraphs by the sound their grapheme spells.
void tagConsonants(WordAnalysis& a);
// Vowel phonograms and vowel teams by sound; Kind Old Words; Rote Words for a
// vowel no segment explains.
void tagVowels(WordAnalysis& a);
// One syllable type for each syllable.
void tagSyllableTypes(WordAnalysis& a);
// Consonant blends: adjacent consonant sounds in one syllable.
void tagBlends(WordAnalysis& a);
// Prefixes, chameleon prefixes and suffixes on a base word of the lexicon.
void tagAffixes(WordAnalysis& a, const Lexicon& lexicon);
// Spelling rules on derived words (doubling, FSZL, silent e, y).
void tagRules(WordAnalysis& a, const Lexicon& lexicon);
// Latin roots; the root flag for everyday words.
void tagRoots(WordAnalysis& a);

// Shared by the affix, rule and root taggers: the base of a derived word.
struct Derivation {
    std::string base;    // a lexicon word
    std::string suffix;  // as written after the base's change ("ing", "es", "ly")
    enum class Change { None, DropE, Double, YToI } change = Change::None;
};
// Every way the word is a lexicon word plus a suffix whose sound the word
// keeps (the base's phones begin the word's phones).
std::vector<Derivation> derivations(const WordAnalysis& a, const Lexicon& lexicon);
// Whether `rest` is a lexicon word of at least 3 letters whose phones end the
// word's phones (so a prefix stands before a real word, not a look-alike).
bool isPrefixedWord(const WordAnalysis& a, const std::string& rest, const Lexicon& lexicon);

}  // namespace moxlet::wordbase
