#pragma once
// An in-memory LexiconView, filled word by word (tests) or from the committed
// data/lexicon.tsv and data/baseforms.tsv files (the builder and the gold-set test).

#include <istream>
#include <string>
#include <unordered_map>
#include <vector>

#include "LexiconView.h"

namespace moxlet::wordbase::affixes {

class TableLexicon : public LexiconView {
public:
    // Adds a word; pronunciations as in the lexicon file ("AH0 B | AE1 B").
    void addWord(const std::string& word, int rank, const std::string& pronunciations);
    void addBaseForms(const std::string& word, const std::string& commaSeparatedBases);

    // Reads lexicon.tsv lines: word, rank, pronunciations[, ...]; '#' lines are skipped.
    void readLexicon(std::istream& in);
    // Reads baseforms.tsv lines: word, bases (comma-separated)[, parts of speech].
    void readBaseForms(std::istream& in);
    // Loads both files; returns false when either cannot be opened.
    bool load(const std::string& lexiconPath, const std::string& baseFormsPath);

    bool contains(std::string_view word) const override;
    std::vector<std::string> pronunciations(std::string_view word) const override;
    std::vector<std::string> baseForms(std::string_view word) const override;
    int rank(std::string_view word) const override;

    // All words, in file order.
    const std::vector<std::string>& words() const { return order_; }

private:
    struct Entry {
        int rank = 0;
        std::vector<std::string> prons;
    };
    std::unordered_map<std::string, Entry> words_;
    std::unordered_map<std::string, std::vector<std::string>> bases_;
    std::vector<std::string> order_;
};

}  // namespace moxlet::wordbase::affixes
