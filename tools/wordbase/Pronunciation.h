#pragma once
// CMU ARPAbet pronunciations: phones with their stress digits, and their
// division into syllables.

#include <string>
#include <string_view>
#include <vector>

namespace moxlet::wordbase {

struct Phone {
    std::string sym;  // "AE", "T" (no stress digit)
    int stress = -1;  // 0, 1, 2 for vowels; -1 for consonants
    bool vowel() const { return stress >= 0; }
    friend bool operator==(const Phone&, const Phone&) = default;
};

using Phones = std::vector<Phone>;

// "K AE1 T" -> phones.  Unknown tokens are kept as consonants.
Phones parsePhones(std::string_view text);
// The phone symbols joined by blanks, without stress: "K AE T".
std::string phoneKey(const Phones& phones);
// The phones as ARPAbet text with the vowels' stress digits: "K AE1 T".
std::string arpabetText(const Phones& phones);
int vowelCount(const Phones& phones);
bool isVowelSymbol(std::string_view sym);

// The syllable index (0-based) of every phone.  `breaks` is a syllabified
// form ("K AE1 . T IH0 NG") of the same phones when one is known; otherwise
// consonants between two vowels go to the later syllable as far as they form
// an English onset (maximal onset).
std::vector<int> syllableOfPhones(const Phones& phones, std::string_view breaks);

}  // namespace moxlet::wordbase
