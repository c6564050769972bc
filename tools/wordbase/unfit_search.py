"""Search lists for the review of words unfit for a child's list.

Each category names the stems, WordNet senses and WordNet usage labels that
find its candidates.  A hit is only a candidate: every hit was reviewed by
hand and stands either in data/curated/excluded.txt (unfit, with its reason)
or in data/curated/kept-despite-badword-lists.txt (an everyday word that only
looks alarming: hump, screw, hang, wrists).  The refresh excludes and reports
a hit that is in neither list, so new source versions force a new review.

A word is a hit of a category when
  - it contains one of the category's stems (a regular expression), or
  - the first sense of any of its parts of speech lies under one of the
    category's WordNet synsets (by hypernyms), or
  - WordNet labels any of its senses with one of the category's usage
    domains (obscenity, ethnic slur, disparagement, street name).
"""

import re

# (name, stems, WordNet synsets by "lemma.pos.sense", usage domains)
CATEGORIES = [
    ("sexual", [
        r"sex", r"porn", r"erot", r"orgas", r"^org(y|ies)$", r"genit", r"penis", r"penile",
        r"^vagin", r"vulv", r"clitor", r"testic", r"scrot", r"phall", r"^semen", r"sperm",
        r"ejacul", r"masturb", r"copul", r"coit", r"fornic", r"adulter", r"promiscu",
        r"prostitut", r"brothel", r"harlot", r"whor", r"slut", r"hooker", r"^pimp(s|ed|ing)?$",
        r"^rap(e|es|ed|ing|ist|ists)$", r"molest", r"incest", r"pedophil", r"bestial",
        r"sodom", r"fetish", r"^horny", r"^lust", r"lech", r"lewd", r"obscen", r"smut",
        r"^nud[ei]", r"strip(per|tease)", r"lingerie", r"^condom(s)?$", r"contracep",
        r"^erect", r"^arous", r"seduc", r"sensual", r"voluptu", r"libid", r"topless",
        r"bosom", r"breast", r"nipple", r"boob", r"buttock", r"pubic", r"pubes", r"groin",
        r"crotch", r"menstru", r"tampon", r"lesbian", r"homosex", r"bisex", r"transsex",
        r"transvest", r"queer", r"kinky", r"spank", r"grope", r"fondl", r"raunch", r"bawd",
        r"salaci", r"virgin", r"panties", r"titill", r"voyeur", r"gigolo", r"mistress",
        r"concubin", r"courtesan", r"eunuch", r"castrat", r"circumci", r"pregnan",
        r"abort", r"^womb$", r"uterus", r"ovar", r"intercourse", r"^shag(s|ged|ging)?$",
        r"nympho", r"hickey",
    ], [
        "sexual_activity.n.1", "sex.n.3", "sexual_desire.n.1", "genitalia.n.1",
        "sex_organ.n.1", "perversion.n.2", "prostitute.n.1", "pornography.n.1",
        "contraceptive.n.1", "sexual_love.n.2", "sexual_intercourse.n.1", "erotic.a.1",
        "sexy.a.1", "sexual_abuse.n.1", "sexual_assault.n.1", "paramour.n.1",
        "sexual_relationship.n.1", "sexual_arousal.n.1",
    ], []),
    ("profane", [
        r"fuck", r"shit", r"^crap", r"damn", r"^hell(s|ish|hole|fire|bent|cat)?$", r"piss",
        r"bitch", r"bastard", r"^(ass|asses|asshole|jackass|badass|dumbass)$", r"^arse",
        r"^dick", r"^cock", r"cunt", r"^twat", r"^wank", r"bugger", r"bollock", r"goddam",
        r"^turd", r"^fart", r"poop", r"^puke", r"^pee(s|d|ing)?$", r"^butt(s|ock|ocks|hole)?$",
        r"^bum(s|med|ming)?$", r"^tit(s|ties|ty)?$", r"boner", r"douche", r"scum", r"^prick",
    ], [
        "excretion.n.1", "body_waste.n.1", "urination.n.1", "defecation.n.1",
        "buttocks.n.1", "anus.n.1",
    ], ["obscenity.n.2"]),
    ("slur", [
        r"nigg", r"negro", r"^fag", r"dyke", r"^coon", r"^chink", r"^gook", r"^gyp(s|sy|sies)?$",
        r"retard", r"spastic", r"spaz", r"^moron", r"imbecil", r"idiot", r"cretin",
        r"midget", r"cripple", r"gimp", r"redneck", r"^hick(s)?$", r"hillbill", r"redskin",
        r"^squaw(s)?$", r"mulatt", r"half.?breed", r"wetback", r"kike", r"^kraut", r"^jap(s)?$",
        r"^wop", r"dago", r"^spic(s)?$", r"^honk(y|ies)$", r"paki", r"^fatt(y|ies)$",
        r"fatso", r"sissy", r"pansy", r"wuss", r"ninny", r"^psycho(s|path|paths|pathic|tic)?$",
        r"lunatic", r"nincompoop", r"bumpkin",
    ], [], ["ethnic_slur.n.1", "disparagement.n.1"]),
    ("drugs", [
        r"heroin$", r"cocain", r"^meth$", r"amphet", r"opium", r"opiat", r"opioid", r"morphin",
        r"narcot", r"^narc(s)?$", r"marijuan", r"cannab", r"hashish", r"overdos",
        r"^junk(ie|y|ies)$", r"addict", r"^stone[dr]", r"^dope", r"reefer", r"^bong(s)?$",
        r"hooch", r"peyote", r"mescal", r"psychedel", r"halluc", r"barbitur", r"valium",
        r"codeine", r"methadone", r"laudanum", r"syringe",
    ], [
        "hard_drug.n.1", "narcotic.n.1", "hallucinogen.n.1", "opiate.n.1",
        "drug_addict.n.1", "drug_user.n.1", "drug_dealer.n.1", "drug_abuse.n.1",
        "drug_addiction.n.1",
    ], ["street_name.n.2"]),
    ("self-harm", [
        r"suicid", r"self.?harm", r"self.?destruct", r"self.?mutil", r"overdos", r"noose",
        r"anorex", r"bulimi", r"euthanas",
    ], [
        "suicide.n.1", "suicide.n.2", "self-destruction.n.1",
    ], []),
]


class UnfitSearch:
    def __init__(self, senses):
        self.senses = senses
        self.categories = []
        for name, stems, roots, usages in CATEGORIES:
            rx = re.compile("|".join("(?:%s)" % s for s in stems))
            roots = {k for k in (senses.resolve(r) for r in roots) if k}
            usages = {k for k in (senses.resolve(u) for u in usages) if k}
            self.categories.append((name, rx, roots, usages))

    def hits(self, word):
        """[(category, why)] for `word`, empty when no search list finds it."""
        return list(self._hits(word, True))

    def wordnet_hits(self, word):
        """The hits WordNet's senses and labels give, without the stems."""
        return list(self._hits(word, False))

    def _hits(self, word, stems):
        keys = self.senses.senses.get(word, [])
        firsts = self.senses.first_by_pos.get(word, {}).values()
        for name, rx, roots, usages in self.categories:
            m = rx.search(word) if stems else None
            if m:
                yield name, "stem " + m.group(0)
                continue
            under = next((k for k in firsts if self.senses.hypernym_closure(k) & roots), None)
            if under:
                yield name, "sense: " + self.senses.synsets[under].gloss[:60]
                continue
            labelled = next((k for k in keys if any(
                sym == ";u" and t in usages for sym, t, _, _ in self.senses.synsets[k].pointers)), None)
            if labelled:
                yield name, "label: " + self.senses.synsets[labelled].gloss[:60]
