#include "SoundAligner.h"

#include <algorithm>
#include <limits>
#include <set>

#include "SoundTable.h"

namespace moxlet::wordbase {

namespace {

constexpr int kFallbackCost = 30;  // a letter or phone the table does not explain

struct Step {
    int cost = std::numeric_limits<int>::max();
    int fromI = -1, fromJ = -1;
    const SoundSpelling* spelling = nullptr;
    const SoundReading* reading = nullptr;
};

bool contextFits(const SoundSpelling& sp, const std::string& word, std::size_t i)
{
    const std::size_t end = i + sp.letters.size();
    if (sp.initialOnly && i != 0) return false;
    if (sp.finalOnly && end != word.size()) return false;
    if (sp.beforeVowel && (end >= word.size() || std::string("aeiouy").find(word[end]) == std::string::npos))
        return false;
    if (sp.afterConsonant && (i == 0 || std::string("aeiouy").find(word[i - 1]) != std::string::npos))
        return false;
    if (sp.syllableEnd && end < word.size() && std::string("aeiouy").find(word[end]) != std::string::npos) {
        static const char* const endings[] = {"s",   "ed", "ing", "ings", "er", "ers",
                                              "est", "y",  "ily", "ie",   "ies"};
        const std::string rest = word.substr(end);
        if (std::none_of(std::begin(endings), std::end(endings), [&](const char* e) { return rest == e; }))
            return false;
    }
    if (sp.finalOrSuffix) {
        const std::string rest = word.substr(end);
        if (!(rest.empty() || rest == "s" || rest == "d")) return false;
        if (i == 0 || std::string("aeiouy").find(word[i - 1]) != std::string::npos) return false;
    }
    return true;
}

std::vector<SoundUnit> cheapestParse(const std::string& word, const Phones& phones)
{
    const std::size_t n = word.size(), m = phones.size();
    std::vector<std::vector<Step>> best(n + 1, std::vector<Step>(m + 1));
    best[0][0].cost = 0;
    auto relax = [&](std::size_t i, std::size_t j, std::size_t ni, std::size_t nj, int cost,
                     const SoundSpelling* sp, const SoundReading* r) {
        const int total = best[i][j].cost + cost;
        if (total < best[ni][nj].cost)
            best[ni][nj] = Step{total, static_cast<int>(i), static_cast<int>(j), sp, r};
    };
    for (std::size_t i = 0; i <= n; ++i) {
        for (std::size_t j = 0; j <= m; ++j) {
            if (best[i][j].cost == std::numeric_limits<int>::max()) continue;
            for (const auto& sp : soundTable()) {
                if (word.compare(i, sp.letters.size(), sp.letters) != 0 || i + sp.letters.size() > n)
                    continue;
                if (!contextFits(sp, word, i)) continue;
                for (const auto& r : sp.readings) {
                    if (j + r.phones.size() > m) continue;
                    bool match = true;
                    for (std::size_t q = 0; q < r.phones.size() && match; ++q)
                        match = phoneMatches(phones[j + q], r.phones[q]);
                    if (match) relax(i, j, i + sp.letters.size(), j + r.phones.size(), r.cost, &sp, &r);
                }
            }
            if (i < n) relax(i, j, i + 1, j, kFallbackCost, nullptr, nullptr);
            if (i < n && j < m) relax(i, j, i + 1, j + 1, kFallbackCost, nullptr, nullptr);
            if (j < m) relax(i, j, i, j + 1, kFallbackCost, nullptr, nullptr);
        }
    }
    std::vector<SoundUnit> units;
    for (std::size_t i = n, j = m; i > 0 || j > 0;) {
        const Step& s = best[i][j];
        SoundUnit u;
        u.letterStart = s.fromI;
        u.letters = word.substr(static_cast<std::size_t>(s.fromI), i - static_cast<std::size_t>(s.fromI));
        for (std::size_t q = static_cast<std::size_t>(s.fromJ); q < j; ++q) u.phones.push_back(phones[q]);
        if (s.reading) {
            u.segments = s.reading->segments;
            u.kind = s.reading->kind;
        } else {
            u.kind = UnitKind::Unexplained;
        }
        units.push_back(u);
        i = static_cast<std::size_t>(s.fromI);
        j = static_cast<std::size_t>(s.fromJ);
    }
    std::reverse(units.begin(), units.end());
    // A phone with no letters joins the unit before it (or after it, at the start).
    std::vector<SoundUnit> merged;
    for (std::size_t k = 0; k < units.size(); ++k) {
        SoundUnit u = units[k];
        if (u.letters.empty()) {
            SoundUnit* host =
                !merged.empty() ? &merged.back() : (k + 1 < units.size() ? &units[k + 1] : nullptr);
            if (host) {
                host->phones.insert(merged.empty() ? host->phones.begin() : host->phones.end(),
                                    u.phones.begin(), u.phones.end());
                host->kind = UnitKind::Unexplained;
                continue;
            }
        }
        merged.push_back(u);
    }
    // fire, hour: an r said as its own unstressed syllable joins the vowel before it.
    for (std::size_t k = 1; k < merged.size(); ++k)
        if (merged[k].letters == "r" && merged[k].phones.size() == 1 && merged[k].phones[0].sym == "ER" &&
            merged[k - 1].vowel()) {
            merged[k - 1].phones.push_back(merged[k].phones[0]);
            merged[k].phones.clear();
        }
    return merged;
}

bool isShortSound(const Phone& p)
{
    static const std::set<std::string> shortVowels = {"AE", "EH", "IH", "AA", "AO", "AH", "UH"};
    return p.stress >= 1 && shortVowels.count(p.sym) > 0;
}

// The few sounds a single vowel letter makes before r that are its long sound in
// another guise: care (a as EH), hero (e as IH), cure (u as UH) when one r follows.
void markLongBeforeR(const std::string& word, std::vector<SoundUnit>& units)
{
    for (std::size_t k = 0; k + 1 < units.size(); ++k) {
        SoundUnit& u = units[k];
        // marry, carrot: a before rr keeps its short sound in the spelling tutors teach.
        if (u.letters == "a" && u.phones.size() == 1 && u.phones[0].sym == "EH" &&
            units[k + 1].letters == "rr") {
            u.kind = UnitKind::Phonogram;
            u.segments = {0};
            continue;
        }
        if (u.letters.size() != 1 || u.phones.size() != 1 || units[k + 1].letters != "r") continue;
        const std::string& s = u.phones[0].sym;
        const char c = u.letters[0];
        if ((c == 'a' && s == "EH") || (c == 'e' && s == "IH" && u.phones[0].stress >= 1) ||
            (c == 'u' && s == "UH")) {
            u.kind = UnitKind::LongVowel;
            u.segments.clear();
        }
        if (c == 'a' && s == "EH" &&
            word.compare(static_cast<std::size_t>(u.letterStart) + 1, 2, "rr") == 0) {
            u.kind = UnitKind::Phonogram;
            u.segments = {0};
        }
    }
}

// The ll of all makes ALL only inside one syllable (wall, small-er, call-ing).
// Split by the syllable break (wal-let, swal-low) the a before it is what the
// letters before it make of it, the WA of w + a, and the ll is L.
void splitDoubledAcrossSyllables(SoundAlignment& a, const std::vector<int>& syl)
{
    std::size_t p = 0;
    for (std::size_t k = 0; k < a.units.size(); p += a.units[k].phones.size(), ++k) {
        SoundUnit& u = a.units[k];
        if (k == 0 || u.letters != "all" || u.phones.size() != 2 || syl[p] == syl[p + 1]) continue;
        SoundUnit& w = a.units[k - 1];
        if (w.letters != "w" || w.phones.size() != 1) continue;
        if (isInflectionalEnding(
                std::string_view(a.word).substr(static_cast<std::size_t>(u.letterStart) + 3)))
            continue;
        w.letters = "wa";
        w.phones.push_back(u.phones[0]);
        w.segments = {105};
        w.kind = UnitKind::Phonogram;
        u.letters = "ll";
        u.phones.erase(u.phones.begin());
        u.segments = {51};
        u.kind = UnitKind::Phonogram;
        u.letterStart += 1;
    }
}

void placeSyllables(SoundAlignment& a, std::string_view breaks)
{
    std::vector<int> syl = syllableOfPhones(a.phones, breaks);
    // Map every phone to its unit.
    std::vector<std::size_t> unitOf(a.phones.size(), 0);
    std::size_t p = 0;
    for (std::size_t k = 0; k < a.units.size(); ++k)
        for (std::size_t q = 0; q < a.units[k].phones.size(); ++q) unitOf[p++] = k;
    // A consonant after a stressed short vowel ends that vowel's syllable.
    for (std::size_t v = 0; v + 1 < a.phones.size(); ++v) {
        if (!a.phones[v].vowel() || !isShortSound(a.phones[v])) continue;
        if (a.units[unitOf[v]].kind == UnitKind::LongVowel) continue;
        if (a.phones[v + 1].vowel() || syl[v + 1] == syl[v]) continue;
        bool laterVowel = false;
        for (std::size_t q = v + 1; q < a.phones.size(); ++q)
            laterVowel |= a.phones[q].vowel() && syl[q] == syl[v + 1];
        if (!laterVowel) continue;
        if (unitOf[v + 1] == unitOf[v]) continue;
        const SoundUnit& next = a.units[unitOf[v + 1]];
        const bool doubled = next.letters.size() == 2 && next.letters[0] == next.letters[1];
        // A doubled letter or a consonant digraph straddles the break: rab-bit, pock-et.
        if (doubled || next.letters == "ck" || next.phones.size() == 1 || next.letters == "x")
            syl[v + 1] = syl[v];
    }
    splitDoubledAcrossSyllables(a, syl);
    a.syllables = syl.empty() ? 0 : *std::max_element(syl.begin(), syl.end()) + 1;
    p = 0;
    int last = 0;
    for (auto& u : a.units) {
        int s = -1;
        for (std::size_t q = 0; q < u.phones.size(); ++q)
            if (u.phones[q].vowel()) {
                s = syl[p + q];
                break;
            }
        if (s < 0 && !u.phones.empty()) s = syl[p];
        if (s < 0) s = last;  // silent: with the unit before it
        u.syllable = s;
        last = s;
        p += u.phones.size();
    }
    // Silent letters at the start go with the first sounding unit (knee, wrap).
    for (std::size_t k = 0; k < a.units.size() && a.units[k].phones.empty(); ++k)
        for (const auto& later : a.units)
            if (!later.phones.empty()) {
                a.units[k].syllable = later.syllable;
                break;
            }
}

}  // namespace

bool isInflectionalEnding(std::string_view rest)
{
    static constexpr std::string_view endings[] = {"s",  "es",  "ed",  "ing", "ings",
                                                   "er", "ers", "est", "ly",  "en"};
    return std::find(std::begin(endings), std::end(endings), rest) != std::end(endings);
}

bool SoundUnit::vowel() const
{
    return std::any_of(phones.begin(), phones.end(), [](const Phone& p) { return p.vowel(); });
}

SoundAlignment alignSounds(const std::string& word, const Phones& phones, std::string_view breaks)
{
    SoundAlignment a;
    for (char c : word)
        if (c >= 'a' && c <= 'z') a.word += c;
    a.phones = phones;
    a.units = cheapestParse(a.word, phones);
    markLongBeforeR(a.word, a.units);
    placeSyllables(a, breaks);
    return a;
}

std::string describe(const SoundAlignment& alignment)
{
    std::string out;
    for (const auto& u : alignment.units) {
        if (!out.empty()) out += ' ';
        out += u.letters + ':';
        std::string ph;
        for (const auto& p : u.phones) {
            if (!ph.empty()) ph += '_';
            ph += p.sym + (p.stress >= 0 ? std::to_string(p.stress) : "");
        }
        out += ph.empty() ? "-" : ph;
        out += ':';
        switch (u.kind) {
        case UnitKind::LongVowel: out += "long"; break;
        case UnitKind::SilentE: out += "e"; break;
        case UnitKind::Unexplained: out += "?"; break;
        default: break;
        }
        for (std::size_t k = 0; k < u.segments.size(); ++k)
            out += (k ? "," : "") + std::to_string(u.segments[k]);
        out += '/' + std::to_string(u.syllable);
    }
    return out;
}

}  // namespace moxlet::wordbase
