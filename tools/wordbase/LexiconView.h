#pragma once
// The little the affix, root and rule taggers need to know about the lexicon:
// which spellings are words, how they are said, how frequent they are, and
// which base forms the inflection list gives for an inflected form.

#include <string>
#include <string_view>
#include <vector>

namespace moxlet::wordbase::affixes {

class LexiconView {
public:
    virtual ~LexiconView() = default;
    // True when the spelling is a word of the lexicon.
    virtual bool contains(std::string_view word) const = 0;
    // ARPAbet pronunciations with stress digits, first the preferred one; empty if unknown.
    virtual std::vector<std::string> pronunciations(std::string_view word) const = 0;
    // Base forms from the inflection list (better -> good, well); empty if none is listed.
    virtual std::vector<std::string> baseForms(std::string_view word) const = 0;
    // Frequency rank, 1 = most frequent; 0 when the word is not ranked.
    virtual int rank(std::string_view word) const = 0;
};

}  // namespace moxlet::wordbase::affixes
