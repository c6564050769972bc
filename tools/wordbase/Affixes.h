#pragma once
// Prefixes (165..206), chameleon prefixes (207..214) and suffixes (215..272)
// found on a word, each only when it is a real affix: the rest of the word
// must be a word or a Latin root or stem, and the affix must sound as one.
// "preview" has PRE-, "pretty" and "press" do not; "uncle" and "under" have
// no UN-; "read" and "ready" no RE-.

#include <string>
#include <string_view>
#include <vector>

#include "Morphology.h"

namespace moxlet::wordbase::affixes {

struct AffixMatch {
    int id = -1;
    std::string base;  // the word the affix is on, when it is a word ("" for a stem)
    StemChange change = StemChange::None;
};

class Affixes {
public:
    explicit Affixes(const Morphology& morph) : morph_(morph) {}

    std::vector<AffixMatch> prefixes(const std::string& word) const;
    std::vector<AffixMatch> chameleons(const std::string& word) const;
    std::vector<AffixMatch> suffixes(const std::string& word) const;

private:
    bool restIsWord(const std::string& word, const std::string& rest, std::size_t prefixPhones) const;
    std::vector<AffixMatch> numberPrefixes(const std::string& word) const;
    AffixMatch pastTense(const std::string& word) const;

    const Morphology& morph_;
};

// True when rest begins with a Latin root or bound stem (-ject, -port, -mit,
// -tain, ...), the parts a Latin prefix stands on.
bool startsWithLatinStem(std::string_view rest);

}  // namespace moxlet::wordbase::affixes
