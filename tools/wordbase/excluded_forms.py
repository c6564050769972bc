"""Every form of an excluded word is excluded too.

An excluded word (data/curated/excluded.txt) keeps out its inflections,
derived forms and compounds: condoms and condom, erotica and erotic, pimps
and pimp, jackass and ass.  A word is a form of another when

  - WordNet's base forms lead to it (went -> go, condoms -> condom);
  - it is the other plus a suffix, with the usual spelling changes (a dropped
    e, a doubled final consonant, y to i): erotica, rapist, sexier;
  - it is a prefix plus the other (bisexual, unsexy);
  - it is a compound of the other and a word of at least four letters
    (whorehouse, jackass, bullshit);
  - WordNet links the two by a derivation and they share their first three
    letters (pornographic, pornographer).

The relation is followed step by step: a form of a form is a form.  Words of
the kept list (data/curated/kept-despite-badword-lists.txt) are reviewed
look-alikes: they and their inflections are never excluded, and nothing is
excluded through them (butter is no form of butt, cocktail none of cock).
"""

# Suffixes after a y turned to i are matched as the suffix after an i stem
# (sexier: sexi + er, sexy).
SUFFIXES = sorted({
    "s", "es", "ed", "ing", "er", "ers", "est", "y", "ie", "ly", "ness", "ful", "less",
    "ish", "ism", "isms", "ist", "ists", "istic", "a", "ic", "ical", "ically", "ize",
    "izes", "ized", "izing", "ization", "ity", "ities", "ous", "uous", "ously", "al",
    "ally", "ation", "ations", "ate", "ated", "ates", "ating", "or", "ors", "ery",
    "eries", "hood", "dom", "ship", "like", "ette", "ettes", "ee", "ees", "ment",
    "ments", "able", "ible", "age", "ary", "atory", "ory",
}, key=lambda s: (-len(s), s))
# A word of three letters is a stem only of its inflections (asses, cocky,
# tits): assist, bravery and bumper are not built on it.
INFLECTIONS = {"s", "es", "ed", "ing", "er", "ers", "est", "y", "ie", "ly"}

PREFIXES = ("un", "non", "anti", "pro", "pre", "re", "de", "dis", "mis", "over",
            "under", "super", "semi", "multi", "bi", "homo", "hetero", "trans",
            "uni", "hyper", "inter", "extra", "ex", "self", "sub")

MIN_COMPOUND_PART = 4   # both halves of a compound: bull+shit, whore+house
MIN_PREFIXED = 4        # the word after a prefix: bi+sexual, un+sexy


def _stems(word):
    """(stem, how) pairs: what `word` could be built on by one step."""
    for suf in SUFFIXES:
        if not word.endswith(suf) or len(word) - len(suf) < 2:
            continue
        s = word[:-len(suf)]
        if suf == "s" and s.endswith(("s", "x", "z", "sh", "ch")):
            continue                            # assess is no plural of asses
        stems = [s]
        if suf[0] in "aeiouy":
            stems.append(s + "e")               # dropped e: rapist, nudity
            if len(s) >= 3 and s[-1] == s[-2] and s[-1] not in "flsz":
                stems.append(s[:-1])            # doubled consonant: titter
        if s.endswith("i"):
            stems = [s[:-1] + "y"]              # y to i: orgies, sexier
        for stem in stems:
            if len(stem) > 3 or suf in INFLECTIONS:
                yield stem, "+" + suf
    for pre in PREFIXES:
        if word.startswith(pre) and len(word) - len(pre) >= MIN_PREFIXED:
            yield word[len(pre):], pre + "+"


class ExcludedForms:
    def __init__(self, excluded, kept, words, base_forms_of, derivations_of):
        """excluded, kept: sets of words; words: every real word (wamerican and
        WordNet's lemmas): each step from a form to its stem must land on one,
        and the other half of a compound must be one; base_forms_of(word) ->
        WordNet bases; derivations_of(word) -> WordNet derivations."""
        self.excluded = excluded
        self.kept = kept
        self.words = words
        self.base_forms_of = base_forms_of
        self.derivations_of = derivations_of
        self._memo = {}

    def why(self, word, depth=0):
        """None when `word` may enter; else (excluded word, path) naming the
        excluded word it is a form of (itself when listed)."""
        if word in self.kept or any(b in self.kept for b in self.base_forms_of(word)):
            return None                         # a look-alike and its inflections
        if word in self.excluded:
            return word, word
        if depth > 4:
            return None
        if word in self._memo:
            return self._memo[word]
        self._memo[word] = None                 # cycles end here
        found = None
        for stem, how in self._candidates(word):
            if stem == word or len(stem) < 2 or (stem not in self.words
                                                 and stem not in self.excluded):
                continue
            hit = self.why(stem, depth + 1)
            if hit:
                found = (hit[0], "%s %s" % (hit[1], how))
                break
        self._memo[word] = found
        return found

    def _candidates(self, word):
        for b in self.base_forms_of(word):
            yield b, "(base of %s)" % word
        yield from _stems(word)
        for i in range(MIN_COMPOUND_PART, len(word) - MIN_COMPOUND_PART + 1):
            left, right = word[:i], word[i:]
            if right in self.words:
                yield left, "+" + right
            if left in self.words:
                yield right, left + "+"
        # a derivation is built on the shorter word and starts with it, but
        # for the last letters or two (erotica, pornographer, suicidal)
        for d in self.derivations_of(word):
            if len(d) < len(word) and d.isalpha() and word.startswith(d[:max(3, len(d) - 2)]):
                yield d, "(derived)"
