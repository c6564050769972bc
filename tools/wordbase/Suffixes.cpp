#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "Affixes.h"

namespace moxlet::wordbase::affixes {

namespace {

// What the part before the suffix must be.
enum class Before {
    Base,        // a word of the lexicon that sounds as the start of this one: teacher, quickly
    BaseOrLong,  // a word (spelling only), or a stem of minRest letters: comfortable, vegetable
    Latin,       // any stem of minRest letters with a vowel: famous, notice, picture
};

struct SuffixRule {
    int id;
    const char* spelling;
    const char* sound;  // how the word must end (see phonesEndWith)
    Before before;
    std::size_t minRest;
};

constexpr std::array kSuffixes = {
    SuffixRule{215, "able", "@ B @ L", Before::BaseOrLong, 3},
    SuffixRule{216, "age", "@ JH|IH0 JH", Before::Latin, 3},
    SuffixRule{217, "al", "@ L", Before::Latin, 3},
    SuffixRule{218, "ance", "@ N S", Before::Latin, 3},
    SuffixRule{219, "ancy", "@ N S IY", Before::Latin, 2},
    SuffixRule{220, "ant", "@ N T", Before::Latin, 3},
    SuffixRule{221, "ar", "ER0|@ R", Before::BaseOrLong, 99},
    SuffixRule{222, "ard", "ER0 D|@ R D", Before::Base, 0},
    SuffixRule{223, "ary", "EH2 R IY|EH0 R IY|ER0 IY|@ R IY", Before::Latin, 3},
    SuffixRule{224, "ate", "EY T|@ T|IH0 T", Before::Latin, 3},
    SuffixRule{225, "cial", "SH @ L", Before::Latin, 2},
    SuffixRule{226, "cian", "SH @ N", Before::Latin, 3},
    SuffixRule{227, "cient", "SH @ N T|SH IY @ N T", Before::Latin, 2},
    SuffixRule{227, "cience", "SH @ N S|SH IY @ N S", Before::Latin, 2},
    SuffixRule{228, "cious", "SH @ S", Before::Latin, 2},
    SuffixRule{228, "tious", "SH @ S", Before::Latin, 2},
    SuffixRule{232, "en", "@ N|AH0 N", Before::Base, 0},
    SuffixRule{233, "ence", "@ N S", Before::Latin, 3},
    SuffixRule{234, "ency", "@ N S IY", Before::Latin, 2},
    SuffixRule{235, "ent", "@ N T|EH0 N T", Before::Latin, 2},
    SuffixRule{236, "er", "ER0|@ R", Before::Base, 0},
    SuffixRule{237, "ery", "ER0 IY|@ R IY", Before::Base, 0},
    SuffixRule{238, "est", "@ S T|EH2 S T", Before::Base, 0},
    SuffixRule{239, "ful", "F @ L|F AH L|F UH L", Before::Base, 0},
    SuffixRule{240, "ia", "IY @|Y @|IY AH|JH @|SH @|ZH @|CH @", Before::Latin, 3},
    SuffixRule{241, "ial", "IY @ L|Y @ L", Before::Latin, 3},
    SuffixRule{242, "ible", "@ B @ L", Before::Latin, 2},
    SuffixRule{243, "ic", "@ K", Before::Latin, 3},
    SuffixRule{244, "ify", "@ F AY|IH F AY", Before::Latin, 2},
    SuffixRule{245, "ing", "@ NG|IH2 NG", Before::Base, 0},
    SuffixRule{246, "io", "IY OW", Before::Latin, 2},
    SuffixRule{247, "ious", "IY @ S|Y @ S|@ S", Before::Latin, 2},
    SuffixRule{248, "ish", "@ SH", Before::Base, 0},
    SuffixRule{249, "ism", "IH Z @ M|IH Z AH M|IH Z M", Before::Latin, 3},
    SuffixRule{250, "ist", "@ S T", Before::Latin, 3},
    SuffixRule{251, "ity", "@ T IY", Before::Latin, 3},
    SuffixRule{252, "ium", "IY @ M|Y @ M", Before::Latin, 2},
    SuffixRule{253, "ive", "@ V", Before::Latin, 3},
    SuffixRule{254, "ice", "AH0 S|IH0 S", Before::Latin, 2},
    SuffixRule{254, "ile", "AH0 L|IH0 L", Before::Latin, 2},
    SuffixRule{254, "ine", "AH0 N|IH0 N", Before::Latin, 2},
    SuffixRule{254, "ite", "AH0 T|IH0 T", Before::Latin, 2},
    SuffixRule{255, "less", "L @ S", Before::Base, 0},
    SuffixRule{256, "ly", "L IY", Before::Base, 0},
    SuffixRule{257, "ment", "M @ N T", Before::BaseOrLong, 4},
    SuffixRule{258, "ness", "N @ S", Before::Base, 0},
    SuffixRule{259, "oid", "OY0 D|OY2 D", Before::Latin, 3},
    SuffixRule{260, "ology", "AA L @ JH IY", Before::Latin, 2},
    SuffixRule{261, "or", "ER0|@ R", Before::BaseOrLong, 99},
    SuffixRule{262, "ory", "AO R IY|ER0 IY|@ R IY", Before::Latin, 3},
    SuffixRule{263, "ous", "@ S", Before::Latin, 2},
    SuffixRule{264, "ship", "SH IH P", Before::Base, 0},
    SuffixRule{265, "some", "S @ M", Before::Base, 0},
    SuffixRule{266, "sure", "ZH ER0|SH ER0|ZH @ R", Before::Latin, 2},
    SuffixRule{267, "tial", "SH @ L", Before::Latin, 2},
    SuffixRule{268, "tian", "SH @ N", Before::Latin, 2},
    SuffixRule{269, "tient", "SH @ N T", Before::Latin, 2},
    SuffixRule{269, "tience", "SH @ N S", Before::Latin, 2},
    SuffixRule{270, "tude", "T UW D|T Y UW D", Before::Latin, 3},
    SuffixRule{271, "ture", "CH ER0|CH @ R", Before::Latin, 2},
    SuffixRule{272, "ward", "W ER0 D|W @ R D|W AO R D", Before::Base, 0},
};

// Look-alikes per suffix: the ending is spelled and sounded but is no suffix.
const std::map<int, std::set<std::string>>& notSuffixed()
{
    static const std::map<int, std::set<std::string>> words = {
        {215, {"syllable", "constable", "timetable"}},
        {216, {"message", "messages"}},  // mes-sage: no mess + age
        {217, {"marshal",  "marshals", "metal",   "metals",   "petal",    "petals",   "medal",
               "medals",   "sandal",   "sandals", "scandal",  "vandal",   "vandals",  "crystal",
               "crystals", "cymbal",   "jackal",  "rascal",   "carnival", "interval", "intervals",
               "coral",    "arsenal",  "admiral", "pedestal", "mescal",   "cabal",    "canal"}},
        {220,
         {"warrant", "warrants", "covenant", "elephant", "elephants", "pheasant", "peasant", "peasants",
          "pageant", "sergeant", "restaurant", "restaurants", "lieutenant", "gallant", "tyrant", "merchant",
          "merchants"}},
        {221, {"friar",  "tartar", "vicar",  "dollar",  "dollars",  "pillar",  "pillars",
               "cellar", "hangar", "sonar",  "radar",   "seminar",  "collar",  "sugar",
               "altar",  "cedar",  "nectar", "vinegar", "calendar", "grammar", "mortar"}},
        {222,
         {"steward", "stewards", "haggard", "coward", "cowards", "buzzard", "standard", "standards", "lizard",
          "hazard", "custard"}},
        {223, {"rosemary", "burglary", "canary", "rosary", "granary"}},
        {224,
         {"debate", "debated", "debates", "debating", "chocolate", "climate", "karate", "pomegranate",
          "pirate", "pirates", "senate"}},
        {232, {"oxen",    "been",     "warren",  "coven",   "listen", "kitten",  "kittens", "often",
               "chicken", "chickens", "token",   "tokens",  "warden", "siren",   "omen",    "linen",
               "garden",  "mitten",   "mittens", "glisten", "women",  "ramen",   "semen",   "dozen",
               "citizen", "burden",   "heaven",  "happen",  "open",   "even",    "seven",   "oven",
               "raven",   "haven",    "aspen",   "kitchen", "lichen", "children"}},
        {235,
         {"garment", "garments", "moment", "moments", "momentary", "comment", "comments", "talent",
          "talents"}},
        {236, {"quarter",   "quarters",  "letter",  "letters", "matter",  "matters", "butter",   "bitter",
               "dinner",    "dinners",   "summer",  "supper",  "hammer",  "banner",  "manner",   "manners",
               "copper",    "pepper",    "ladder",  "litter",  "offer",   "offers",  "proper",   "corner",
               "corners",   "liver",     "tender",  "master",  "mister",  "order",   "border",   "temper",
               "sister",    "ever",      "never",   "center",  "slumber", "cover",   "counter",  "mutter",
               "batter",    "scatter",   "shatter", "flutter", "chatter", "clatter", "patter",   "platter",
               "utter",     "otter",     "ginger",  "water",   "after",   "under",   "over",     "other",
               "river",     "number",    "paper",   "finger",  "lumber",  "timber",  "member",   "ponder",
               "wander",    "whisper",   "winter",  "enter",   "plaster", "monster", "mistress", "hunger",
               "anger",     "silver",    "weather", "feather", "leather", "father",  "mother",   "brother",
               "sister",    "cancer",    "pepper",  "slipper", "zipper",  "dipper",  "kipper",   "hopper",
               "gutter",    "meter",     "liter",   "pier",    "tier",    "sober",   "caper",    "taper",
               "cater",     "toner",     "diner",   "tower",   "power",   "flower",  "shower",   "bower",
               "lever",     "fever",     "clever",  "sever",   "badger",  "ledger",  "trigger",  "bladder",
               "rudder",    "fodder",    "udder",   "ember",   "tinker",  "hanker",  "banker",   "anchor",
               "lobster",   "oyster",    "roster",  "bolster", "holster", "blister", "glimmer",  "simmer",
               "shimmer",   "stammer",   "summer",  "hamper",  "pamper",  "sinner",  "spanner",  "tanner",
               "bummer",    "boomer",    "goner",   "corner",  "hover",   "tatter",  "stagger",  "staggers",
               "staggered", "staggering"}},
        {237,
         {"surgery", "surgeries", "livery", "artery", "arteries", "every", "very", "misery", "celery",
          "query", "gallery", "mystery"}},
        {238,
         {"forest", "forests", "honest", "earnest", "modest", "harvest", "interest", "tempest", "contest",
          "protest", "arrest", "digest", "invest", "request", "conquest"}},
        {243, {"garlic", "picnic", "attic", "traffic", "frolic", "arsenic", "catholic", "limerick"}},
        {245, {"evening", "morning", "ceiling", "during",    "pudding",  "herring",    "shilling", "awning",
               "darling", "sibling", "nothing", "something", "anything", "everything", "thing",    "king",
               "ring",    "sing",    "string",  "bring",     "spring",   "sting",      "wing",     "swing",
               "sling",   "cling",   "fling",   "sterling",  "farthing", "stocking"}},
        {248, {"polish",  "polished", "polishing", "rubbish", "hashish", "finish", "finished", "radish",
               "punish",  "vanish",   "banish",    "parish",  "lavish",  "ravish", "relish",   "english",
               "garnish", "furnish",  "tarnish",   "cherish", "perish",  "publish"}},
        {250, {"amethyst", "list", "fist"}},
        {253, {"olive", "olives"}},
        {254, {"service", "promise"}},
        {256, {"curly",    "early",     "only",      "holy",    "belly", "jelly", "bully",    "family",
               "ally",     "rally",     "tally",     "folly",   "holly", "lily",  "supply",   "apply",
               "reply",    "comply",    "imply",     "fly",     "july",  "italy", "monopoly", "anomaly",
               "assembly", "butterfly", "dragonfly", "firefly", "silly", "billy", "hilly",    "chilly",
               "smelly",   "woolly",    "oily",      "burly",   "surly", "wily"}},
        {257, {"cement", "comment", "moment", "segment", "element", "garment", "torment", "lament"}},
        {261,
         {"mayor",  "mayors", "prior",  "priority", "priorities", "parlor", "major",  "minor",    "mirror",
          "error",  "terror", "horror", "honor",    "color",      "floor",  "door",   "poor",     "tutor",
          "meteor", "manor",  "labor",  "favor",    "flavor",     "vapor",  "harbor", "neighbor", "armor",
          "rumor",  "humor",  "odor",   "anchor",   "splendor",   "vigor",  "mentor", "tenor",    "donor"}},
        {260, {"apology", "apologies"}},
        {262,
         {"unsavory", "history", "histories", "category", "categories", "theory", "theories", "ivory",
          "hickory", "allegory", "savory", "story", "glory"}},
        {264, {"battleship", "warship", "spaceship", "airship", "flagship", "steamship", "worship"}},
    };
    return words;
}

bool hasVowel(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return isVowelLetter(c) || c == 'y'; });
}

// A one-syllable word ending in -ate after a prefix or word is no -ATE (relate, inmate, update).
bool endsInAteWord(const Morphology& morph, const std::string& word)
{
    for (std::size_t cut = 1; cut + 3 < word.size(); ++cut) {
        const std::string tail = word.substr(cut);
        if (tail.size() > 6 || !morph.lexicon().contains(tail)) continue;
        const auto p = morph.firstPhones(tail);
        if (std::count_if(p.begin(), p.end(), [](const std::string& ph) { return isVowelPhone(ph); }) != 1)
            continue;
        const std::string head = word.substr(0, cut);
        if (morph.lexicon().contains(head) || head == "re" || head == "de" || head == "in" ||
            head == "trans" || head == "con" || head == "col" || head == "e" || head == "pro" ||
            head == "pre" || head == "sub")
            return true;
    }
    return false;
}

bool soundsAs(const Morphology& morph, const std::string& word, const char* sound)
{
    for (const auto& p : morph.allPhones(word))
        if (phonesEndWith(p, sound)) return true;
    return false;
}

}  // namespace

AffixMatch Affixes::pastTense(const std::string& word) const
{
    static const std::set<std::string> notPast = {
        "seed",    "feed",   "weed",     "need",    "bed",     "shed",      "sled",     "wed",
        "red",     "led",    "fled",     "bred",    "fed",     "sped",      "shred",    "hundred",
        "kindred", "wicked", "naked",    "rugged",  "sacred",  "hatred",    "steed",    "deed",
        "reed",    "creed",  "greed",    "heed",    "bleed",   "breed",     "speed",    "tweed",
        "indeed",  "embed",  "infrared", "bobsled", "seaweed", "bloodshed", "deathbed", "hundred"};
    if (word.size() < 4 || word.compare(word.size() - 2, 2, "ed") != 0 || notPast.count(word)) return {};
    auto stems = morph_.basesFor(word, "ed");
    if (stems.empty()) {
        // A compound or prefixed past form whose base the lexicon lacks ends
        // in a past form the lexicon has: land-locked, mis-diagnosed,
        // under-developed, un-inspired.  Its own ending's sound decides.
        for (std::size_t cut = 2; word.size() - cut >= 6; ++cut) {
            const std::string tail = word.substr(cut);
            const auto tailBases = morph_.lexicon().baseForms(tail);
            if (!morph_.lexicon().contains(tail) || tailBases.empty()) continue;
            const std::string base = word.substr(0, cut) + tailBases.front();
            const bool dental = base.back() == 't' || base.back() == 'd';
            for (const auto& p : morph_.allPhones(word)) {
                if (dental && phonesEndWith(p, "AH0 D|IH0 D")) return {229, base, StemChange::None};
                if (!dental && phonesEndWith(p, "D")) return {230, base, StemChange::None};
                if (!dental && phonesEndWith(p, "T")) return {231, base, StemChange::None};
            }
            return {};
        }
        return {};
    }
    const auto& stem = stems.front();
    if (!morph_.lexicon().contains(stem.base)) {
        // A base only the inflection list knows (erupted): the word's own ending decides.
        const bool dental = stem.base.back() == 't' || stem.base.back() == 'd';
        for (const auto& p : morph_.allPhones(word)) {
            if (dental && phonesEndWith(p, "AH0 D|IH0 D")) return {229, stem.base, stem.change};
            if (!dental && phonesEndWith(p, "D")) return {230, stem.base, stem.change};
            if (!dental && phonesEndWith(p, "T")) return {231, stem.base, stem.change};
        }
        return {};
    }
    // The sound of the ending decides which -ED it is.
    for (const auto& p : morph_.allPhones(word)) {
        bool fits = false;
        for (const auto& bp : morph_.allPhones(stem.base))
            fits = fits || phonesHavePrefix(p, bp, stem.change == StemChange::YtoI);
        if (!fits) continue;
        if (phonesEndWith(p, "AH0 D|IH0 D")) return {229, stem.base, stem.change};
        if (phonesEndWith(p, "D")) return {230, stem.base, stem.change};
        if (phonesEndWith(p, "T")) return {231, stem.base, stem.change};
    }
    return {};
}

std::vector<AffixMatch> Affixes::suffixes(const std::string& word) const
{
    std::vector<AffixMatch> out;
    if (auto ed = pastTense(word); ed.id >= 0) out.push_back(ed);
    const auto& excluded = notSuffixed();
    for (const auto& rule : kSuffixes) {
        const std::string spelling = rule.spelling;
        if (word.size() <= spelling.size() ||
            word.compare(word.size() - spelling.size(), spelling.size(), spelling) != 0)
            continue;
        if (auto it = excluded.find(rule.id); it != excluded.end() && it->second.count(word)) continue;
        if (!soundsAs(morph_, word, rule.sound)) continue;
        const std::string rest = word.substr(0, word.size() - spelling.size());
        AffixMatch match{rule.id, {}, StemChange::None};
        bool real = false;
        switch (rule.before) {
        case Before::Base: {
            auto stems = morph_.basesFor(word, spelling);
            if (stems.empty() && rule.id == 256) {
                // simply <- simple, gently <- gentle, truly <- true; basically <- basic.
                if (word.size() > 4 && morph_.lexicon().contains(word.substr(0, word.size() - 1) + "e"))
                    stems.push_back({word.substr(0, word.size() - 1) + "e", StemChange::None});
                else if (word.size() > 6 && word.compare(word.size() - 4, 4, "ally") == 0 &&
                         morph_.lexicon().contains(word.substr(0, word.size() - 4)))
                    stems.push_back({word.substr(0, word.size() - 4), StemChange::None});
            }
            if (!stems.empty()) {
                match.base = stems.front().base;
                match.change = stems.front().change;
                real = true;
            }
            break;
        }
        case Before::BaseOrLong: {
            auto stems = morph_.basesFor(word, spelling);
            if (!stems.empty() && stems.front().base.size() >= 2) {
                match.base = stems.front().base;
                match.change = stems.front().change;
                real = true;
            } else if (rule.id == 221) {
                for (std::string_view end : {"ul", "il", "ol", "li", "un"})
                    real = real ||
                           (rest.size() >= 3 && rest.compare(rest.size() - end.size(), end.size(), end) == 0);
            } else if (rule.id == 261) {
                real =
                    rest.size() >= 4 && startsWithLatinStem(rest.substr(0, 4)) && startsWithLatinStem(rest);
            } else {
                real = rest.size() >= rule.minRest && hasVowel(rest);
            }
            break;
        }
        case Before::Latin:
            real = rest.size() >= rule.minRest && hasVowel(rest);
            if (rule.id == 224 && real) real = !endsInAteWord(morph_, word);
            // famous keeps no base, but a word heard whole before the ending does (national, medicine).
            if (real && rule.id != 254 && morph_.lexicon().contains(rest)) {
                for (const auto& wp : morph_.allPhones(word))
                    for (const auto& bp : morph_.allPhones(rest))
                        if (phonesHavePrefix(wp, bp)) match.base = rest;
            } else if (real && rule.id != 254 && rule.id != 246 && rule.id != 240 && rule.id != 252 &&
                       rule.id != 259 && rule.id != 260 && rule.id != 270 && rule.id != 226 &&
                       rule.id != 268) {
                // famous = fame + ous, creative = create + ive, studious = study + ous.
                auto stems = morph_.basesFor(word, spelling);
                if (stems.empty() && (spelling == "ious" || spelling == "ial"))
                    stems = morph_.basesFor(word, spelling.substr(1));  // glorious
                for (const auto& stem : stems)
                    if (stem.change != StemChange::None && stem.base.size() >= 3) {
                        match.base = stem.base;
                        match.change = stem.change;
                        break;
                    }
            }
            break;
        }
        if (real) out.push_back(match);
    }
    // The longer ending wins where one contains the other: -CIAL over -IAL over -AL.
    const auto has = [&](int id) {
        return std::any_of(out.begin(), out.end(), [id](const AffixMatch& m) { return m.id == id; });
    };
    const auto drop = [&](int id) {
        out.erase(std::remove_if(out.begin(), out.end(), [id](const AffixMatch& m) { return m.id == id; }),
                  out.end());
    };
    if (has(225) || has(267)) drop(241);
    if (has(225) || has(267) || has(241)) drop(217);
    if (has(228)) drop(247);
    if (has(228) || has(247)) drop(263);
    if (has(227) || has(269)) drop(235), drop(233);
    if (has(257)) drop(235);
    if (has(237) || has(223) || has(262)) drop(236);
    // -ologist, -ological: built on an -ology word of the lexicon (biologist, psychological).
    if (const auto at = word.rfind("olog"); !has(260) && at != std::string::npos && at >= 2) {
        const std::string ology = word.substr(0, at) + "ology";
        if (ology != word && morph_.lexicon().contains(ology) && !excluded.at(260).count(ology))
            out.push_back({260, {}, StemChange::None});
    }
    return out;
}

}  // namespace moxlet::wordbase::affixes
