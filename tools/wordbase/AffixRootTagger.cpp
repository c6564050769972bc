#include "AffixRootTagger.h"

#include <algorithm>
#include <set>

#include "Affixes.h"
#include "Roots.h"
#include "SpellingRules.h"

namespace moxlet::wordbase::affixes {

namespace {

// The lexicon, with the builder's chosen pronunciation first for the word being tagged.
class PreferredPronunciation : public LexiconView {
public:
    PreferredPronunciation(const LexiconView& lex, std::string word, std::string arpabet)
        : lex_(lex), word_(std::move(word)), arpabet_(std::move(arpabet))
    {
    }
    bool contains(std::string_view w) const override { return lex_.contains(w); }
    std::vector<std::string> pronunciations(std::string_view w) const override
    {
        auto list = lex_.pronunciations(w);
        if (w == word_ && !arpabet_.empty()) {
            list.erase(std::remove(list.begin(), list.end(), arpabet_), list.end());
            list.insert(list.begin(), arpabet_);
        }
        return list;
    }
    std::vector<std::string> baseForms(std::string_view w) const override { return lex_.baseForms(w); }
    int rank(std::string_view w) const override { return lex_.rank(w); }

private:
    const LexiconView& lex_;
    std::string word_;
    std::string arpabet_;
};

// Words that look built by a rule but are not (final is no fine + al).
const std::set<std::string>& notByRule()
{
    static const std::set<std::string> words = {"final",       "finally",       "finals",
                                                "familiar",    "familiarity",   "compliment",
                                                "compliments", "complimentary", "broken"};
    return words;
}

// Words whose suffix stands on a Latin stem that only looks like an English
// word: decadent is Latin decadent-, not decade + -ent, so it takes -ENT but
// nothing of decade.
const std::set<std::string>& latinStemLookAlikes()
{
    static const std::set<std::string> words = {"decadent", "decadence"};
    return words;
}

class Analysis {
public:
    Analysis(const Morphology& morph) : morph_(morph), affixes_(morph) {}

    void run(const std::string& word, int depth)
    {
        if (depth > 4 || !seen_.insert(word).second) return;
        if (isFszlWord(word, morph_)) tags_.insert(161);
        for (const auto& m : affixes_.prefixes(word)) {
            if (!prefixHeldByBase(word, m.id, 0)) continue;
            tags_.insert(m.id);
            if (!m.base.empty()) run(m.base, depth + 1);
        }
        for (const auto& m : affixes_.chameleons(word)) tags_.insert(m.id);
        for (const auto& m : affixes_.suffixes(word)) {
            tags_.insert(m.id);
            if (m.base.empty() || latinStemLookAlikes().count(word)) continue;
            if (int rule = ruleForChange(m.base, m.change, morph_, word);
                rule >= 0 && !notByRule().count(word))
                tags_.insert(rule);
            run(m.base, depth + 1);
        }
        plainEndings(word, depth);
        compounds(word);
    }

    std::vector<int> result() const { return {tags_.begin(), tags_.end()}; }

private:
    // An inflected word carries a prefix only when its base does: resting is
    // rest + ing, not re + sting; ending is end + ing, not en + ding; but
    // redoing keeps the RE- of redo.  The word counts as inflected when the
    // base-form list names a lexicon base it is spelled on (incoming is no
    // income + ing); a word with no such base keeps what its spelling shows.
    bool prefixHeldByBase(const std::string& word, int id, int depth) const
    {
        static const char* const kInflections[] = {"s", "es", "ed", "ing", "er", "est", "ly"};
        const auto listed = morph_.lexicon().baseForms(word);
        bool inflected = false;
        for (const char* e : kInflections)
            for (const auto& stem : morph_.basesFor(word, e)) {
                if (!morph_.lexicon().contains(stem.base) ||
                    std::find(listed.begin(), listed.end(), stem.base) == listed.end())
                    continue;
                inflected = true;
                if (depth > 3) return true;
                for (const auto& m : affixes_.prefixes(stem.base))
                    if (m.id == id && prefixHeldByBase(stem.base, id, depth + 1)) return true;
            }
        return !inflected;
    }

    // Endings that are no segment of their own but lead to a base: -s, -es,
    // -ies (Y + Plural), -y (sunny, shiny).
    void plainEndings(const std::string& word, int depth)
    {
        const auto& lex = morph_.lexicon();
        if (word.size() > 4 && word.compare(word.size() - 3, 3, "ies") == 0) {
            const std::string base = word.substr(0, word.size() - 3) + "y";
            if (lex.contains(base) && !isVowelLetter(base[base.size() - 2])) {
                tags_.insert(164);
                run(base, depth + 1);
                return;
            }
        }
        // quizzes, whizzes: a doubled final consonant before -es.
        if (word.size() > 5 && word.compare(word.size() - 2, 2, "es") == 0)
            for (const auto& stem : morph_.basesFor(word, "es"))
                if (stem.change == StemChange::Doubled) {
                    if (int rule = ruleForChange(stem.base, stem.change, morph_); rule >= 0)
                        tags_.insert(rule);
                    run(stem.base, depth + 1);
                }
        if (word.size() > 3 && word.back() == 's') {
            for (std::size_t cut : {1u, 2u}) {
                const std::string base = word.substr(0, word.size() - cut);
                if (cut == 2 && word.compare(word.size() - 2, 2, "es") != 0) continue;
                if (base.size() >= 2 && lex.contains(base) &&
                    !morph_.basesFor(word, word.substr(base.size())).empty())
                    run(base, depth + 1);
            }
        }
        static const std::set<std::string> notWithY = {
            "buddy", "kitty", "penny", "bobby", "mommy",  "granny", "nanny", "bunny",  "tummy", "dolly",
            "jelly", "belly", "silly", "jolly", "hobby",  "lobby",  "berry", "cherry", "merry", "ferry",
            "sorry", "worry", "hurry", "carry", "marry",  "parry",  "happy", "pretty", "ditty", "baby",
            "story", "easy",  "lady",  "body",  "copy",   "city",   "pity",  "duty",   "party", "holy",
            "lily",  "navy",  "wary",  "fury",  "jury",   "tidy",   "pony",  "tiny",   "ruby",  "gravy",
            "daddy", "puppy", "poppy", "guppy", "sloppy", "muddy",  "curry", "filly",  "bully", "billy",
            "gully", "dizzy", "sully", "tally", "rally",  "ally"};
        const bool lyWord = word.size() > 4 && word.compare(word.size() - 2, 2, "ly") == 0 &&
                            !morph_.basesFor(word, "ly").empty();
        if (word.size() > 3 && word.back() == 'y' && !lyWord && !notWithY.count(word)) {
            for (const auto& stem : morph_.basesFor(word, "y")) {
                if (stem.change == StemChange::None && isFszlWord(stem.base, morph_))
                    tags_.insert(161);  // fluffy
                if (int rule = ruleForChange(stem.base, stem.change, morph_); rule >= 0 && rule != 163) {
                    tags_.insert(rule);
                    run(stem.base, depth + 1);
                }
            }
        }
    }

    // A compound built on an FSZL word: doorbell, uphill, football.
    void compounds(const std::string& word)
    {
        const auto& lex = morph_.lexicon();
        for (std::size_t cut = 3; cut + 3 <= word.size(); ++cut) {
            const std::string a = word.substr(0, cut);
            const std::string b = word.substr(cut);
            if (!lex.contains(a) || !lex.contains(b) || !(isFszlWord(a, morph_) || isFszlWord(b, morph_)))
                continue;
            // Both parts must still be heard: office is not off + ice.
            for (const auto& wp : morph_.allPhones(word))
                for (const auto& bp : morph_.allPhones(b))
                    if (phonesHaveStressedSuffix(wp, bp) || phonesHaveSuffix(wp, bp)) {
                        for (const auto& ap : morph_.allPhones(a))
                            if (phonesHavePrefix(wp, ap) && ap.size() + bp.size() == wp.size()) {
                                tags_.insert(161);
                                return;
                            }
                    }
        }
        if (word.size() > 4 && word.compare(0, 2, "up") == 0 && isFszlWord(word.substr(2), morph_))
            tags_.insert(161);
    }

    const Morphology& morph_;
    Affixes affixes_;
    std::set<std::string> seen_;
    std::set<int> tags_;
};

}  // namespace

std::vector<int> tagAffixesRootsRules(const std::string& word, const std::string& arpabet,
                                      const LexiconView& lex)
{
    const PreferredPronunciation view(lex, word, arpabet);
    const Morphology morph(view);
    Analysis analysis(morph);
    analysis.run(word, 0);
    auto tags = analysis.result();
    for (int root : latinRoots(word)) tags.push_back(root);
    std::sort(tags.begin(), tags.end());
    tags.erase(std::unique(tags.begin(), tags.end()), tags.end());
    return tags;
}

bool needsNoRootStudy(const std::string& word, const std::vector<int>& segments, const LexiconView& lex)
{
    const bool hasRoot =
        std::any_of(segments.begin(), segments.end(), [](int s) { return s >= 273 && s <= 330; });
    const int rank = lex.rank(word);
    return hasRoot && rank > 0 && rank <= kEverydayRank;
}

}  // namespace moxlet::wordbase::affixes
