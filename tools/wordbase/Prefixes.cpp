#include <algorithm>
#include <array>
#include <set>

#include "Affixes.h"

namespace moxlet::wordbase::affixes {

namespace {

// How much of the word after the prefix must be recognised.
enum class Rest {
    Word,        // a word of the lexicon (or a word plus an inflection): unhappy, redo
    WordOrStem,  // a word or a Latin stem: preview, predict, transport
    Free,        // any rest of three letters or more: the long learned prefixes
};

struct PrefixRule {
    int id;
    const char* spelling;
    const char* sound;  // how the word must begin (see phonesStartWith)
    Rest rest;
};

constexpr std::array kPrefixes = {
    PrefixRule{165, "a", "AH0", Rest::Word},
    PrefixRule{166, "anti", "AE N T IY|AE N T AY|AE N T IH|AE N T AH|AE N IY|AE N AY", Rest::Free},
    PrefixRule{167, "be", "B IH0|B IY0|B AH0|B IH2|B IY2", Rest::Word},
    PrefixRule{168, "circum", "S ER K AH M", Rest::Free},
    PrefixRule{169, "com", "K AH M|K AA M|K AO M", Rest::WordOrStem},
    PrefixRule{170, "con", "K AH N|K AA N|K AH NG|K AA NG|K AO N", Rest::WordOrStem},
    PrefixRule{171, "contra", "K AA N T R AH|K AO N T R AH", Rest::Free},
    PrefixRule{172, "counter", "K AW N T ER|K AW N ER", Rest::Free},  // counterfeit, counterclockwise
    PrefixRule{173, "de", "D IH|D IY|D AH|D EH", Rest::WordOrStem},
    PrefixRule{174, "dis", "D IH S|D IH Z|D AH S|D IH SH", Rest::WordOrStem},
    PrefixRule{175, "dys", "D IH S", Rest::Free},
    PrefixRule{176, "en", "EH N|IH N|AH N|IH NG|EH NG", Rest::Word},
    PrefixRule{177, "ex", "IH K S|EH K S|IH G Z|EH G Z|AH K S|AH G Z|IH K|EH K", Rest::WordOrStem},
    PrefixRule{178, "hyper", "HH AY P ER", Rest::Free},
    PrefixRule{179, "im", "IH M", Rest::WordOrStem},
    PrefixRule{180, "in", "IH N|IH NG", Rest::WordOrStem},
    PrefixRule{181, "inter", "IH N T ER|IH N ER|IH N T AH R", Rest::WordOrStem},
    PrefixRule{182, "intra", "IH N T R AH", Rest::Free},
    PrefixRule{183, "intro", "IH N T R AH|IH N T R OW", Rest::Free},
    PrefixRule{184, "mid", "M IH D", Rest::Word},
    PrefixRule{185, "mis", "M IH S|M IH Z", Rest::Word},
    PrefixRule{186, "mono", "M AA N|M AH N", Rest::Free},
    PrefixRule{187, "multi", "M AH L T", Rest::Free},
    PrefixRule{188, "non", "N AA N|N AH N", Rest::Word},
    PrefixRule{189, "over", "OW V ER", Rest::Word},
    PrefixRule{190, "para", "P EH R AH|P AE R AH|P ER AH", Rest::Free},
    PrefixRule{191, "per", "P ER", Rest::WordOrStem},
    PrefixRule{192, "peri", "P EH R AH|P EH R IH|P ER IH|P ER AH", Rest::Free},
    PrefixRule{193, "pre", "P R IY|P R IH|P R AH", Rest::WordOrStem},
    PrefixRule{194, "pro", "P R OW|P R AH|P R AA|P R AO", Rest::WordOrStem},
    PrefixRule{195, "pseudo", "S UW D", Rest::Free},
    PrefixRule{196, "re", "R IY|R IH|R AH|R EH", Rest::WordOrStem},
    PrefixRule{197, "retro", "R EH T R OW|R EH T R AH", Rest::Free},
    PrefixRule{198, "se", "S AH0|S IH0|S IY0", Rest::WordOrStem},
    PrefixRule{199, "semi", "S EH M", Rest::Free},
    PrefixRule{200, "sub", "S AH B|S AA B", Rest::WordOrStem},
    PrefixRule{201, "super", "S UW P ER", Rest::WordOrStem},
    PrefixRule{202, "tele", "T EH L AH|T EH L IH|T EH L|T AH L EH", Rest::Free},  // telepathy
    PrefixRule{203, "trans", "T R AE N S|T R AE N Z|T R AH N S|T R AH N Z", Rest::WordOrStem},
    PrefixRule{204, "ultra", "AH L T R AH", Rest::Free},
    PrefixRule{205, "un", "AH N|AH NG", Rest::Word},
};

// Look-alikes that pass the tests above but carry no prefix ("word*": every word so beginning).
const std::set<std::string>& notPrefixed()
{
    static const std::set<std::string> words = {
        "unless",       "unto",        "reeve",      "reeves",     "atone",       "acorn",
        "entire",       "entirely",    "entrance",   "entrances",  "person",      "persons",
        "decent",       "recent",      "recently",   "regal",      "paramount",   "mistress",
        "mistresses",   "impeach",     "sedate",     "antique",    "antiques",    "anticipate",
        "anticipation", "anticipated", "interest",   "interested", "interesting", "interests",
        "reindeer",     "preface",     "presto",     "comma",      "commas",      "comet",
        "comets",       "congress",    "demon",      "demons",     "inn",         "inns",
        "imp",          "resin",       "present",    "presents",   "presence",    "tripe",
        "prop",         "relish",      "repertoire", "retina",     "income",      "incomes",
        "seven",        "several",     "secret",     "secrets",    "devil",       "infant",
        "bequest",      "perish",      "peril",      "perils",     "permanent",   "proper",
        "property",     "properly",    "infantry",   "inform",     "dismal",      "distance",
        "mission",      "missions",    "protein",    "prodigy",    "promenade",   "deliberate",
        "deliberately", "design",      "designs",    "designed",   "designer",    "adjective",
        "adventure",    "index",       "indices",    "impetus",    "minister",    "again",
        "against",      "agree*",      "avoid*",     "award*",     "abuse*",      "abusi*",
        "delight*",     "miser*",      "person*",    "present*",   "represent*",  "sedat*",
        "indeed",       "inferno*",    "decaden*",   "perish*",    "peril*",      "seminar*",
        "sequester*",   "antiq*",      "anticipat*", "dean*",      "dishes",      "reali*",
        "really",       "recent*",     "decent*",    "regal*",
    };
    return words;
}

}  // namespace

bool Affixes::restIsWord(const std::string& word, const std::string& rest, std::size_t prefixPhones) const
{
    if (rest.size() < 2 || !morph_.isKnownForm(rest)) return false;
    const auto wordProns = morph_.allPhones(word);
    if (morph_.lexicon().contains(rest)) {
        for (const auto& wp : wordProns) {
            // A stressed prefix (prefix, nonsense) takes the stress off the word after it.
            const bool prefixStressed =
                prefixPhones > 0 &&
                std::any_of(wp.begin(), wp.begin() + static_cast<long>(std::min(prefixPhones, wp.size())),
                            [](const std::string& ph) { return phoneStress(ph) == 1; });
            for (const auto& rp : morph_.allPhones(rest))
                if (wp.size() >= rp.size() + prefixPhones - 1 &&
                    (prefixStressed ? phonesHaveSuffix(wp, rp) : phonesHaveStressedSuffix(wp, rp)))
                    return true;
        }
        return false;
    }
    // A derived rest (unbelievable): its base must be heard right after the prefix.
    static const char* const kEndings[] = {"s",    "es",   "ed",  "ing",  "er",  "est",  "ly",
                                           "ness", "able", "ful", "ment", "ers", "ings", "ity",
                                           "ent",  "ence", "ion", "ive",  "al"};
    for (const char* e : kEndings)
        for (const auto& stem : morph_.basesFor(rest, e, false))
            for (const auto& wp : wordProns)
                for (const auto& bp : morph_.allPhones(stem.base))
                    for (std::size_t at : {prefixPhones, prefixPhones - 1})
                        if (at > 0 && phonesHaveStressedInfix(wp, at, bp)) return true;
    return false;
}

std::vector<AffixMatch> Affixes::prefixes(const std::string& word) const
{
    std::vector<AffixMatch> out;
    for (const auto& item : notPrefixed()) {
        if (item.back() == '*' ? word.compare(0, item.size() - 1, item, 0, item.size() - 1) == 0
                               : word == item)
            return out;
    }
    const auto prons = morph_.allPhones(word);
    for (const auto& rule : kPrefixes) {
        const std::string spelling = rule.spelling;
        if (word.size() < spelling.size() + 2 || word.compare(0, spelling.size(), spelling) != 0) continue;
        const std::string rest = word.substr(spelling.size());
        // Two-letter rests only after re-, un- and over- (redo, undo, overdo).
        if (rest.size() < 3 && spelling != "re" && spelling != "un" && spelling != "over") continue;
        int sounded = -1;
        for (const auto& p : prons) sounded = std::max(sounded, startMatchLength(p, rule.sound));
        if (sounded < 0) continue;
        // "a" and "in" before a doubled consonant are the chameleon forms (arrest, illegal).
        if (spelling.size() <= 2 && rest.size() >= 2 && rest[0] == rest[1] && !isVowelLetter(rest[0]))
            continue;
        bool real = false;
        switch (rule.rest) {
        case Rest::Word:
            real = restIsWord(word, rest, static_cast<std::size_t>(sounded)) &&
                   (spelling != "a" || morph_.lexicon().contains(rest));
            break;
        case Rest::WordOrStem:
            real =
                restIsWord(word, rest, static_cast<std::size_t>(sounded)) ||
                (rest.size() >= 3 && startsWithLatinStem(rest)) ||
                ((spelling == "ex" || spelling == "trans") && startsWithLatinStem("s" + rest));  // transcend
            break;
        case Rest::Free: real = rest.size() >= 3; break;
        }
        if (real)
            out.push_back(
                {rule.id, morph_.lexicon().contains(rest) ? rest : std::string(), StemChange::None});
    }
    // Prefixes on a word English no longer uses alone.
    static const std::array<std::pair<const char*, int>, 6> kBound = {{{"beneath", 167},
                                                                       {"between", 167},
                                                                       {"beyond", 167},
                                                                       {"perhaps", 191},
                                                                       {"about", 165},
                                                                       {"among", 165}}};
    for (const auto& [w, id] : kBound)
        if (word == w) out.push_back({id, {}, StemChange::None});
    for (auto& m : numberPrefixes(word)) out.push_back(m);
    return out;
}

std::vector<AffixMatch> Affixes::numberPrefixes(const std::string& word) const
{
    // uni-, bi-, tri-, quad-, pent-, hex-, oct-, dec-, cent- meaning a number,
    // given as the beginnings of the words that use them.
    static const std::array kStarts = {
        "unicorn",     "unicycl",   "uniform",    "unilateral", "unison",     "unify",        "unifi",
        "unicellular", "bicycl",    "biling",     "biweek",     "bimonth",    "biannual",     "bifocal",
        "bisect",      "biped",     "binocular",  "biplane",    "bipartisan", "bicentennial", "bipolar",
        "bilateral",   "billion",   "binary",     "triangl",    "triangul",   "tricycl",      "tripod",
        "trilog",      "triple",    "triplet",    "trillion",   "trio",       "triathl",      "tricolor",
        "trident",     "trimester", "trilateral", "triplicate", "quadrant",   "quadrupl",     "quadrilateral",
        "quadrangle",  "quadratic", "quadruped",  "quad",       "pentagon",   "pentathl",     "pentameter",
        "hexagon",     "hexagonal", "octagon",    "octave",     "october",    "octopus",      "octet",
        "univers",     "decade",    "decimal",    "decagon",    "decathl",    "decibel",      "december",
        "decimeter",   "centur",    "centipede",  "centimeter", "centennial", "centigrade",   "centurion",
    };
    std::vector<AffixMatch> out;
    for (std::string_view start : kStarts) {
        if (word.compare(0, start.size(), start) == 0) {
            // These beginnings are whole words whose longer look-alikes carry no
            // number (trioxide aside: trio/triode, quad/quadrille, decade/decadent).
            if ((start == "trio" || start == "quad" || start == "decade") && word != start &&
                word != std::string(start) + "s")
                continue;
            out.push_back({206, {}, StemChange::None});
            break;
        }
    }
    return out;
}

std::vector<AffixMatch> Affixes::chameleons(const std::string& word) const
{
    std::vector<AffixMatch> out;
    if (word.size() < 5) return out;
    const auto prons = morph_.allPhones(word);
    const auto firstVowelUnstressed = [&] {
        for (const auto& p : prons)
            for (const auto& ph : p)
                if (isVowelPhone(ph)) {
                    if (phoneStress(ph) == 0) return true;
                    break;
                }
        return false;
    }();
    const char c1 = word[1];
    const bool doubled = word[1] == word[2] && !isVowelLetter(c1);
    // The stem after the assimilated consonant, for stressed first syllables
    // (accident, access, college, offer, suffer).
    const auto stemAfter = [&](std::size_t at) {
        return startsWithLatinStem(word.substr(at)) || morph_.isKnownForm(word.substr(at));
    };
    static const std::set<std::string> lookAlikes = {
        "apple",      "apples",      "arrow",         "arrows",    "attic",      "attics",     "alley",
        "alleys",     "allergy",     "allergic",      "allergies", "annual",     "annually",   "abbey",
        "attitude",   "attitudes",   "allegory",      "alligator", "alligators", "ammo",       "ammunition",
        "allegro",    "collar",      "collars",       "collie",    "corridor",   "corridors",  "corral",
        "colleen",    "collarbone",  "office",        "offices",   "officer",    "officers",   "official",
        "officials",  "officially",  "offset",        "offspring", "offing",     "offal",      "suffix",
        "supper",     "suppers",     "succulent",     "summer",    "summit",     "symbolic",   "effigy",
        "assassin",   "assassinate", "assassination", "asset",     "assets",     "illness",    "illnesses",
        "irrigation", "collier",     "irritable",     "irritate",  "irritated",  "irritating", "irritation",
    };
    if (lookAlikes.count(word)) return out;
    // A- (ad-): acc, aff, agg, all, ann, app, arr, ass, att; acq.
    if (word[0] == 'a' && ((doubled && std::string_view("cfglnprst").find(c1) != std::string_view::npos) ||
                           word.compare(0, 3, "acq") == 0)) {
        if (firstVowelUnstressed || stemAfter(2)) out.push_back({207, {}, StemChange::None});
    }
    // CO- (com-): coll, corr.
    if ((word.compare(0, 4, "coll") == 0 || word.compare(0, 4, "corr") == 0) &&
        (firstVowelUnstressed || stemAfter(3)))
        out.push_back({208, {}, StemChange::None});
    // DI- (dis-): diff, and di- before a few stems (direct, divert, digress).
    if (word.compare(0, 4, "diff") == 0)
        out.push_back({209, {}, StemChange::None});
    else if (word.compare(0, 2, "di") == 0) {
        for (std::string_view stem : {"rect", "vert", "vers", "gress", "gest", "lute", "verge", "lig"})
            if (word.compare(2, stem.size(), stem) == 0) out.push_back({209, {}, StemChange::None});
    }
    // E- (ex-): eff, and e- before a stem (emit, erupt, elect, evict, educate).
    const bool greekE = word.compare(0, 5, "elect") == 0 && word.compare(0, 6, "electi") != 0 &&
                        word.compare(0, 6, "electe") != 0 && word != "elect" && word != "elects";
    if (greekE || word.compare(0, 6, "eleven") == 0) return out;
    if (word.compare(0, 3, "eff") == 0 && (firstVowelUnstressed || stemAfter(2)))
        out.push_back({210, {}, StemChange::None});
    else if (word[0] == 'e' && std::string_view("bdglmnrjv").find(c1) != std::string_view::npos && !doubled) {
        static const std::array kEStems = {"mit",    "miss",  "rupt",  "lect", "vict", "vade", "vas", "vent",
                                           "volv",   "volu",  "ject",  "merg", "mot",  "duc",  "vok", "voc",
                                           "vapor",  "lud",   "lus",   "migr", "rode", "ros",  "rad", "rase",
                                           "norm",   "lig",   "vid",   "vict", "lap",  "lab",  "lev", "lim",
                                           "mancip", "lucid", "nunci", "valu", "man",  "mer",  "long"};
        for (std::string_view stem : kEStems)
            if (word.compare(1, stem.size(), stem) == 0) {
                out.push_back({210, {}, StemChange::None});
                break;
            }
    }
    // I- (in-): ill, irr, on a word (illegal, irregular).
    // irreparable: ir + re + par + able.
    const bool reStem = word.compare(2, 2, "re") == 0 && startsWithLatinStem(word.substr(4));
    if ((word.compare(0, 3, "ill") == 0 || word.compare(0, 3, "irr") == 0) &&
        (morph_.isKnownForm(word.substr(2)) || stemAfter(2) || reStem))
        if (word.compare(0, 4, "illu") != 0 || word.compare(0, 5, "illum") == 0)
            if (word != "ill" && word.compare(0, 5, "illne") != 0) out.push_back({211, {}, StemChange::None});
    // O- (ob-): occ, off, opp, and o- before mit/miss.
    if ((word.compare(0, 3, "occ") == 0 || word.compare(0, 3, "opp") == 0 ||
         word.compare(0, 3, "off") == 0) &&
        (firstVowelUnstressed || stemAfter(2)))
        out.push_back({212, {}, StemChange::None});
    else if (word.compare(0, 4, "omit") == 0 || word.compare(0, 5, "omiss") == 0)
        out.push_back({212, {}, StemChange::None});
    // SU- (sub-): succ, suff, sugg, supp, surr, susc/susp/sust.
    for (std::string_view s : {"succ", "suff", "sugg", "supp", "surr", "susc", "susp", "sust"})
        if (word.compare(0, 4, s) == 0) {
            out.push_back({213, {}, StemChange::None});
            break;
        }
    // SY- (syn-): syl, sym, syn, sys.
    for (std::string_view s :
         {"syll", "symb", "symm", "symp", "synt", "syno", "synd", "sync", "syna", "syst", "synth"})
        if (word.compare(0, s.size(), s) == 0) {
            out.push_back({214, {}, StemChange::None});
            break;
        }
    return out;
}

}  // namespace moxlet::wordbase::affixes
