#pragma once
// ARPAbet helpers for the affix and root taggers: a pronunciation is a list of
// phones such as "AH0" (vowel with stress digit) or "K" (consonant).

#include <string>
#include <string_view>
#include <vector>

namespace moxlet::wordbase::affixes {

using Phones = std::vector<std::string>;

Phones splitPhones(std::string_view arpabet);
bool isVowelPhone(std::string_view phone);
// The phone without its stress digit.
std::string phoneBase(std::string_view phone);
// Stress digit of a vowel (0, 1, 2); -1 for a consonant.
int phoneStress(std::string_view phone);

// Pattern phones: "@" any unstressed vowel, a bare name ("AH")
// that vowel with any stress, a name with a digit exactly that.  Patterns are
// space-separated; alternatives are separated by '|'.
bool phonesEndWith(const Phones& phones, std::string_view patterns);
bool phonesStartWith(const Phones& phones, std::string_view patterns);
// Number of phones the first matching start pattern covers, or -1.
int startMatchLength(const Phones& phones, std::string_view patterns);

// True when base, stress ignored and two unstressed vowels one of which is
// reduced (AH, IH) taken as one, is a prefix of word; lastVowelFree lets the base's final vowel
// differ (happy -> happiness keeps IY; deny -> denial changes AY).
bool phonesHavePrefix(const Phones& word, const Phones& base, bool lastVowelFree = false);
// Same comparison for a suffix (the rest of a prefixed word).
bool phonesHaveSuffix(const Phones& word, const Phones& tail);
// Stricter: a stressed vowel of tail must stay stressed in word ("person" is not per + son).
bool phonesHaveStressedSuffix(const Phones& word, const Phones& tail);
// The same for part standing at phone position at of word.
bool phonesHaveStressedInfix(const Phones& word, std::size_t at, const Phones& part);

}  // namespace moxlet::wordbase::affixes
