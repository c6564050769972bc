// Latin roots (a first, simple tagging).  A root counts when its spelling
// stands in the word between a known prefix (or the word's start) and a
// known ending (or the word's end), with at least one of the two present, in
// a word of two or more syllables: transport, portable, inspect, dictate,
// audience.  "sport" and "support" do not count (s- and sup- before "port"
// are not read as prefix + root here, sup- only through SU- (+ cons)).
//
// The root flag (0x2000): a word whose roots a student need not have studied
// is judged against the extended mask.  Everyday words, those among the 6000
// most frequent of the lexicon, get it: a tutor teaches "important" long
// before the root PORT.  Rarer, academic words leave it off, so they wait
// until their roots are studied.
#include <string>
#include <vector>

#include "SegmentIds.h"
#include "Taggers.h"

namespace moxlet::wordbase {

namespace {

constexpr int kEverydayRank = 6000;

struct Root {
    int id;
    std::vector<const char*> forms;
};

const std::vector<Root>& roots()
{
    static const std::vector<Root> r = {
        {273, {"audi", "audit", "aus"}}, {274, {"bio"}}, {275, {"cap", "cept", "ceit", "ceiv"}},
        {276, {"capit"}}, {277, {"ceed", "cede", "cess"}}, {278, {"cent"}}, {279, {"centr"}},
        {280, {"cid", "cis"}}, {281, {"claim", "clam"}}, {282, {"clud", "clus"}}, {283, {"comply", "complet"}},
        {284, {"cord", "cour", "cor"}}, {285, {"cred"}}, {286, {"cur", "course"}}, {287, {"dic", "dict"}},
        {288, {"duc", "duce", "duct"}}, {289, {"fer"}}, {290, {"fic", "fect"}}, {291, {"fin", "finis"}},
        {292, {"flect", "flex"}}, {293, {"graph", "gram"}}, {294, {"jac", "ject"}}, {295, {"legal"}},
        {296, {"lect", "lig"}}, {297, {"legis"}}, {298, {"liter"}}, {299, {"loc"}}, {300, {"luc", "lumin"}},
        {301, {"mem"}}, {302, {"mit", "miss"}}, {303, {"mort"}}, {304, {"nat"}}, {305, {"nom", "nomin"}},
        {306, {"pel", "puls"}}, {307, {"pend", "pens"}}, {308, {"ply", "plic"}}, {309, {"port"}},
        {310, {"pos", "pon", "pound"}}, {311, {"prehend", "prehens"}}, {312, {"quer", "quir", "quis"}},
        {313, {"reg", "rect"}}, {314, {"rupt"}}, {315, {"scend"}}, {316, {"scrib", "script"}},
        {317, {"sent", "sens"}}, {318, {"sist"}}, {319, {"spec", "spic", "spect"}}, {320, {"spir"}},
        {321, {"struct"}}, {322, {"tain", "tent"}}, {323, {"tens", "tend"}}, {324, {"tract"}},
        {325, {"trib"}}, {326, {"val", "vail"}}, {327, {"vent", "vene"}}, {328, {"vers", "vert"}},
        {329, {"vid", "vis"}}, {330, {"voc", "vok"}},
    };
    return r;
}

const std::vector<std::string> kPrefixes = {
    "", "a", "ab", "ac", "ad", "af", "ap", "as", "at", "com", "con", "col", "cor", "co", "de", "dis", "di",
    "e", "ex", "ef", "im", "in", "inter", "intro", "ob", "op", "oc", "per", "pre", "pro", "re", "se",
    "sub", "suc", "suf", "sur", "sus", "trans", "un", "pur", "circum", "contra", "counter", "super",
    "tele", "auto", "micro", "bi", "ad", "retro", "e", "ac"};

const std::vector<std::string> kEndings = {
    "", "s", "ed", "ing", "er", "ers", "or", "ors", "ion", "ions", "ive", "ively", "able", "ible", "ure",
    "ures", "ence", "ent", "ently", "ant", "ance", "al", "ally", "ment", "ments", "ly", "ate", "ated",
    "ation", "ations", "ary", "ory", "y", "ic", "ical", "ist", "ize", "ise", "ience", "ient", "io", "ition",
    "itions", "itor", "itory", "ile", "it", "its", "ual", "ually", "ity", "ous", "e", "es", "ate", "ator",
    "ition", "ive", "ives", "ite", "ily", "ular", "ulate", "ious", "iously", "ia", "ium", "ility",
    "ibility", "ory", "ogy", "ology", "ature", "ial", "ially", "ein", "ive", "ous"};

bool oneOf(const std::vector<std::string>& list, const std::string& s)
{
    for (const auto& x : list)
        if (x == s) return true;
    return false;
}

}  // namespace

void tagRoots(WordAnalysis& a)
{
    if (a.syllables < 2) return;
    const std::string& w = a.word;
    bool any = false;
    for (const auto& root : roots()) {
        for (const char* f : root.forms) {
            const std::string form = f;
            for (std::size_t at = w.find(form); at != std::string::npos; at = w.find(form, at + 1)) {
                const std::string before = w.substr(0, at);
                const std::string after = w.substr(at + form.size());
                if (before.empty() && after.empty()) continue;
                if (oneOf(kPrefixes, before) && oneOf(kEndings, after)) {
                    a.tag(root.id);
                    any = true;
                }
            }
        }
    }
    if (any && a.entry->rank <= kEverydayRank) a.rootFlag = true;
}

}  // namespace moxlet::wordbase
