#pragma once
// One word on its way into the word base: its pronunciation, its graphemes
// with their syllables, and the segments the taggers find.

#include <string>
#include <vector>

#include "Alignment.h"
#include "Lexicon.h"
#include "SegmentSet.h"
#include "SoundAligner.h"

namespace moxlet::wordbase {

struct WordAnalysis {
    const LexiconEntry* entry = nullptr;
    std::string word;
    Phones phones;                   // the pronunciation tagged
    std::vector<int> phoneSyllable;  // syllable index of every phone
    std::vector<Grapheme> graphemes;
    int syllables = 1;               // the word's syllable count (1..9)
    SegmentSet segments;
    bool homophone = false;
    bool rootFlag = false;
    // The tagging by sound (SoundBridge.h), computed once for the taggers that share it.
    std::vector<int> soundSegments;
    bool soundTagged = false;
    // The sound aligner's units with their syllables (soundAlignmentOf), computed once.
    SoundAlignment soundAlignment;
    bool soundAligned = false;

    static WordAnalysis analyse(const LexiconEntry& entry);

    void tag(int segment) { segments.add(segment); }
    bool has(int segment) const { return segments.contains(segment); }
    int phoneSyllables() const { return phoneSyllable.empty() ? 0 : phoneSyllable.back() + 1; }

    const Grapheme* at(std::size_t i) const { return i < graphemes.size() ? &graphemes[i] : nullptr; }
    // Whether grapheme i is a consonant grapheme (not vowel letters, not silent).
    bool consonantAt(std::size_t i) const;
    // Whether grapheme i is a silent final-type "e".
    bool silentEAt(std::size_t i) const;
};

}  // namespace moxlet::wordbase
