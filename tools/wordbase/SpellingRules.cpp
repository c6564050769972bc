#include "SpellingRules.h"

#include <algorithm>

namespace moxlet::wordbase::affixes {

namespace {

int vowelCount(const Phones& p)
{
    return static_cast<int>(
        std::count_if(p.begin(), p.end(), [](const std::string& ph) { return isVowelPhone(ph); }));
}

}  // namespace

bool isFszlWord(const std::string& word, const Morphology& morph)
{
    if (word.size() < 3) return false;
    const char last = word.back();
    if (word[word.size() - 2] != last || std::string_view("fszl").find(last) == std::string_view::npos)
        return false;
    // One vowel letter right before the doubled consonant.
    const char v = word[word.size() - 3];
    if (!isVowelLetter(v)) return false;
    if (word.size() >= 4 && isVowelLetter(word[word.size() - 4])) return false;
    const auto p = morph.firstPhones(word);
    if (vowelCount(p) != 1) return false;
    // Not a long vowel (roll, gross).
    for (const auto& ph : p)
        if (isVowelPhone(ph)) {
            const auto b = phoneBase(ph);
            if (b == "OW" || b == "AY" || b == "IY" || b == "EY" || b == "UW") return false;
        }
    return true;
}

int ruleForChange(const std::string& base, StemChange change, const Morphology& morph,
                  const std::string& derived)
{
    switch (change) {
    case StemChange::None: return -1;
    case StemChange::YtoI: return base.size() >= 2 && !isVowelLetter(base[base.size() - 2]) ? 163 : -1;
    case StemChange::DropE: {
        if (base.size() < 3 || base.back() != 'e' || isVowelLetter(base[base.size() - 2])) return -1;
        const auto p = morph.basePhones(base, derived);
        // fire, capture, measure: the r said as the vowel ER still leaves the e silent.
        const bool rAsVowel = base[base.size() - 2] == 'r' && !p.empty() && phoneBase(p.back()) == "ER";
        return !p.empty() && (!isVowelPhone(p.back()) || rAsVowel) ? 162 : -1;
    }
    case StemChange::Doubled: {
        const auto p = morph.basePhones(base, derived);
        const int syllables = vowelCount(p);
        if (syllables == 1) return 159;
        if (syllables >= 2) {
            for (auto it = p.rbegin(); it != p.rend(); ++it)
                if (isVowelPhone(*it)) return phoneStress(*it) == 1 ? 160 : -1;
        }
        return -1;
    }
    }
    return -1;
}

}  // namespace moxlet::wordbase::affixes
