#include "Pronunciation.h"

#include <array>
#include <set>
#include <sstream>

namespace moxlet::wordbase {

namespace {

const std::set<std::string, std::less<>> kVowels = {"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER",
                                                    "EY", "IH", "IY", "OW", "OY", "UH", "UW"};

// Two- and three-consonant onsets that may start an English syllable.
const std::set<std::string, std::less<>> kOnsets = {
    "P L",   "P R",   "B L",   "B R",   "T R",   "D R", "K L", "K R", "G L", "G R", "F L", "F R",  "TH R",
    "SH R",  "S P",   "S T",   "S K",   "S M",   "S N", "S L", "S W", "T W", "D W", "K W", "G W",  "TH W",
    "S P L", "S P R", "S T R", "S K R", "S K W", "P Y", "B Y", "K Y", "F Y", "M Y", "V Y", "HH Y", "S F"};

bool legalOnset(const Phones& phones, std::size_t from, std::size_t to)
{
    if (to - from <= 1) return phones[from].sym != "NG";
    std::string key;
    for (std::size_t i = from; i < to; ++i) key += (key.empty() ? "" : " ") + phones[i].sym;
    return kOnsets.count(key) > 0;
}

}  // namespace

bool isVowelSymbol(std::string_view sym) { return kVowels.count(sym) > 0; }

Phones parsePhones(std::string_view text)
{
    Phones out;
    std::istringstream in{std::string(text)};
    std::string tok;
    while (in >> tok) {
        if (tok == ".") continue;
        Phone p;
        if (!tok.empty() && tok.back() >= '0' && tok.back() <= '2') {
            p.stress = tok.back() - '0';
            tok.pop_back();
        }
        p.sym = tok;
        if (p.stress < 0 && isVowelSymbol(p.sym)) p.stress = 0;
        if (p.stress >= 0 && !isVowelSymbol(p.sym)) p.stress = -1;
        out.push_back(p);
    }
    return out;
}

std::string phoneKey(const Phones& phones)
{
    std::string key;
    for (const auto& p : phones) key += (key.empty() ? "" : " ") + p.sym;
    return key;
}

std::string arpabetText(const Phones& phones)
{
    std::string out;
    for (const auto& ph : phones) {
        if (!out.empty()) out += ' ';
        out += ph.sym;
        if (ph.vowel()) out += std::to_string(ph.stress);
    }
    return out;
}

int vowelCount(const Phones& phones)
{
    int n = 0;
    for (const auto& p : phones) n += p.vowel() ? 1 : 0;
    return n;
}

std::vector<int> syllableOfPhones(const Phones& phones, std::string_view breaks)
{
    std::vector<int> syl(phones.size(), 0);
    if (!breaks.empty()) {
        std::istringstream in{std::string(breaks)};
        std::string tok;
        std::vector<int> fromBreaks;
        int s = 0;
        Phones seen;
        while (in >> tok) {
            if (tok == ".") {
                ++s;
                continue;
            }
            fromBreaks.push_back(s);
        }
        if (fromBreaks.size() == phones.size() && phoneKey(parsePhones(breaks)) == phoneKey(phones))
            return fromBreaks;
    }
    // Maximal onset.
    std::vector<std::size_t> vowels;
    for (std::size_t i = 0; i < phones.size(); ++i)
        if (phones[i].vowel()) vowels.push_back(i);
    if (vowels.empty()) return syl;
    std::vector<std::size_t> starts(vowels.size(), 0);
    for (std::size_t v = 1; v < vowels.size(); ++v) {
        std::size_t from = vowels[v - 1] + 1, to = vowels[v];
        std::size_t start = to;
        while (start > from && legalOnset(phones, start - 1, to)) --start;
        starts[v] = start;
    }
    std::size_t v = 0;
    for (std::size_t i = 0; i < phones.size(); ++i) {
        while (v + 1 < starts.size() && i >= starts[v + 1]) ++v;
        syl[i] = static_cast<int>(v);
    }
    return syl;
}

}  // namespace moxlet::wordbase
