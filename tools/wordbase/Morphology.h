#pragma once
// Suffix stripping with base-form checks: which base words a derived or
// inflected word is built on, and how the spelling changed on the way
// (hopping = hop + p + ing, hoping = hope - e + ing, cried = cry - y + ied).

#include <string>
#include <vector>

#include "LexiconView.h"
#include "Phones.h"

namespace moxlet::wordbase::affixes {

enum class StemChange { None, DropE, Doubled, YtoI };

struct Stem {
    std::string base;
    StemChange change = StemChange::None;
};

class Morphology {
public:
    explicit Morphology(const LexiconView& lex) : lex_(lex) {}

    // Bases B of the lexicon such that B + suffix spells word (with the usual
    // spelling changes).  When the inflection list knows the word, only its
    // bases count (better -> good, not bet).  With checkSound, some
    // pronunciation of B must begin some pronunciation of word, so that
    // "evening" is not even + ing and "hoped" is hope, not hop.
    std::vector<Stem> basesFor(const std::string& word, const std::string& suffix,
                               bool checkSound = true) const;

    // A word of the lexicon, or a word plus a common inflection or suffix
    // (unbelievable's "believable" counts when "believe" is a word).
    bool isKnownForm(const std::string& spelling) const;

    // The first pronunciation (split into phones) of the word, empty if unknown.
    Phones firstPhones(const std::string& word) const;
    std::vector<Phones> allPhones(const std::string& word) const;
    // The base's first pronunciation; for a base the lexicon lacks (recur), the
    // derived word's first pronunciation up to its last vowel (recurring).
    Phones basePhones(const std::string& base, const std::string& derived) const;

    const LexiconView& lexicon() const { return lex_; }

private:
    const LexiconView& lex_;
};

bool isVowelLetter(char c);

}  // namespace moxlet::wordbase::affixes
