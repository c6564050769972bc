#pragma once
// Tags every word of the lexicon: syllable count, segments, and the two word
// flags (homophone 0x4000, root 0x2000).

#include <filesystem>
#include <string>
#include <vector>

#include "Lexicon.h"
#include "WordAnalysis.h"
#include "core/catalogue/SegmentSet.h"

namespace moxlet::wordbase {

struct BuiltWord {
    std::string word;
    int syllables = 1;
    SegmentSet segments;  // flags in word 24
    WordLevel level = WordLevel::Wider;
};

// Words in lexicon order.  `curatedDir` may hold rote-words.txt: sight words
// that get "Rote Words" whatever their spelling (one word a line, '#'
// comments), and aligner-exceptions.tsv, the reviewed corrections to the
// tagging by sound; either may be missing.  A word with a part that none of
// its segments explains gets "Rote Words" (the self-check of fullyExplained);
// `unexplained`, when given, receives those words, which the taggers should
// have caught themselves.
std::vector<BuiltWord> buildWords(const Lexicon& lexicon, const std::filesystem::path& curatedDir,
                                  std::vector<std::string>* unexplained = nullptr);

// Runs every tagger on one lexicon word, in the builder's order (no curated
// lists, no self-check, no flags).
WordAnalysis tagWord(const LexiconEntry& entry, const Lexicon& lexicon);

// The homophone rule: two differently spelled words of the word base with the
// same main pronunciation (stress included) are both homophones.  Returns the
// words flagged.
std::vector<bool> findHomophones(const Lexicon& lexicon);

}  // namespace moxlet::wordbase
