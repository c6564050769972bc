// A property over the whole shipped word base: every regular inflection of a
// word base word carries what its base and its ending explain.  From the base:
// its phonograms, Kind Old Words, syllable types (a Silent E may become Silent
// E + Sufx), blends, spelling rules, prefixes, suffixes, roots and Rote Words.
// From the ending: -ING, -ED, -EST, -LY, -ER on an adjective, and the spelling
// rule of the change (a doubled consonant on a one-syllable base 1-1-1, a
// dropped silent e Silent E + Sufx, y to i Y + Suffix or Y + Plural).
//
// The inflections are the pairs data/baseforms.tsv lists that a regular rule
// spells (roll -> rolled, hop -> hopping, tiny -> tinier), and the base must be
// heard at the start of the word: heteronyms (read -> reading) and stress
// shifts are another word to the ear and are left out.
#include <gtest/gtest.h>
#include <map>

#include "RealLexicon.h"
#include "support/ShippedListing.h"

namespace {

using moxlet::wordbase::LexiconEntry;

// A listed word: its segments and its lexicon entry.
struct Word {
    std::set<int> ids;
    const LexiconEntry* entry = nullptr;
};

const std::map<std::string, Word>& wordBase()
{
    static const std::map<std::string, Word> words = [] {
        std::map<std::string, Word> out;
        for (const auto& [word, listed] : moxlet::test::shippedListing())
            if (const LexiconEntry* e = moxlet::test::realLexicon().find(word))
                out[word] = {listed.segments, e};
        return out;
    }();
    return words;
}

enum class Change { None, DropE, Doubled, YtoI };

struct Inflection {
    std::string word, base, ending;
    Change change = Change::None;
    std::string pos;  // the baseforms.tsv letters
};

// How word is spelled on base with one of the regular endings, if it is.
bool spell(const std::string& word, const std::string& base, Inflection& out)
{
    static const char* const endings[] = {"s", "es", "ed", "ing", "er", "est", "ly"};
    const auto cons = [](char c) { return std::string("aeiou").find(c) == std::string::npos; };
    for (const char* e : endings) {
        const std::string ending = e;
        if (word == base + ending) {
            out.change = Change::None;
        } else if (base.back() == 'e' && ending[0] == 'e' && word == base + ending.substr(1)) {
            out.change = Change::None;  // hope + d: the e stays
        } else if (base.back() == 'e' && ending[0] != 'e' && ending != "s" && ending != "ly" &&
                   word == base.substr(0, base.size() - 1) + ending) {
            out.change = Change::DropE;
        } else if (base.size() >= 3 && cons(base.back()) && word == base + base.back() + ending) {
            out.change = Change::Doubled;
        } else if (base.size() >= 3 && base.back() == 'y' && cons(base[base.size() - 2]) && ending != "ing" &&
                   word == base.substr(0, base.size() - 1) + "i" + ending) {
            out.change = Change::YtoI;
        } else {
            continue;
        }
        out.ending = ending;
        return true;
    }
    return false;
}

// Pairs WordNet's detachment rules make that are no inflection.
const std::set<std::string> kNotInflections = {
    "after",    "forest", "litter", "matter",  "number",
    "offer",    "patter", "tanner", "trigger",  // aft, fore, lit ...
    "feed",     "seed",   "weed",               // fee, see, wee + d
    "stocking",                                 // the garment
    "shilling",                                 // the coin
};

std::vector<Inflection> inflections()
{
    std::vector<Inflection> out;
    const auto& wb = wordBase();
    for (const auto& [word, w] : wb) {
        if (w.entry->partsOfSpeech.empty() || kNotInflections.count(word)) continue;
        for (const auto& base : w.entry->bases) {
            Inflection inf;
            inf.word = word;
            inf.base = base;
            inf.pos = w.entry->partsOfSpeech;
            const auto b = wb.find(base);
            if (b == wb.end() || base.size() < 2 || !spell(inf.word, base, inf)) continue;
            // The base must be heard at the start of the word (stress aside).
            const auto& bp = b->second.entry->tagged();
            const auto& wp = w.entry->tagged();
            if (wp.size() < bp.size()) continue;
            const std::size_t keep = inf.change == Change::YtoI ? bp.size() - 1 : bp.size();
            const auto sameSound = [](const auto& x, const auto& y) { return x.sym == y.sym; };
            if (!std::equal(bp.begin(), bp.begin() + static_cast<long>(keep), wp.begin(), sameSound))
                continue;
            out.push_back(inf);
            break;
        }
    }
    return out;
}

// What the base explains that the word must keep.
std::vector<std::vector<int>> requiredFromBase(const Inflection& inf, const std::set<int>& base)
{
    std::vector<std::vector<int>> need;  // each entry: one of these ids
    // argue-arguing, dye-dying, owe-owing, free-freer: the e of a vowel team is
    // respelled, and the team's sounds go with it.
    const std::string& b = inf.base;
    const bool team = b.size() >= 2 && b.back() == 'e' &&
                      std::string("aeiouwy").find(b[b.size() - 2]) != std::string::npos &&
                      (inf.change == Change::DropE || inf.ending[0] == 'e' || inf.ending == "ing");
    for (int id : base) {
        if (team && id <= 123 && id != 117) continue;
        if (id == 112 || id == 113 || id == 114) {
            if (inf.change == Change::YtoI) continue;  // the y is now i
        }
        if (id >= 118 && id <= 123 && inf.change == Change::YtoI)
            continue;  // cry-cried: another vowel spelling
        if (id == 118) {
            need.push_back({118, 162});  // hope-hoping: the e dropped before the ending
            continue;
        }
        if (id == 120 && inf.change == Change::DropE) continue;  // the vowel before the dropped e
        if (id == 0x2000 || id >= 332) continue;
        need.push_back({id});
    }
    return need;
}

std::vector<std::vector<int>> requiredFromEnding(const Inflection& inf, const Word& base)
{
    std::vector<std::vector<int>> need;
    if (inf.ending == "ing") need.push_back({245});
    if (inf.ending == "ed") need.push_back({229, 230, 231});
    if (inf.ending == "est") need.push_back({238});
    if (inf.ending == "ly") need.push_back({256});
    if (inf.ending == "er" && inf.pos.find('a') != std::string::npos) need.push_back({236});
    switch (inf.change) {
    case Change::Doubled:
        if (base.entry->syllables == 1) need.push_back({159});
        break;
    case Change::DropE:
        if (std::string("aeiouwy").find(inf.base[inf.base.size() - 2]) == std::string::npos)
            need.push_back({162});
        break;
    case Change::YtoI:
        need.push_back(inf.ending == "es" ? std::vector<int>{164} : std::vector<int>{163});
        break;
    case Change::None: break;
    }
    return need;
}

TEST(InflectionProperty, EveryInflectionCarriesWhatItsBaseAndEndingExplain)
{
    const auto& wb = wordBase();
    ASSERT_GT(wb.size(), 20000u) << "no word base listing at " << MOXLET_WORDBASE_LISTING;
    const auto all = inflections();
    // Enough pairs that the property covers the inflections the lexicon holds.
    EXPECT_GT(all.size(), 8000u);
    int failures = 0;
    std::map<int, int> byId;
    std::string sample;
    for (const auto& inf : all) {
        const Word& w = wb.at(inf.word);
        const Word& b = wb.at(inf.base);
        auto need = requiredFromBase(inf, b.ids);
        for (auto& n : requiredFromEnding(inf, b)) need.push_back(n);
        for (const auto& alternatives : need) {
            const bool has = std::any_of(alternatives.begin(), alternatives.end(),
                                         [&](int id) { return w.ids.count(id) > 0; });
            if (has) continue;
            ++failures;
            ++byId[alternatives.front()];
            if (sample.size() < 100000)
                sample += " " + inf.word + "(" + inf.base + ":" + std::to_string(alternatives.front()) + ")";
        }
    }
    std::string ids;
    for (const auto& [id, n] : byId) ids += " " + std::to_string(id) + "x" + std::to_string(n);
    EXPECT_EQ(failures, 0) << all.size() << " inflections; missing by id:" << ids << "\n" << sample;
}

}  // namespace
