// Prefixes, chameleon prefixes and suffixes (a first, simple tagging).
//
// A suffix counts when the word is a lexicon word plus the suffix (with the
// usual spelling changes: a dropped e, a doubled consonant, y changed to i)
// and the base's phones begin the word's phones, so teacher = teach + er but
// mother is not moth + er.  A prefix counts when what follows it is a lexicon
// word whose phones end the word's phones: unhappy, redo, preview; not under,
// read, uncle.  Chameleon prefixes are the assimilated forms before a doubled
// consonant (accept, collect, differ, effect, illegal, occur, succeed) and
// sy- before l, m, n, s; their first syllable is unstressed where a
// look-alike would stress it (apple, college, office).  The -ED forms are
// tagged by their sound.  -I*E marks the unstressed endings -ice, -ile, -ine,
// -ite; -IO the ending of ratio and radio.
#include <algorithm>

#include "Catalogue.h"
#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

// Whether the base's phones begin the word's.  A final IY of the base may
// reduce (pity -> pitiful).
bool phonesBegin(const Phones& whole, const Phones& part)
{
    if (part.size() > whole.size() || part.empty()) return false;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (whole[i].sym == part[i].sym) continue;
        const bool reduced = i + 1 == part.size() && part[i].sym == "IY" && (whole[i].sym == "IH" || whole[i].sym == "AH");
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
    {"able", 215}, {"age", 216}, {"al", 217}, {"ance", 218}, {"ancy", 219}, {"ant", 220}, {"ar", 221},
    {"ard", 222}, {"ary", 223}, {"ate", 224}, {"en", 232}, {"ence", 233}, {"ency", 234}, {"ent", 235},
    {"er", 236}, {"ery", 237}, {"est", 238}, {"ful", 239}, {"ible", 242}, {"ic", 243}, {"ify", 244},
    {"ing", 245}, {"ish", 248}, {"ism", 249}, {"ist", 250}, {"ity", 251}, {"ive", 253}, {"less", 255},
    {"ly", 256}, {"ment", 257}, {"ness", 258}, {"oid", 259}, {"ology", 260}, {"or", 261}, {"ory", 262},
    {"ous", 263}, {"ship", 264}, {"some", 265}, {"ward", 272}, {"s", -1}, {"es", -1}, {"y", -1},
};

std::string prefixText(int id)
{
    std::string name = segmentName(id);
    std::string out;
    for (char c : name) {
        if (c == '-') break;
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

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
        if (stem.back() == 'i') consider(stem.substr(0, stem.size() - 1) + "y", suf, Derivation::Change::YToI);
    }
    // -ed and -ies forms.
    if (endsWith(w, "ed") && w.size() > 4) {
        const std::string stem = w.substr(0, w.size() - 2);
        consider(stem, "ed", Derivation::Change::None);
        consider(stem + "e", "ed", Derivation::Change::DropE);
        if (stem.size() >= 4 && stem.back() == stem[stem.size() - 2] && isConsonantLetter(stem.back()))
            consider(stem.substr(0, stem.size() - 1), "ed", Derivation::Change::Double);
        if (stem.back() == 'i') consider(stem.substr(0, stem.size() - 1) + "y", "ed", Derivation::Change::YToI);
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
    const std::string& w = a.word;
    // Suffixes on a base word.
    for (const auto& d : derivations(a, lexicon)) {
        if (d.suffix == "ed") {
            // By what the ending adds to the base's sound: a syllable, D or T.
            const LexiconEntry* base = lexicon.find(d.base);
            const Phones* bp = base ? basePhones(a.phones, *base) : nullptr;
            if (!bp) continue;
            const std::string added = phoneKey(Phones(a.phones.begin() + static_cast<std::ptrdiff_t>(bp->size()), a.phones.end()));
            if (added == "AH D" || added == "IH D") a.tag(229);
            else if (added == "D") a.tag(230);
            else if (added == "T") a.tag(231);
            continue;
        }
        for (const auto& s : kSuffixes)
            if (d.suffix == s.text && s.id > 0) a.tag(s.id);
    }
    // Unstressed -ice, -ile, -ine, -ite; -io.
    if (a.syllables >= 2) {
        for (const char* e : {"ice", "ile", "ine", "ite"}) {
            if (!endsWith(w, e)) continue;
            const auto& last = a.graphemes.size() >= 3 ? a.graphemes[a.graphemes.size() - 3] : a.graphemes.front();
            if (last.letters == "i" && last.stress() == 0) a.tag(254);
        }
        if (endsWith(w, "io")) a.tag(246);
    }
    // Prefixes before a real word.
    for (int id = seg::FirstPrefix; id < seg::NumberPrefixes; ++id) {
        const std::string p = prefixText(id);
        if (p.empty() || w.size() <= p.size() || w.compare(0, p.size(), p) != 0) continue;
        if (isPrefixedWord(a, w.substr(p.size()), lexicon)) a.tag(id);
    }
    for (const char* p : {"uni", "bi", "tri", "quad", "pent", "hex", "oct", "dec", "cent"}) {
        const std::string pre = p;
        if (w.size() > pre.size() && w.compare(0, pre.size(), pre) == 0 && isPrefixedWord(a, w.substr(pre.size()), lexicon))
            a.tag(seg::NumberPrefixes);
    }
    // Chameleon prefixes: the assimilated forms.
    if (a.syllables >= 2 && w.size() >= 5 && !a.graphemes.empty()) {
        const int firstStress = a.graphemes.front().hasVowelPhone() ? a.graphemes.front().stress()
                                                                    : (a.graphemes.size() > 1 ? a.graphemes[1].stress() : -1);
        const bool unstressed = firstStress != 1;
        auto doubled = [&](std::size_t at, const std::string& letters) {
            return w.size() > at + 1 && w[at] == w[at + 1] && letters.find(w[at]) != std::string::npos;
        };
        if (w[0] == 'a' && doubled(1, "cfglnprst") && unstressed) a.tag(207);
        if (w.rfind("co", 0) == 0 && doubled(2, "lr") && unstressed) a.tag(208);
        if (w.rfind("di", 0) == 0 && doubled(2, "f")) a.tag(209);
        if (w[0] == 'e' && doubled(1, "f")) a.tag(210);
        if (w[0] == 'i' && doubled(1, "lmr") && unstressed) a.tag(211);
        if (w[0] == 'o' && doubled(1, "cfp") && unstressed) a.tag(212);
        if (w.rfind("su", 0) == 0 && doubled(2, "cfgpr")) a.tag(213);
        if (w.rfind("sy", 0) == 0 && w.size() > 2 && std::string("lmns").find(w[2]) != std::string::npos) a.tag(214);
    }
}

}  // namespace moxlet::wordbase
