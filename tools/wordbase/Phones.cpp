#include "Phones.h"

#include <cctype>
#include <sstream>

namespace moxlet::wordbase::affixes {

namespace {

std::vector<Phones> splitPatterns(std::string_view patterns)
{
    std::vector<Phones> out;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        auto bar = patterns.find('|', start);
        if (bar == std::string_view::npos) bar = patterns.size();
        out.push_back(splitPhones(patterns.substr(start, bar - start)));
        start = bar + 1;
    }
    return out;
}

bool phoneMatches(const std::string& pattern, const std::string& phone)
{
    if (pattern == "@") return isVowelPhone(phone) && phoneStress(phone) == 0;
    if (std::isdigit(static_cast<unsigned char>(pattern.back()))) return pattern == phone;
    return pattern == phoneBase(phone);
}

// Reduced vowels compare equal to each other and to any vowel they may stand for.
bool sameSound(const std::string& a, const std::string& b)
{
    const auto ba = phoneBase(a);
    const auto bb = phoneBase(b);
    if (ba == bb) return true;
    if (!isVowelPhone(a) || !isVowelPhone(b)) return false;
    // Only two unstressed vowels may differ, and one of them must be a reduced vowel.
    if (phoneStress(a) != 0 || phoneStress(b) != 0) return false;
    return ba == "AH" || ba == "IH" || bb == "AH" || bb == "IH";
}

}  // namespace

Phones splitPhones(std::string_view arpabet)
{
    Phones out;
    std::istringstream in{std::string(arpabet)};
    std::string phone;
    while (in >> phone) out.push_back(phone);
    return out;
}

bool isVowelPhone(std::string_view phone)
{
    return !phone.empty() && std::string_view("AEIOU").find(phone[0]) != std::string_view::npos;
}

std::string phoneBase(std::string_view phone)
{
    std::string out(phone);
    while (!out.empty() && std::isdigit(static_cast<unsigned char>(out.back()))) out.pop_back();
    return out;
}

int phoneStress(std::string_view phone)
{
    if (!isVowelPhone(phone) || phone.empty()) return -1;
    const char last = phone.back();
    return std::isdigit(static_cast<unsigned char>(last)) ? last - '0' : 0;
}

bool phonesEndWith(const Phones& phones, std::string_view patterns)
{
    for (const auto& pattern : splitPatterns(patterns)) {
        if (pattern.empty() || pattern.size() > phones.size()) continue;
        const std::size_t off = phones.size() - pattern.size();
        bool ok = true;
        for (std::size_t i = 0; i < pattern.size() && ok; ++i) ok = phoneMatches(pattern[i], phones[off + i]);
        if (ok) return true;
    }
    return false;
}

int startMatchLength(const Phones& phones, std::string_view patterns)
{
    for (const auto& pattern : splitPatterns(patterns)) {
        if (pattern.empty() || pattern.size() > phones.size()) continue;
        bool ok = true;
        for (std::size_t i = 0; i < pattern.size() && ok; ++i) ok = phoneMatches(pattern[i], phones[i]);
        if (ok) return static_cast<int>(pattern.size());
    }
    return -1;
}

bool phonesStartWith(const Phones& phones, std::string_view patterns)
{
    return startMatchLength(phones, patterns) >= 0;
}

bool phonesHavePrefix(const Phones& word, const Phones& base, bool lastVowelFree)
{
    if (base.empty() || base.size() > word.size()) return false;
    std::size_t lastVowel = base.size();
    for (std::size_t i = 0; i < base.size(); ++i)
        if (isVowelPhone(base[i])) lastVowel = i;
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (sameSound(base[i], word[i])) continue;
        if (lastVowelFree && i == lastVowel && i + 1 == base.size() && isVowelPhone(word[i])) continue;
        return false;
    }
    return true;
}

bool phonesHaveSuffix(const Phones& word, const Phones& tail)
{
    if (tail.empty() || tail.size() > word.size()) return false;
    const std::size_t off = word.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (!sameSound(tail[i], word[off + i])) return false;
    return true;
}

bool phonesHaveStressedInfix(const Phones& word, std::size_t at, const Phones& part)
{
    if (part.empty() || at + part.size() > word.size()) return false;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (!sameSound(part[i], word[at + i])) return false;
        if (phoneStress(part[i]) == 1 && phoneStress(word[at + i]) == 0) return false;
    }
    return true;
}

bool phonesHaveStressedSuffix(const Phones& word, const Phones& tail)
{
    if (!phonesHaveSuffix(word, tail)) return false;
    const std::size_t off = word.size() - tail.size();
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (phoneStress(tail[i]) == 1 &&
            (phoneStress(word[off + i]) == 0 || phoneBase(word[off + i]) != phoneBase(tail[i])))
            return false;
    return true;
}

}  // namespace moxlet::wordbase::affixes
