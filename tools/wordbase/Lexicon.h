#pragma once
// The derived lexicon the word base is built from (data/lexicon.tsv and
// data/baseforms.tsv).

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Pronunciation.h"
#include "core/store/Records.h"

namespace moxlet::wordbase {

struct LexiconEntry {
    std::string word;                    // lowercase a-z
    int rank = 0;                        // 1 = most frequent
    std::vector<Phones> pronunciations;  // first = main
    int syllables = 0;                   // count after the syllable policy
    std::string syllabified;             // "K AE1 . T IH0 NG" or empty
    WordLevel level = WordLevel::Wider;  // everyday, common or wider
    std::vector<std::string> bases;      // base forms (baseforms.tsv), may be empty
    std::string partsOfSpeech;           // "n", "v", "nv", ... from baseforms.tsv

    // The pronunciation the word is tagged by: the one the syllabified column
    // spells, else the first whose vowel count is the syllable count, else
    // the main one.
    const Phones& tagged() const;
};

class Lexicon {
public:
    // Reads lexicon.tsv (and baseforms.tsv next to it when present).  Throws
    // std::runtime_error naming the file and line on malformed input.
    static Lexicon load(const std::filesystem::path& lexiconFile);

    const std::vector<LexiconEntry>& entries() const { return entries_; }
    const LexiconEntry* find(const std::string& word) const;

private:
    std::vector<LexiconEntry> entries_;  // in file order
    std::map<std::string, std::size_t> byWord_;
};

}  // namespace moxlet::wordbase
