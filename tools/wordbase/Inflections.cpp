#include "Inflections.h"

#include <algorithm>

#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

bool consonantLetter(char c) { return std::string_view("aeiou").find(c) == std::string_view::npos; }

}  // namespace

std::optional<RegularInflection> regularInflection(const std::string& word, const std::string& base)
{
    using Change = RegularInflection::Change;
    if (base.size() < 2 || word.size() <= base.size()) return std::nullopt;
    for (const char* e : {"s", "es", "ed", "ing", "er", "est", "ly"}) {
        const std::string ending = e;
        const char last = base.back();
        if (word == base + ending) return RegularInflection{ending, Change::None};
        // hope + d, free + r: the base's e is the ending's.
        if (last == 'e' && ending[0] == 'e' && word == base + ending.substr(1))
            return RegularInflection{ending, Change::None};
        if (last == 'e' && ending[0] != 'e' && ending != "s" && ending != "ly" &&
            word == base.substr(0, base.size() - 1) + ending)
            return RegularInflection{ending, Change::DropE};
        if (base.size() >= 3 && consonantLetter(last) && last != 'y' && word == base + last + ending)
            return RegularInflection{ending, Change::Double};
        if (base.size() >= 3 && last == 'y' && consonantLetter(base[base.size() - 2]) && ending != "ing" &&
            word == base.substr(0, base.size() - 1) + "i" + ending)
            return RegularInflection{ending, Change::YToI};
    }
    return std::nullopt;
}

const LexiconEntry* inflectionBase(const LexiconEntry& entry, const Lexicon& lexicon, RegularInflection* how)
{
    for (const auto& b : entry.bases) {
        const LexiconEntry* base = lexicon.find(b);
        if (!base) continue;
        const auto inflection = regularInflection(entry.word, b);
        if (!inflection) continue;
        const Phones& bp = base->tagged();
        const Phones& wp = entry.tagged();
        const std::size_t keep =
            inflection->change == RegularInflection::Change::YToI ? bp.size() - 1 : bp.size();
        if (bp.empty() || wp.size() < bp.size() ||
            !std::equal(bp.begin(), bp.begin() + static_cast<long>(keep), wp.begin(),
                        [](const Phone& x, const Phone& y) { return x.sym == y.sym; }))
            continue;
        if (how) *how = *inflection;
        return base;
    }
    return nullptr;
}

bool endingTagged(const SegmentSet& word, const RegularInflection& how)
{
    if (how.ending == "ed") return word.contains(229) || word.contains(230) || word.contains(231);
    if (how.ending == "ing") return word.contains(245);
    if (how.ending == "er") return word.contains(236);
    if (how.ending == "est") return word.contains(238);
    if (how.ending == "ly") return word.contains(256);
    return true;  // -s and -es have no segment of their own
}

SegmentSet inheritedSegments(const SegmentSet& base, const std::string& baseWord,
                             const RegularInflection& how)
{
    using Change = RegularInflection::Change;
    const std::size_t n = baseWord.size();
    // argue-arguing, dye-dying, free-freer: the e of a vowel team is respelled.
    const bool teamRespelled = n >= 2 && baseWord[n - 1] == 'e' &&
                               std::string_view("aeiouwy").find(baseWord[n - 2]) != std::string_view::npos &&
                               (how.change == Change::DropE || how.ending[0] == 'e' || how.ending == "ing");
    SegmentSet out;
    for (int id = 0; id <= seg::RoteWords; ++id) {
        if (!base.contains(id)) continue;
        const bool phonogram = id < seg::KindOldWords;
        const bool syllableType = id >= seg::SilentE && id <= seg::RControlled;
        if (how.change == Change::YToI &&
            (syllableType || id == seg::Y_LongI || id == seg::Y_LongE || id == seg::Y_ShortI))
            continue;
        if (teamRespelled && (phonogram || syllableType)) continue;
        if (how.change == Change::DropE && id == seg::SilentE) continue;
        out.add(id);
    }
    return out;
}

}  // namespace moxlet::wordbase
