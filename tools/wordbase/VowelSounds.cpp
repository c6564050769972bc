#include "VowelSounds.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

bool isVowelLetter(char c) { return std::string("aeiouy").find(c) != std::string::npos; }

bool startsWith(const std::string& s, std::size_t at, const std::string& prefix)
{
    return s.compare(at, prefix.size(), prefix) == 0;
}

/// The vowel letters of a unit's spelling, after any leading consonant letters
/// (wa -> a, qua -> a, tu -> u); "" for a consonant unit.
std::string vowelPart(const SoundUnit& u)
{
    std::size_t k = 0;
    while (k < u.letters.size() && !isVowelLetter(u.letters[k])) ++k;
    // The u of qu says w, a consonant: squash and quan-ti-ty are closed, not vowel pairs.
    if (k > 0 && k + 1 < u.letters.size() && u.letters[k - 1] == 'q' && u.letters[k] == 'u') ++k;
    std::string v = u.letters.substr(k);
    while (!v.empty() && !isVowelLetter(v.back()) && v.back() != 'w' && v.back() != 'h' && v.back() != 'g')
        v.pop_back();
    return v;
}

bool hasRSegment(const SoundUnit& u)
{
    static const std::set<int> r = {seg::AR, seg::EAR_Ear, seg::EAR_Er, seg::EAR_Air, seg::ER,
                                    seg::IR, seg::OR,      seg::UR,     seg::WAR,     seg::WOR};
    if (u.letters == "ture" || u.letters == "sure" || u.letters == "dure" || u.letters == "quar" ||
        u.letters == "ssure")
        return true;
    if (u.letters == "air" || u.letters == "eer" || u.letters == "our" || u.letters == "oar" ||
        u.letters == "ier")
        return true;  // hair, deer, tour, board, pier
    return std::any_of(u.segments.begin(), u.segments.end(), [&](int s) { return r.count(s) > 0; });
}

bool isSilentEUnit(const SoundUnit& u) { return !u.letters.empty() && u.letters[0] == 'e' && !u.vowel(); }

bool isLongSingle(const SoundUnit& u)
{
    if (u.kind == UnitKind::LongVowel) return true;
    if (u.letters == "y" && std::find(u.segments.begin(), u.segments.end(), seg::Y_LongI) != u.segments.end())
        return true;  // type, style
    return u.letters == "o" &&
           std::find(u.segments.begin(), u.segments.end(), seg::O_Long) != u.segments.end();
}

bool isShortStressed(const Phone& p)
{
    static const std::set<std::string> shortVowels = {"AE", "EH", "IH", "AA", "AO", "AH", "UH"};
    return p.stress >= 1 && shortVowels.count(p.sym) > 0;
}

bool soundingConsonant(const SoundUnit& u) { return !u.phones.empty() && !u.vowel(); }

bool doubledLetter(const SoundUnit& u)
{
    return u.letters.size() == 2 && u.letters[0] == u.letters[1] && !isVowelLetter(u.letters[0]);
}

}  // namespace

int droppedVowel(const SoundAlignment& a, std::size_t k)
{
    if (k == 0 || k + 1 >= a.units.size()) return -1;
    const SoundUnit& u = a.units[k];
    const bool silentE = u.kind == UnitKind::SilentE && u.letters == "e";  // op(e)ra
    if ((u.kind != UnitKind::Unexplained && !silentE) || !u.phones.empty() || u.letters.size() != 1)
        return -1;
    if (!soundingConsonant(a.units[k - 1]) || !soundingConsonant(a.units[k + 1])) return -1;
    if (isVowelLetter(a.units[k - 1].letters.back()) || isVowelLetter(a.units[k + 1].letters[0])) return -1;
    // A silent e before a consonant other than r, l, n, or after r, ends a word part
    // (some-times, there-fore, scare-crow), it is no dropped vowel.
    if (silentE && (std::string("rln").find(a.units[k + 1].letters[0]) == std::string::npos ||
                    a.units[k - 1].letters.back() == 'r'))
        return -1;
    // The vowel must come back later in the word (choc-o-late), so the word keeps a
    // vowel sound after it.
    bool laterVowel = false;
    for (std::size_t q = k + 1; q < a.units.size(); ++q) laterVowel |= a.units[q].vowel();
    if (!laterVowel) return -1;
    switch (u.letters[0]) {
    case 'a': return seg::A_Schwa;
    case 'e': return seg::E_Schwa;
    case 'i': return seg::I_Short;
    case 'o': return seg::O_Short;
    case 'u': return seg::U_Short;
    default: return -1;
    }
}

namespace {

struct Tagger {
    const SoundAlignment& a;
    std::set<int> out;
    bool rote = false;
    std::vector<int> type;          // per syllable
    std::vector<int> nucleus;       // unit index per syllable, -1 none
    std::vector<bool> silentEUsed;  // per unit: the e of a Silent E syllable
    std::vector<bool> kindOld;      // per unit: a Kind Old vowel

    explicit Tagger(const SoundAlignment& al)
        : a(al), type(static_cast<std::size_t>(al.syllables), -1),
          nucleus(static_cast<std::size_t>(al.syllables), -1), silentEUsed(al.units.size(), false),
          kindOld(al.units.size(), false)
    {
    }

    const SoundUnit& unit(std::size_t k) const { return a.units[k]; }

    /// The silent e that makes the vowel of unit k long (k, consonants, e), or -1.
    int silentEAfter(std::size_t k) const
    {
        std::size_t q = k + 1;
        int consonants = 0;
        while (q < a.units.size() && !unit(q).vowel() && !isSilentEUnit(unit(q))) {
            if (!isVowelLetter(unit(q).letters[0])) ++consonants;
            ++q;
        }
        // The e of a final -ed is the base's silent e only after one consonant letter
        // or th (hoped, smiled, bathed; not rolled, filled: roll + ed; not signed,
        // climbed, whose gn and mb keep their own silent letter).
        const bool edAfterDouble = q < a.units.size() && unit(q).letters == "ed" &&
                                   (consonants != 1 || doubledLetter(unit(q - 1)) ||
                                    (unit(q - 1).letters.size() > 1 && unit(q - 1).letters != "th"));
        if (q < a.units.size() && consonants > 0 && consonants <= 2 && isSilentEUnit(unit(q)) &&
            !edAfterDouble)
            return static_cast<int>(q);
        // The a of -ange keeps its long sound when the e sounds or is dropped before an
        // ending (changes, changing, stranger, danger): the soft g still shows it.
        if (unit(k).letters == "a" && k + 1 < a.units.size() && unit(k + 1).letters == "ng" &&
            unit(k + 1).phones.size() == 2 && unit(k + 1).phones[1].sym == "JH") {
            const auto after = static_cast<std::size_t>(unit(k + 1).letterStart) + 2;
            if (after < a.word.size() && (a.word[after] == 'e' || a.word[after] == 'i'))
                return static_cast<int>(k + 1);
        }
        // ce, ge, gue units carry their own silent e (page, race, change, plague, vague).
        for (std::size_t c = k + 1; c < a.units.size() && c <= k + 2 && !unit(c).vowel(); ++c)
            if (unit(c).letters == "ce" || unit(c).letters == "ge" || unit(c).letters == "gue")
                return static_cast<int>(c);
        return -1;
    }

    /// sign, design, climb: a long i before the gn or mb that is taught with it is
    /// explained by GN or -MB (the words those phonograms are taught with), not by
    /// Kind Old Words.
    bool longBeforeSilentLetter(std::size_t k) const
    {
        if (k + 1 >= a.units.size() || unit(k).letters != "i") return false;
        const SoundUnit& next = unit(k + 1);
        return (next.letters == "gn" || next.letters == "mb") && next.syllable == unit(k).syllable;
    }

    bool kindOldAfter(std::size_t k) const
    {
        const SoundUnit& u = unit(k);
        if (!isLongSingle(u) || (u.letters != "i" && u.letters != "o")) return false;
        if (u.letters == "i" && !(u.phones.size() == 1 && u.phones[0].sym == "AY")) return false;
        const std::size_t at = static_cast<std::size_t>(u.letterStart) + 1;
        for (const char* c : {"ld", "nd", "lt", "st", "ll", "th"})
            if (startsWith(a.word, at, c)) return true;
        return false;
    }

    /// roll-ing, host-ed, hold-ing: a Kind Old vowel whose two consonant letters are
    /// followed only by an inflectional ending keeps its base's closed syllable,
    /// wherever the pronunciation divides the word.
    bool kindOldBeforeEnding(std::size_t k) const
    {
        // Not th: cloth-ing, writh-ing drop the silent e of clothe, writhe.
        const auto at = static_cast<std::size_t>(unit(k).letterStart) + 3;
        return kindOldAfter(k) && !startsWith(a.word, at - 2, "th") && at <= a.word.size() &&
               isInflectionalEnding(std::string_view(a.word).substr(at));
    }

    void syllableTypes()
    {
        for (std::size_t k = 0; k < a.units.size(); ++k) {
            const auto s = static_cast<std::size_t>(unit(k).syllable);
            if (s < nucleus.size() && nucleus[s] < 0 && unit(k).vowel()) nucleus[s] = static_cast<int>(k);
        }
        for (std::size_t s = 0; s < nucleus.size(); ++s) {
            if (nucleus[s] < 0) continue;
            const auto k = static_cast<std::size_t>(nucleus[s]);
            const SoundUnit& u = unit(k);
            const std::string v = vowelPart(u);
            bool closedAfter = false;
            for (std::size_t q = k + 1; q < a.units.size() && unit(q).syllable == static_cast<int>(s); ++q)
                closedAfter |= !unit(q).phones.empty();
            if (k + 1 < a.units.size() && unit(k + 1).letters == "stle") closedAfter = true;  // cas-tle
            // A doubled consonant starting the next unit straddles the break: mis-sion, pres-sure.
            if (k + 1 < a.units.size() && u.phones.size() == 1 && isShortStressed(u.phones[0])) {
                const std::string& nl = unit(k + 1).letters;
                if (nl.size() > 2 && nl[0] == nl[1] && !isVowelLetter(nl[0])) closedAfter = true;
            }
            // A consonant sound in the vowel's own unit closes the syllable: walk, salt, ball.
            if (u.letters == "alk" || u.letters == "alt" || u.letters == "all" || u.letters == "al")
                closedAfter = true;
            if (u.letters == "le" || u.letters == "stle" || (u.letters == "l" && u.phones.size() == 2)) {
                type[s] = seg::ConsonantLE;
            } else if (hasRSegment(u)) {
                type[s] = seg::RControlled;
            } else if (u.letters == "tion" || u.letters == "sion" || u.letters == "ssion") {
                type[s] = seg::ClosedSyllable;
            } else if (v.size() >= 2 && v != "al" && v != "all" && v != "alk") {
                type[s] = seg::VowelPair;
            } else if (isLongSingle(u) && silentEAfter(k) >= 0) {
                type[s] = seg::SilentE;
                silentEUsed[static_cast<std::size_t>(silentEAfter(k))] = true;
            } else if (!closedAfter && !kindOldBeforeEnding(k)) {
                type[s] = seg::OpenSyllable;
            } else {
                type[s] = seg::ClosedSyllable;
            }
            if (kindOldAfter(k) && type[s] != seg::SilentE && type[s] != seg::OpenSyllable) kindOld[k] = true;
            out.insert(type[s]);
        }
    }

    bool silentEExplained(std::size_t k) const
    {
        if (silentEUsed[k]) return true;
        if (k == 0) return false;
        const SoundUnit& prev = unit(k - 1);
        const std::string& pl = prev.letters;
        if (!pl.empty()) {
            const char c = pl.back();
            const std::string ps = prev.phones.empty() ? "" : prev.phones.back().sym;
            if ((c == 'c' && ps == "S") || (c == 'g' && (ps == "JH" || ps == "ZH")) || c == 'v' || c == 's' ||
                c == 'z' || pl == "th" || c == 'u')
                return true;
            if (c == 'r' && hasRSegment(prev)) return true;  // more, store
        }
        // The unstressed endings -ice, -ine, -ite, -ate, -age (notice, engine, climate).
        const auto s = static_cast<std::size_t>(unit(k).syllable);
        if (s < nucleus.size() && nucleus[s] >= 0 && s > 0) {
            const SoundUnit& n = unit(static_cast<std::size_t>(nucleus[s]));
            for (const auto& p : n.phones)
                if (p.vowel()) return p.stress == 0;
        }
        return false;
    }

    void units()
    {
        static const char* const kShEndings[][2] = {
            {"cial", "225"},  {"cian", "226"}, {"cient", "227"}, {"cience", "227"}, {"cious", "228"},
            {"tious", "228"}, {"tial", "267"}, {"tian", "268"},  {"tient", "269"},  {"tience", "269"}};
        for (std::size_t k = 0; k < a.units.size(); ++k) {
            const SoundUnit& u = unit(k);
            const auto s = static_cast<std::size_t>(u.syllable);
            switch (u.kind) {
            case UnitKind::Unexplained:
                if (const int reduced = droppedVowel(a, k); reduced >= 0) {
                    out.insert(reduced);
                    break;
                }
                // The second letter of a doubled consonant split by the aligner (worry, arrest).
                if (u.phones.empty() && u.letters.size() == 1 && !isVowelLetter(u.letters[0]) && k > 0 &&
                    unit(k - 1).letters.back() == u.letters[0])
                    break;
                rote = true;
                break;
            case UnitKind::SilentE:
                if (silentEExplained(k)) break;
                if (const int reduced = droppedVowel(a, k); reduced >= 0)
                    out.insert(reduced);
                else
                    rote = true;
                break;
            case UnitKind::LongVowel: {
                const int t = s < type.size() ? type[s] : -1;
                const bool iAsE = u.letters == "i" && u.phones.size() == 1 && u.phones[0].sym == "IY";
                if (kindOld[k])
                    out.insert(seg::KindOldWords);
                else if (t == seg::OpenSyllable || (!iAsE && t == seg::SilentE) ||
                         longBeforeSilentLetter(k)) {
                } else
                    rote = true;
                break;
            }
            case UnitKind::Phonogram:
                if (u.letters == "ci" || u.letters == "ti") {
                    bool found = false;
                    for (const auto& e : kShEndings)
                        if (startsWith(a.word, static_cast<std::size_t>(u.letterStart), e[0])) {
                            out.insert(std::stoi(e[1]));
                            found = true;
                            break;
                        }
                    if (!found) rote = true;
                }
                if (kindOld[k]) out.insert(seg::KindOldWords);
                break;
            }
            for (int id : u.segments) out.insert(id);
        }
        if (rote) out.insert(seg::RoteWords);
    }
};

std::map<std::string, SoundException>& exceptions()
{
    static std::map<std::string, SoundException> table;
    return table;
}

std::vector<int> parseIds(const std::string& field)
{
    std::vector<int> ids;
    std::string item;
    std::istringstream in(field);
    while (std::getline(in, item, ',')) {
        while (!item.empty() && (item[0] == '+' || item[0] == '-' || item[0] == ' ')) item.erase(0, 1);
        if (!item.empty()) ids.push_back(std::stoi(item));
    }
    return ids;
}

}  // namespace

std::vector<int> soundSegments(const SoundAlignment& alignment)
{
    Tagger t(alignment);
    t.syllableTypes();
    t.units();
    return {t.out.begin(), t.out.end()};
}

bool loadSoundExceptions(const std::string& path, std::map<std::string, SoundException>& out)
{
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cols;
        std::string col;
        std::istringstream ls(line);
        while (std::getline(ls, col, '\t')) cols.push_back(col);
        if (cols.size() < 3) continue;
        out[cols[0]] = SoundException{parseIds(cols[1]), parseIds(cols[2])};
    }
    return true;
}

void setSoundExceptions(std::map<std::string, SoundException> table) { exceptions() = std::move(table); }

bool hasSoundException(const std::string& word) { return exceptions().count(word) > 0; }

std::vector<int> tagSoundSegments(const std::string& word, const std::string& arpabet,
                                  const std::string& syllabified)
{
    std::string first = arpabet.substr(0, arpabet.find('|'));
    const Phones phones = parsePhones(first);
    const SoundAlignment alignment = alignSounds(word, phones, syllabified);
    std::vector<int> ids = soundSegments(alignment);
    const auto it = exceptions().find(word);
    if (it != exceptions().end()) {
        std::set<int> set(ids.begin(), ids.end());
        for (int id : it->second.add) set.insert(id);
        for (int id : it->second.remove) set.erase(id);
        ids.assign(set.begin(), set.end());
    }
    return ids;
}

}  // namespace moxlet::wordbase
