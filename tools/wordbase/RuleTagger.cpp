// Spelling rules, tagged on words derived from a base by the rule (a first,
// simple tagging):
//   1-1-1     a one-syllable base ending in one vowel + one consonant doubles
//             it before a vowel suffix (hopping, bigger)
//   2-1-1     the same for a longer base stressed on its last syllable
//             (beginning, forgotten)
//   FSZL      f, l, s, z doubled after a short vowel at the end of a
//             one-syllable word, and words built on one (off, bell, misses)
//   Silent E + Sufx   the e of a base dropped before a vowel suffix (hoping)
//   Y + Suffix        y changed to i before a suffix (happiness, cried)
//   Y + Plural        y changed to i in a plural (babies, cities)
#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

bool vowel(char c) { return std::string("aeiou").find(c) != std::string::npos; }

bool fszlEnding(const std::string& w)
{
    if (w.size() < 3) return false;
    const char last = w.back();
    return (last == 'f' || last == 'l' || last == 's' || last == 'z') && w[w.size() - 2] == last &&
           vowel(w[w.size() - 3]) && (w.size() < 4 || !vowel(w[w.size() - 4]));
}

}  // namespace

void tagRules(WordAnalysis& a, const Lexicon& lexicon)
{
    if (a.syllables == 1 && fszlEnding(a.word)) a.tag(seg::RuleFSZL);
    for (const auto& d : derivations(a, lexicon)) {
        const LexiconEntry* base = lexicon.find(d.base);
        if (!base) continue;
        if (base->syllables == 1 && fszlEnding(d.base)) a.tag(seg::RuleFSZL);
        switch (d.change) {
        case Derivation::Change::Double: {
            if (base->syllables == 1) {
                a.tag(seg::Rule111);
            } else {
                const Phones& p = base->pronunciations.front();
                int lastStress = -1;
                for (const auto& ph : p)
                    if (ph.vowel()) lastStress = ph.stress;
                if (lastStress == 1) a.tag(seg::Rule211);
            }
            break;
        }
        case Derivation::Change::DropE:
            if (d.base.size() >= 2 && !vowel(d.base[d.base.size() - 2])) a.tag(seg::RuleSilentE);
            break;
        case Derivation::Change::YToI:
            if (d.base.size() >= 2 && !vowel(d.base[d.base.size() - 2])) {
                const bool noun = base->partsOfSpeech.find('n') != std::string::npos ||
                                  a.entry->partsOfSpeech.find('n') != std::string::npos;
                if (d.suffix == "es" && (noun || a.entry->partsOfSpeech.empty())) a.tag(seg::RuleYPlural);
                else a.tag(seg::RuleYSuffix);
            }
            break;
        case Derivation::Change::None: break;
        }
    }
}

}  // namespace moxlet::wordbase
