#include "Morphology.h"

#include <algorithm>
#include <iterator>

namespace moxlet::wordbase::affixes {

namespace {

Phones dropped(Phones p, std::size_t at)
{
    p.erase(p.begin() + static_cast<long>(at));
    return p;
}

}  // namespace

bool isVowelLetter(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

Phones Morphology::firstPhones(const std::string& word) const
{
    const auto prons = lex_.pronunciations(word);
    return prons.empty() ? Phones{} : splitPhones(prons.front());
}

Phones Morphology::basePhones(const std::string& base, const std::string& derived) const
{
    if (lex_.contains(base) || derived.empty()) return firstPhones(base);
    Phones p = firstPhones(derived);
    const auto last =
        std::find_if(p.rbegin(), p.rend(), [](const std::string& ph) { return isVowelPhone(ph); });
    if (last == p.rend()) return {};
    p.erase(std::prev(last.base()), p.end());
    return p;
}

std::vector<Phones> Morphology::allPhones(const std::string& word) const
{
    std::vector<Phones> out;
    for (const auto& p : lex_.pronunciations(word)) out.push_back(splitPhones(p));
    return out;
}

std::vector<Stem> Morphology::basesFor(const std::string& word, const std::string& suffix,
                                       bool checkSound) const
{
    std::vector<Stem> out;
    if (word.size() < suffix.size() + 2 ||
        word.compare(word.size() - suffix.size(), suffix.size(), suffix) != 0)
        return out;
    const std::string s = word.substr(0, word.size() - suffix.size());
    const char first = suffix.empty() ? 'x' : suffix[0];
    const bool vowelSuffix = isVowelLetter(first) || first == 'y';

    std::vector<Stem> candidates{{s, StemChange::None}};
    if (vowelSuffix && s.back() != 'e') candidates.push_back({s + "e", StemChange::DropE});
    // agree + d, free + r, free + st: the base's final e is the ending's.
    if (first == 'e' && s.back() == 'e') candidates.push_back({s + "e", StemChange::None});
    if (vowelSuffix && s.size() >= 3 && s.back() == s[s.size() - 2] && !isVowelLetter(s.back()))
        candidates.push_back({s.substr(0, s.size() - 1), StemChange::Doubled});
    if (s.back() == 'i' && first != 'i' && s.size() >= 3 && !isVowelLetter(s[s.size() - 2]))
        candidates.push_back({s.substr(0, s.size() - 1) + "y", StemChange::YtoI});

    const auto listed = lex_.baseForms(word);
    // The inflection list may name a base the lexicon lacks (erupted -> erupt,
    // recurring -> recur); only -ed and -ing trust it, and only then is no
    // sound to check.
    const bool inflection = suffix == "ed" || suffix == "ing";
    for (const auto& c : candidates) {
        if (c.base.size() < 2) continue;
        if (!lex_.contains(c.base)) {
            if (inflection && std::find(listed.begin(), listed.end(), c.base) != listed.end())
                out.push_back(c);
            continue;
        }
        if (!listed.empty() && std::find(listed.begin(), listed.end(), c.base) == listed.end()) {
            // forgotten lists forget; its stem forgot counts because forgot lists forget too.
            // So do the past tenses under the -en of strong participles: broke-n,
            // spoke-n, stole-n (broken lists break, broke lists break too).
            bool shares = false;
            if (c.change != StemChange::Doubled && suffix != "en") continue;
            for (const auto& b : lex_.baseForms(c.base))
                shares = shares || std::find(listed.begin(), listed.end(), b) != listed.end();
            if (!shares) continue;
        }
        if (checkSound) {
            bool sounds = false;
            const auto wordProns = allPhones(word);
            for (const auto& bp : allPhones(c.base))
                for (const auto& wp : wordProns)
                    sounds = sounds || phonesHavePrefix(wp, bp, c.change == StemChange::YtoI) ||
                             (!vowelSuffix && bp.size() > 2 && (bp.back() == "D" || bp.back() == "T") &&
                              phonesHavePrefix(wp, Phones(bp.begin(), bp.end() - 1))) ||  // handsome, exactly
                             (suffix == "en" && bp.size() > 2 && bp.back() == "T" &&
                              bp[bp.size() - 2] != "T" && !isVowelPhone(bp[bp.size() - 2]) &&
                              phonesHavePrefix(
                                  wp, Phones(bp.begin(), bp.end() - 1))) ||  // soften, fasten: silent t
                             (vowelSuffix && suffix != "y" && bp.size() > 3 && bp[bp.size() - 2] == "AH0" &&
                              bp.back() == "L" &&                                 // not even -> evening
                              phonesHavePrefix(wp, dropped(bp, bp.size() - 2)));  // devilish: dev(i)lish
            if (!sounds) continue;
        }
        out.push_back(c);
    }
    // Bases the lexicon holds first, then in the order the base-form list gives
    // them (priming: prime before prim; bussed: bus before buss).
    const auto rankOf = [&](const Stem& st) {
        const auto at = std::find(listed.begin(), listed.end(), st.base);
        return std::make_pair(lex_.contains(st.base) ? 0 : 1, at - listed.begin());
    };
    if (out.size() > 1)
        std::stable_sort(out.begin(), out.end(),
                         [&](const Stem& x, const Stem& y) { return rankOf(x) < rankOf(y); });
    return out;
}

bool Morphology::isKnownForm(const std::string& spelling) const
{
    if (lex_.contains(spelling)) return true;
    static const char* const kEndings[] = {"s",    "es",   "ed",  "ing",  "er",  "est",  "ly",
                                           "ness", "able", "ful", "ment", "ers", "ings", "ity",
                                           "ent",  "ence", "ion", "ive",  "al",  "ible"};
    for (const char* e : kEndings)
        if (!basesFor(spelling, e, false).empty()) return true;
    return false;
}

}  // namespace moxlet::wordbase::affixes
