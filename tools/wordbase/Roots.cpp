#include "Roots.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace moxlet::wordbase::affixes {

namespace {

using List = std::initializer_list<std::string_view>;

struct RootRule {
    int id;
    List spellings;  // found after prefixes: in-SPECT, ex-TRACT
    List starts;     // words that begin with the root itself: SPECTator, TRACTor
    List notRoot;    // words (or word beginnings followed by '*') that only look alike
};

const std::array<RootRule, 58>& rootRules()
{
    static const std::array<RootRule, 58> rules = {{
        {273, {"aud"}, {"audi", "audible"}, {"audacity", "audacious"}},
        {274, {"bio"}, {"bio"}, {"bionic*", "dubious*"}},
        {275,
         {"cept", "ceit", "ceiv", "ceipt", "cip", "cap"},
         {"capab", "capac", "captur", "captiv", "caption", "captor"},
         {"escape*", "recap", "recaps", "handicap*", "kidnap*", "principal*", "principle*", "disciple*",
          "discipline*", "municipal*", "participle*", "decapit*", "recapit*"}},
        {276, {"capit"}, {"capit"}, {}},
        {277, {"ceed", "cede", "cess", "cedur", "cedent"}, {"cessat", "cession"}, {"necess*", "cesspool*"}},
        {278,
         {"cent"},
         {"cent", "cents", "centur", "centen", "centi"},
         {"centr*", "center*", "decent*", "recent*", "accent*", "innocent*", "descent*", "ascent*",
          "percentile*", "crescent*", "adolescent*", "concentr*", "scent*", "magnificent*", "reticent*",
          "incentive*", "decentr*", "indecent*"}},
        {279, {"centr", "center"}, {"centr", "center", "centre"}, {}},
        {280,
         {"cide", "cid", "cis", "cise"},
         {},
         {"acid*", "accident*", "incident*", "coincid*", "occident*", "deciduous*", "placid*", "lucid*",
          "elucid*", "decisively"}},
        {281, {"claim", "clam"}, {"claim", "clamor"}, {"clam", "clams", "clamp*", "clammy"}},
        {282, {"clud", "clus"}, {}, {}},
        {283,
         {"complet", "complement", "compliment", "comply", "complian", "complie"},
         {"complet", "complement", "compliment", "comply", "complian", "complie", "accomplish"},
         {"complex*", "complain*", "complicat*"}},
        {284,
         {"cord", "cour"},
         {"cordial", "courag"},
         {"courier*", "courtesy*", "concourse*", "discourse*", "recourse*", "intercourse*"}},
        {285, {"cred"}, {"cred"}, {}},
        {286,
         {"curr", "curs", "course", "cur"},
         {"curr", "curs", "course", "courier"},
         {"secur*", "procur*", "obscur*", "insecur*", "curs", "curse*", "cursed", "cursing", "accura*",
          "curry*", "incurab*", "inaccura*"}},
        {287, {"dict", "dic"}, {"dict"}, {"medic*", "ridic*", "predicament*"}},
        {288, {"duct", "duce", "duc"}, {"duct"}, {}},
        {289, {"fer"}, {"fertil"}, {}},
        {290,
         {"fect", "fic"},
         {},
         {"fiction*", "offic*", "artific*", "sacrific*", "traffic*", "magnific*", "beneficiary*",
          "superfic*"}},
        {291, {"fin"}, {"final", "finish", "finit", "finis", "financ"}, {"refined*"}},
        {292, {"flect", "flex"}, {"flex"}, {}},
        {293, {"graph", "gram"}, {"graph", "gram", "grammar"}, {"gramp*", "grammy", "grams"}},
        {294, {"ject", "jac"}, {}, {}},
        {295, {"legal", "legit", "legis", "privileg"}, {"legal", "legit", "privileg"}, {"legislat*"}},
        {296,
         {"lect", "leg", "lig"},
         {"lectur", "legend", "legible", "legion"},
         {"religi*", "oblig*", "deleg*", "relega*", "alleg*", "colleague*", "illegal*", "illegit*",
          "privilege*", "paralegal*", "legislat*", "league*", "relig*", "alligator*"}},
        {297,
         {"deleg", "relega", "alleg", "colleague", "legisla", "legacy", "legate"},
         {"legacy", "legisla", "colleague", "alleg", "deleg", "relega"},
         {"allegian*", "allegro*", "allegor*"}},
        {298, {"liter"}, {"litera", "literat"}, {"liter", "liters", "litter*"}},
        {299, {"loc"}, {"local", "locat", "locomot", "locale"}, {"block*", "clock*", "lock*", "crocod*"}},
        {300, {"luc", "lumin"}, {"lucid", "lumin"}, {"luck*", "alumin*"}},
        {301, {"mem"}, {"memor", "memo", "memen", "rememb"}, {"member*", "membrane*"}},
        {302,
         {"mit", "miss", "mis"},
         {"mission", "missile", "missive"},
         {"summit*", "limit*", "vomit*", "hermit*", "smith*", "mitten*", "dismal*", "misery*", "mist*",
          "promiscu*", "dismantle*", "commiserat*"}},
        {303, {"mort"}, {"mortal", "mortgag", "mortic", "mortif", "mortuar"}, {}},
        {304,
         {"nation", "natur", "nativ", "natal", "nate"},
         {"nativ", "nation", "natur", "natal"},
         {"donat*", "senat*", "ornat*", "combinat*", "insemin*"}},
        {305, {"nomin", "nomen"}, {"nomin", "nomen"}, {}},
        {306, {"pel", "puls"}, {"puls"}, {}},
        {307, {"pend", "pens"}, {"pend", "pension", "pensive"}, {}},
        {308, {"ply", "plic"}, {"plywood"}, {"supply*", "comply*", "supplie*", "deploy*", "deeply"}},
        {309,
         {"port"},
         {"portab", "porter", "portfolio", "portage"},
         {"opportun*", "proportion*", "apportion*", "rapport*", "deportment*", "airport*"}},
        {310,
         {"posit", "pose", "posal", "posur", "pon", "pound"},
         {"posit"},
         {"respon*", "sponsor*", "impound*", "repose*", "poser*", "purpose*"}},
        {311, {"prehend", "prehens"}, {}, {}},
        {312, {"quer", "quir", "quis"}, {"query", "queri"}, {"esquire*"}},
        {313,
         {"rect", "reg"},
         {"regul", "region", "regim", "regal", "regent", "rectang", "rectif"},
         {"regret*", "regard*", "register*", "registr*", "reggae", "regurgit*", "disregard*"}},
        {314, {"rupt"}, {"ruptur"}, {}},
        {315, {"scend", "scens", "scent"}, {}, {}},
        {316, {"scrib", "script"}, {"scrib", "script"}, {}},
        {317,
         {"sent", "sens"},
         {"sentenc", "sentim", "sentien", "sens"},
         {"present*", "represent*", "absent*", "essent*", "misrepresent*", "omnipresent*"}},
        {318, {"sist"}, {}, {"transistor*"}},
        {319,
         {"spect", "spec", "spic"},
         {"spect", "speci", "specul", "spectr"},
         {"speck*", "despica*", "conspicu*", "speculum"}},
        {320, {"spir", "pire"}, {"spirit"}, {"empire*", "vampire*", "umpire*", "aspirin*"}},
        {321, {"struct"}, {"struct"}, {}},
        {322,
         {"tain", "content", "detent", "retent"},
         {},
         {"attain*", "entertain*", "contents*", "contentious*", "unattain*"}},
        {323,
         {"tend", "tens", "tent"},
         {"tens", "tendenc", "tentativ"},
         {"content*", "detent*", "retent*", "intensif*", "potent*", "latent*"}},
        {324, {"tract"}, {"tract"}, {}},
        {325, {"trib"}, {"tribut"}, {}},
        {326,
         {"val", "vail"},
         {"valu", "valid", "valor", "valian", "valence"},
         {"approval*", "interval*", "arrival*", "removal*", "prevalen*", "survival*", "revival*", "carnival*",
          "festival*", "rival*", "avalanche*", "disapprov*"}},
        {327,
         {"vent", "vene", "venue", "veni"},
         {"venue", "ventur"},
         {"seven*", "eleven*", "avenge*", "revenge*", "evening*", "evenly", "evenness"}},
        {328, {"vers", "vert"}, {"vers", "vert"}, {}},
        {329,
         {"vid", "vis"},
         {"video", "visi", "visu", "vision", "visa", "vista"},
         {"divid*", "individ*", "devis*", "avid*", "vivid*", "provision*", "previous*", "divis*",
          "subdivi*"}},
        {330, {"voc", "vok"}, {"vocal", "vocab", "vocat"}, {"avocado*"}},
    }};
    return rules;
}

bool startsWith(std::string_view s, std::string_view p)
{
    return s.size() >= p.size() && s.substr(0, p.size()) == p;
}

bool listed(const std::string& word, List list)
{
    for (std::string_view item : list) {
        if (!item.empty() && item.back() == '*') {
            if (startsWith(word, item.substr(0, item.size() - 1))) return true;
        } else if (word == item) {
            return true;
        }
    }
    return false;
}

// What may follow a root: nothing, an ending that starts with a vowel, or a consonant suffix.
bool endingFits(std::string_view post, std::string_view root)
{
    if (post.empty() || std::string_view("aeiou").find(root.back()) != std::string_view::npos) return true;
    if (post.size() >= 2 && post[0] == root.back()) post.remove_prefix(1);  // admitted, preferred
    const char c = post[0];
    if (std::string_view("aeiouy").find(c) != std::string_view::npos) return true;
    for (std::string_view s : {"s", "ly", "ment", "ful", "less", "ness", "ship", "ward", "cy"})
        if (startsWith(post, s)) return true;
    return false;
}

}  // namespace

bool isPrefixChain(const std::string& pre)
{
    static const List kPrefixes = {
        "a",     "ab",     "abs",    "ac",     "ad",      "af",     "ag",     "al",      "an",     "ap",
        "ar",    "as",     "at",     "auto",   "bene",    "bi",     "circum", "co",      "col",    "com",
        "con",   "contra", "contro", "cor",    "counter", "de",     "di",     "dif",     "dis",    "e",
        "ec",    "ef",     "em",     "en",     "equi",    "ex",     "extra",  "il",      "im",     "in",
        "inter", "intra",  "intro",  "ir",     "mal",     "manu",   "mis",    "multi",   "non",    "ob",
        "oc",    "of",     "op",     "over",   "para",    "per",    "post",   "pre",     "pro",    "re",
        "retro", "se",     "semi",   "sub",    "suc",     "suf",    "sug",    "sum",     "sup",    "sur",
        "sus",   "super",  "tele",   "trans",  "tra",     "un",     "uni",    "under",   "ver",    "juris",
        "bank",  "main",   "enter",  "photo",  "auto",    "bio",    "geo",    "para",    "dia",    "mono",
        "kilo",  "milli",  "holo",   "ortho",  "calli",   "choreo", "epi",    "ana",     "cardio", "demo",
        "topo",  "ethno",  "typo",   "steno",  "lexico",  "porno",  "sono",   "pro",     "anti",   "sym",
        "ambi",  "infra",  "intel",  "neg",    "du",      "manu",   "ultra",  "pesti",   "homi",   "sui",
        "hyper", "hypo",   "dys",    "peri",   "pseudo",  "geno",   "herbi",  "insecti", "germi",  "fungi",
        "regi",  "patri",  "matri",  "fratri", "infanti",
    };
    if (pre.empty()) return false;
    std::vector<bool> reach(pre.size() + 1, false);
    reach[0] = true;
    for (std::size_t i = 0; i < pre.size(); ++i) {
        if (!reach[i]) continue;
        for (std::string_view p : kPrefixes)
            if (pre.compare(i, p.size(), p) == 0 && i + p.size() <= pre.size()) reach[i + p.size()] = true;
    }
    return reach[pre.size()];
}

std::vector<int> latinRoots(const std::string& word)
{
    std::vector<int> out;
    for (const auto& rule : rootRules()) {
        if (listed(word, rule.notRoot)) continue;
        if (rule.id == 328 && word.find("cover") != std::string::npos) continue;
        bool found = false;
        for (std::string_view s : rule.starts) found = found || startsWith(word, s);
        for (std::string_view sp : rule.spellings) {
            for (std::size_t at = word.find(sp, 1); !found && at != std::string::npos;
                 at = word.find(sp, at + 1)) {
                const std::string pre = word.substr(0, at);
                const std::string_view post = std::string_view(word).substr(at + sp.size());
                // ex- swallows the s of a root: expect, exist, expire, exceed stays as it is.
                const bool prefixed = isPrefixChain(pre);
                if (prefixed && (endingFits(post, sp) || sp.back() == 'e')) found = true;
            }
            if (!found && word.size() > 2 && sp.front() == 's') {
                // ex + (s)pect, ex + (s)ist, ex + (s)pire: the s is swallowed by the x;
                // trans + (s)cend and sus + (s)pect write the two s's as one.
                for (std::string_view swallower : {"ex", "trans", "sus"}) {
                    const auto x = word.find(std::string(swallower) + std::string(sp.substr(1)));
                    if (x != std::string::npos && (x == 0 || isPrefixChain(word.substr(0, x))) &&
                        endingFits(std::string_view(word).substr(x + swallower.size() - 1 + sp.size()), sp))
                        found = true;
                }
            }
        }
        if (found) out.push_back(rule.id);
    }
    return out;
}

}  // namespace moxlet::wordbase::affixes
