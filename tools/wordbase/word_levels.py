"""How familiar a word is to a child: everyday, common or wider.

  everyday  on a familiar-word list (New Dale-Chall 1995, Revised Spache 1974),
            or heard at least EVERYDAY_COUNT times in SUBTLEX-US's 51 million
            words (Zipf 4.5: 31 per million, about the 1,700 most frequent
            words: okay, mom, actually, weird);
  common    heard at least COMMON_COUNT times (Zipf 3: once per million words,
            about the 14,700 most frequent words; below it Brysbaert and New
            speak of low-frequency words);
  wider     the rest, and words of adult domains whatever their frequency:
            medicine, law and crime, finance, alcohol, tobacco and gambling
            (by the main sense WordNet gives the word, corrected both ways by
            the reviewed data/curated/adult-words.tsv).  A word on a
            familiar-word list stays everyday (doctor, money, sick): children
            know it; the reviewed list still makes its alcohol and tobacco
            words wider (beer, drunk, cigarette).

An inflection or an -ly adverb of a lexicon word (baseforms.tsv) is as
familiar as its most familiar base, and belongs to an adult domain when
its base does: hummed is everyday as hum is, vasectomies and drugs are
wider as vasectomy and drug are.
"""

EVERYDAY, COMMON, WIDER = "everyday", "common", "wider"
LEVELS = (EVERYDAY, COMMON, WIDER)

EVERYDAY_COUNT = 1613    # Zipf 4.5 in SUBTLEX-US (51 million words)
COMMON_COUNT = 51        # Zipf 3: once per million words

# Senses whose hyponyms are adult-domain words, by "lemma.pos.sense number".
ADULT_SENSES = {
    "alcohol": ["alcohol.n.1", "drunkenness.n.1", "drunkenness.n.2", "drunkenness.n.3"],
    "tobacco": ["tobacco.n.1", "smoking.n.1"],
    "gambling": ["gambling.n.1", "bet.n.1", "bet.n.2", "casino.n.1"],
    "medicine": [
        "medical_procedure.n.1", "disease.n.1", "illness.n.1", "disorder.n.1",
        "symptom.n.1", "pathology.n.2", "medicine.n.2", "pharmaceutical.n.1", "drug.n.1",
        "infection.n.1", "medical_care.n.1", "sex_organ.n.1", "genitalia.n.1",
    ],
    "law and crime": [
        "crime.n.1", "legal_document.n.1", "proceeding.n.1", "lawsuit.n.1", "lawyer.n.1",
        "criminal.n.1", "racket.n.3",
    ],
    "finance": [
        "finance.n.1", "finance.n.3", "investment.n.1", "investment.n.2", "tax.n.1",
        "debt.n.1", "debt.n.2", "loan.n.1", "insurance.n.1", "mortgage.n.1",
        "bankruptcy.n.2", "funds.n.1", "assets.n.1", "liabilities.n.1", "credit.n.2",
        "security.n.2", "stock.n.1", "bond.n.2",
    ],
}

# Topic domains (WordNet's ';c' labels): a domain counts with every domain
# under it (surgery and psychiatry are under medicine).
ADULT_DOMAINS = [
    "medicine.n.1", "medicine.n.3", "law.n.1", "finance.n.2", "banking.n.1",
    "economics.n.1", "stock_exchange.n.1", "tax.n.1", "brewing.n.1", "winemaking.n.1",
    "gambling.n.1",
]


class WordLevels:
    def __init__(self, senses, reviewed):
        """reviewed: word -> True (adult) or False (not adult), the reviewed
        corrections of data/curated/adult-words.tsv."""
        self.senses = senses
        self.reviewed = reviewed
        self.adult_roots = {}
        for domain, names in ADULT_SENSES.items():
            for name in names:
                key = senses.resolve(name)
                if key is None:
                    raise ValueError("WordNet has no sense " + name)
                self.adult_roots[key] = domain
        roots = {senses.resolve(n) for n in ADULT_DOMAINS}
        # every topic domain with one of the roots above it
        used = {t for s in senses.synsets.values() for sym, t, _, _ in s.pointers if sym == ";c"}
        self.adult_domains = {d for d in used if senses.hypernym_closure(d) & roots}

    def adult_domain(self, word):
        """The adult domain of the word's main sense, or None."""
        if word in self.reviewed:
            return "reviewed list" if self.reviewed[word] else None
        key = self.senses.main_sense(word)
        if key is None:
            return None
        above = self.senses.hypernym_closure(key)
        for domain in ADULT_SENSES:             # alcohol before drugs, then medicine
            if any(self.adult_roots.get(k) == domain for k in above):
                return domain
        if self.senses.topic_domains(key) & self.adult_domains:
            return "topic domain"
        return None

    def levels(self, words, counts, familiar, bases):
        """word -> level for every word of `words` (lexicon order); bases:
        word -> base forms (baseforms.tsv)."""
        lexicon = set(words)
        adult = {}
        for w in words:
            adult[w] = self.adult_domain(w) is not None or any(
                b in lexicon and self.adult_domain(b) for b in bases.get(w, ()))
        own = {}
        for w in words:
            if w in familiar and self.reviewed.get(w) is not True:
                own[w] = EVERYDAY
            elif adult[w]:
                own[w] = WIDER
            elif counts.get(w, 0) >= EVERYDAY_COUNT:
                own[w] = EVERYDAY
            elif counts.get(w, 0) >= COMMON_COUNT:
                own[w] = COMMON
            else:
                own[w] = WIDER
        out = {}
        for w in words:
            level = own[w]
            if not adult[w]:
                for b in bases.get(w, ()):
                    if b in own and LEVELS.index(own[b]) < LEVELS.index(level):
                        level = own[b]
            out[w] = level
        return out
