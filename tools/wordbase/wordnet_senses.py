"""WordNet's senses, hypernyms, topic domains and derivations, for the refresh.

Standard library only.  Reads /usr/share/wordnet/{index,data}.{noun,verb,adj,adv}
(Debian's wordnet-base).  A lemma's senses come in WordNet's order, most
frequent first (the order of its tagged-sense counts).
"""

import os

POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}


def _pos_key(ps):
    return "a" if ps == "s" else ps


class Synset:
    __slots__ = ("key", "lexname", "words", "pointers", "gloss")

    def __init__(self, key, lexname, words, pointers, gloss):
        self.key = key              # (pos letter, offset)
        self.lexname = lexname      # lexicographer file number (noun.body = 8 ...)
        self.words = words          # lowercase lemmas, '_' for spaces
        self.pointers = pointers    # (symbol, target key, source word no, target word no)
        self.gloss = gloss


class WordNetSenses:
    def __init__(self, wn_dir="/usr/share/wordnet"):
        self.synsets = {}
        self.senses = {}            # lemma -> [synset key, ...] over every part of speech
        self.first_by_pos = {}      # lemma -> {pos: synset key of the first sense}
        self.tagged = {}            # (lemma, pos) -> senses tagged in WordNet's corpus
        for ps, name in POS_FILES.items():
            self._load_data(os.path.join(wn_dir, "data." + name), ps)
        for ps, name in POS_FILES.items():
            self._load_index(os.path.join(wn_dir, "index." + name), ps)

    def _load_data(self, path, ps):
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                head, _, gloss = line.partition(" | ")
                p = head.split()
                n = int(p[3], 16)
                words = [p[4 + 2 * i].lower() for i in range(n)]
                words = [w[:w.index("(")] if "(" in w else w for w in words]
                k = 4 + 2 * n
                ptrs = []
                for j in range(int(p[k])):
                    sym, off, tps, st = p[k + 1 + 4 * j:k + 5 + 4 * j]
                    ptrs.append((sym, (_pos_key(tps), off), int(st[:2], 16), int(st[2:], 16)))
                key = (ps, p[0])
                self.synsets[key] = Synset(key, int(p[1]), words, ptrs, gloss.strip())

    def _load_index(self, path, ps):
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                p = line.split()
                lemma, nptr = p[0], int(p[3])
                offs = p[4 + nptr + 2:]
                self.tagged[(lemma, ps)] = int(p[4 + nptr + 1])
                keys = [(ps, o) for o in offs]
                self.senses.setdefault(lemma, []).extend(keys)
                # the first sense that is no instance (Burger the jurist is
                # not the burger of a lunch)
                common = [k for k in keys if not any(
                    sym == "@i" for sym, _, _, _ in self.synsets[k].pointers)]
                if common:
                    self.first_by_pos.setdefault(lemma, {})[ps] = common[0]

    def main_sense(self, lemma):
        """The first sense of the lemma's main part of speech: the one whose
        senses WordNet's corpus tagged most often (ties: noun, verb,
        adjective, adverb).  None for a word WordNet lacks."""
        firsts = self.first_by_pos.get(lemma)
        if not firsts:
            return None
        pos = max(firsts, key=lambda ps: (self.tagged.get((lemma, ps), 0), -"nvar".index(ps)))
        return firsts[pos]

    def resolve(self, name):
        """The synset named "lemma.pos.n" (the n-th sense), or None."""
        lemma, pos, n = name.rsplit(".", 2)
        keys = [k for k in self.senses.get(lemma, ()) if k[0] == pos]
        return keys[int(n) - 1] if len(keys) >= int(n) else None

    def hypernym_closure(self, key, limit=40):
        """key and every synset above it (hypernyms, instance hypernyms)."""
        seen, todo = set(), [key]
        while todo and len(seen) < limit:
            k = todo.pop()
            if k in seen or k not in self.synsets:
                continue
            seen.add(k)
            todo.extend(t for sym, t, _, _ in self.synsets[k].pointers if sym in ("@", "@i"))
        return seen

    def topic_domains(self, key):
        """The topic domains (';c') WordNet gives a synset."""
        return {t for sym, t, _, _ in self.synsets[key].pointers if sym == ";c"}

    def derivations(self, lemma):
        """Lemmas WordNet links to `lemma` by a derivation ('+') or a
        pertainym ('\\') pointer, from any of its senses."""
        out = set()
        for key in self.senses.get(lemma, ()):
            s = self.synsets[key]
            for sym, target, src, dst in s.pointers:
                if sym not in ("+", "\\") or target not in self.synsets:
                    continue
                if src and s.words[src - 1] != lemma:
                    continue
                t = self.synsets[target]
                if dst:
                    out.add(t.words[dst - 1])
        return out
