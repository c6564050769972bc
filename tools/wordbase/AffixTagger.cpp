// Prefixes, chameleon prefixes and suffixes.  tagAffixes takes them from the
// affix analysis (AffixRootTagger.h: a real affix on a word or Latin root that
// sounds as an affix, "preview" but not "pretty", -ED by its sound).
//
// derivations() and isPrefixedWord() below are a simpler derivation finder
// kept for callers that want the base of a word: a suffix counts when the word
// is a lexicon word plus the suffix (with a dropped e, a doubled consonant, y
// changed to i) and the base's phones begin the word's phones; a prefix when
// what follows it is a lexicon word whose phones end the word's phones.
#include <algorithm>

#include "AffixBridge.h"
#include "Taggers.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

// Whether the base's phones begin the word's.  A final IY of the base may
// reduce (pity -> pitiful).
bool phonesBegin(const Phones& whole, const Phones& part)
{
    if (part.size() > whole.size() || part.empty()) return false;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (whole[i].sym == part[i].sym) continue;
        const bool reduced =
            i + 1 == part.size() && part[i].sym == "IY" && (whole[i].sym == "IH" || whole[i].sym == "AH");
        if (!reduced) return false;
    }
    return true;
}

// The base pronunciation that begins the word's, or nullptr.
const Phones* basePhones(const Phones& word, const LexiconEntry& base)
{
    for (const auto& p : base.pronunciations)
        if (phonesBegin(word, p)) return &p;
    return nullptr;
}

bool phonesEnd(const Phones& whole, const Phones& part)
{
    if (part.size() >= whole.size() || part.empty()) return false;
    const std::size_t off = whole.size() - part.size();
    for (std::size_t i = 0; i < part.size(); ++i)
        if (whole[off + i].sym != part[i].sym) return false;
    return true;
}

bool endsWith(const std::string& s, const std::string& e)
{
    return s.size() >= e.size() && s.compare(s.size() - e.size(), e.size(), e) == 0;
}

bool isConsonantLetter(char c) { return std::string("aeiou").find(c) == std::string::npos; }

struct SuffixName {
    const char* text;
    int id;
};

// Suffixes tagged on a base word (the -ED forms are handled by sound).
const SuffixName kSuffixes[] = {
    {"able", 215}, {"age", 216},  {"al", 217},   {"ance", 218}, {"ancy", 219},  {"ant", 220},  {"ar", 221},
    {"ard", 222},  {"ary", 223},  {"ate", 224},  {"en", 232},   {"ence", 233},  {"ency", 234}, {"ent", 235},
    {"er", 236},   {"ery", 237},  {"est", 238},  {"ful", 239},  {"ible", 242},  {"ic", 243},   {"ify", 244},
    {"ing", 245},  {"ish", 248},  {"ism", 249},  {"ist", 250},  {"ity", 251},   {"ive", 253},  {"less", 255},
    {"ly", 256},   {"ment", 257}, {"ness", 258}, {"oid", 259},  {"ology", 260}, {"or", 261},   {"ory", 262},
    {"ous", 263},  {"ship", 264}, {"some", 265}, {"ward", 272}, {"s", -1},      {"es", -1},    {"y", -1},
};

}  // namespace

std::vector<Derivation> derivations(const WordAnalysis& a, const Lexicon& lexicon)
{
    std::vector<Derivation> out;
    const std::string& w = a.word;
    auto consider = [&](const std::string& base, const std::string& suffix, Derivation::Change change) {
        if (base.size() < 3 || base == w) return;
        const LexiconEntry* e = lexicon.find(base);
        if (!e || !basePhones(a.phones, *e)) return;
        for (const auto& d : out)
            if (d.base == base && d.suffix == suffix) return;
        out.push_back({base, suffix, change});
    };
    for (const auto& s : kSuffixes) {
        const std::string suf = s.text;
        if (!endsWith(w, suf) || w.size() <= suf.size() + 2) continue;
        const std::string stem = w.substr(0, w.size() - suf.size());
        consider(stem, suf, Derivation::Change::None);
        if (std::string("aeiouy").find(suf[0]) != std::string::npos) {
            consider(stem + "e", suf, Derivation::Change::DropE);
            if (stem.size() >= 4 && stem.back() == stem[stem.size() - 2] && isConsonantLetter(stem.back()))
                consider(stem.substr(0, stem.size() - 1), suf, Derivation::Change::Double);
        }
        if (stem.back() == 'i')
            consider(stem.substr(0, stem.size() - 1) + "y", suf, Derivation::Change::YToI);
    }
    // -ed and -ies forms.
    if (endsWith(w, "ed") && w.size() > 4) {
        const std::string stem = w.substr(0, w.size() - 2);
        consider(stem, "ed", Derivation::Change::None);
        consider(stem + "e", "ed", Derivation::Change::DropE);
        if (stem.size() >= 4 && stem.back() == stem[stem.size() - 2] && isConsonantLetter(stem.back()))
            consider(stem.substr(0, stem.size() - 1), "ed", Derivation::Change::Double);
        if (stem.back() == 'i')
            consider(stem.substr(0, stem.size() - 1) + "y", "ed", Derivation::Change::YToI);
    }
    if (endsWith(w, "ies") && w.size() > 4)
        consider(w.substr(0, w.size() - 3) + "y", "es", Derivation::Change::YToI);
    // The lexicon's own base forms (irregular ones are not derivations).
    return out;
}

bool isPrefixedWord(const WordAnalysis& a, const std::string& rest, const Lexicon& lexicon)
{
    if (rest.size() < 3) return false;
    const LexiconEntry* e = lexicon.find(rest);
    return e && phonesEnd(a.phones, e->pronunciations.front());
}

void tagAffixes(WordAnalysis& a, const Lexicon& lexicon)
{
    // Prefixes, chameleon prefixes and suffixes: see AffixRootTagger.h.
    for (int id : affixRootRuleSegments(a, lexicon))
        if (id >= seg::FirstPrefix && id <= 272) a.tag(id);
}

}  // namespace moxlet::wordbase
