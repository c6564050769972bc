#pragma once
// One word on its way into the word base: its pronunciation, the sound
// aligner's parse of it (SoundBridge.h), and the segments the taggers find.

#include <string>
#include <vector>

#include "Lexicon.h"
#include "SoundAligner.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet::wordbase {

struct WordAnalysis {
    const LexiconEntry* entry = nullptr;
    std::string word;
    Phones phones;      // the pronunciation tagged
    int syllables = 1;  // the word's syllable count (1..9)
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
};

}  // namespace moxlet::wordbase
