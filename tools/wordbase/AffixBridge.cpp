#include "AffixBridge.h"

#include <memory>
#include <unordered_map>

#include "AffixRootTagger.h"
#include "LexiconView.h"

namespace moxlet::wordbase {

namespace {

// The builder's lexicon seen through the tagger's interface; pronunciations are
// converted to ARPAbet text once.
class LexiconBridge : public affixes::LexiconView {
public:
    explicit LexiconBridge(const Lexicon& lexicon) : lexicon_(lexicon)
    {
        for (const auto& e : lexicon.entries()) {
            auto& list = prons_[e.word];
            for (const auto& p : e.pronunciations) list.push_back(arpabetText(p));
        }
    }
    bool contains(std::string_view word) const override { return prons_.count(std::string(word)) != 0; }
    std::vector<std::string> pronunciations(std::string_view word) const override
    {
        const auto it = prons_.find(std::string(word));
        return it == prons_.end() ? std::vector<std::string>{} : it->second;
    }
    std::vector<std::string> baseForms(std::string_view word) const override
    {
        const LexiconEntry* e = lexicon_.find(std::string(word));
        return e ? e->bases : std::vector<std::string>{};
    }
    int rank(std::string_view word) const override
    {
        const LexiconEntry* e = lexicon_.find(std::string(word));
        return e ? e->rank : 0;
    }
    const Lexicon& lexicon() const { return lexicon_; }

private:
    const Lexicon& lexicon_;
    std::unordered_map<std::string, std::vector<std::string>> prons_;
};

struct Cache {
    const Lexicon* lexicon = nullptr;
    std::unique_ptr<LexiconBridge> view;
    std::string word;
    std::vector<int> segments;
};

Cache& cache()
{
    static Cache c;
    return c;
}

}  // namespace

const std::vector<int>& affixRootRuleSegments(const WordAnalysis& a, const Lexicon& lexicon)
{
    Cache& c = cache();
    if (c.lexicon != &lexicon) {
        c.view = std::make_unique<LexiconBridge>(lexicon);
        c.lexicon = &lexicon;
        c.word.clear();
    }
    if (c.word != a.word || c.word.empty()) {
        c.word = a.word;
        c.segments = affixes::tagAffixesRootsRules(a.word, arpabetText(a.phones), *c.view);
    }
    return c.segments;
}

const std::vector<int>* lastAffixRootRuleSegments(const WordAnalysis& a)
{
    const Cache& c = cache();
    return c.view && c.word == a.word ? &c.segments : nullptr;
}

bool rootFlagFor(const WordAnalysis& a, const std::vector<int>& segments)
{
    const Cache& c = cache();
    return c.view && affixes::needsNoRootStudy(a.word, segments, *c.view);
}

}  // namespace moxlet::wordbase
