#include <array>

#include "Affixes.h"

namespace moxlet::wordbase::affixes {

namespace {

// Bound Latin stems that prefixes attach to.  Kept at three letters or more
// so that the list cannot explain look-alikes such as "pretty" or "dish".
constexpr std::array kStems = {
    "aud",    "cede",  "ceed",   "ceit",   "ceiv",   "cept",  "cern",   "cess",  "cide",  "cipi",  "cise",
    "cis",    "cite",  "claim",  "clin",   "clud",   "clus",  "cord",   "cred",  "cur",   "dict",  "duc",
    "empt",   "fect",  "fend",   "fens",   "fer",    "fess",  "fici",   "fid",   "fin",   "firm",  "flat",
    "flect",  "flex",  "flict",  "form",   "fus",    "gest",  "grad",   "grat",  "gress", "hab",   "hibit",
    "here",   "ject",  "jec",    "join",   "junct",  "jur",   "lapse",  "lat",   "lect",  "leg",   "lig",
    "loc",    "lud",   "lus",    "mand",   "merge",  "mers",  "migr",   "mis",   "mit",   "mot",   "mov",
    "mun",    "nect",  "nounc",  "nunci",  "pact",   "par",   "pass",   "pel",   "pend",  "pens",  "pet",
    "plain",  "plan",  "plet",   "plex",   "plic",   "plod",  "plor",   "plos",  "ply",   "pon",   "port",
    "pos",    "pound", "prehen", "press",  "prob",   "pris",  "pul",    "pun",   "put",   "quest", "quir",
    "quis",   "rect",  "reg",    "rupt",   "scend",  "scrib", "script", "sect",  "sens",  "sent",  "sequ",
    "serv",   "sert",  "sid",    "sign",   "sist",   "solv",  "son",    "spect", "spic",  "spir",  "spond",
    "spons",  "stant", "stit",   "strict", "struct", "suad",  "sult",   "sum",   "tach",  "tain",  "tect",
    "tempt",  "ten",   "tend",   "tens",   "tent",   "test",  "text",   "tin",   "tort",  "tract", "trib",
    "trud",   "turb",  "vad",    "vail",   "val",    "vas",   "ven",    "vers",  "vert",  "vey",   "vid",
    "vinc",   "vict",  "vis",    "viv",    "voc",    "vok",   "volv",   "vol",   "vot",   "mens",  "mand",
    "nounce", "pare",  "pute",   "bine",   "pete",   "mute",  "sume",   "cuse",  "haust", "ecut",  "erc",
    "ample",  "treme", "pand",   "pans",   "spens",  "pla",   "duce",   "duct",  "lid",   "lis",   "liter",
    "lumin",  "quer",  "sci",    "urb",    "rode",   "ros",   "rupt",
};

}  // namespace

bool startsWithLatinStem(std::string_view rest)
{
    for (std::string_view stem : kStems)
        if (rest.size() >= stem.size() && rest.substr(0, stem.size()) == stem) return true;
    return false;
}

}  // namespace moxlet::wordbase::affixes
