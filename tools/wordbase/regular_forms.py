"""Regular inflected and derived forms of a word, and their pronunciations.

inflection_candidates spells the forms; derived_pronunciations says them
when CMUdict lacks the form but has its base: hummed is hum + D, fizzy is
fizz + IY0, naughtier is naughty + ER0.  None of these endings moves the
stress, so the base's phones stand unchanged before the ending's.
"""

import re

VOWEL_LETTERS = "aeiouy"


def inflection_candidates(base, pos):
    """Regular forms of base as a lemma of pos (n v a): spelling -> ending.

    -s/-es/-ies for nouns and verbs; -ed/-ing (with a dropped e, a doubled final
    consonant or y -> ied, ie -> ying) for verbs; -er/-est (the same changes,
    y -> ier/iest), -ly (y -> ily, -le -> -ly) and -ness (y -> iness) for
    adjectives; -y for nouns (fizzy, dirty, noisy, funny).  Both the doubled
    and the plain spelling are offered; the filters and WordNet decide.
    Endings: s ed ing er est ly ness y."""
    out = {}
    cons_y = len(base) > 2 and base[-1] == "y" and base[-2] not in VOWEL_LETTERS
    e_final = base.endswith("e")
    can_double = (len(base) >= 3 and base[-1] not in VOWEL_LETTERS + "wx"
                  and base[-2] in VOWEL_LETTERS and base[-3] not in VOWEL_LETTERS)
    if pos in ("n", "v"):
        if cons_y:
            out[base[:-1] + "ies"] = "s"
        elif re.search(r"(s|x|z|ch|sh)$", base):
            out[base + "es"] = "s"
        else:
            out[base + "s"] = "s"
            if base.endswith("o"):
                out[base + "es"] = "s"
    if pos == "n" and not base.endswith("y"):
        if e_final:
            out[base[:-1] + "y"] = "y"
        else:
            out[base + "y"] = "y"
            if can_double:
                out[base + base[-1] + "y"] = "y"
    if pos == "v":
        if cons_y:
            out.update({base[:-1] + "ied": "ed", base + "ing": "ing"})
        elif base.endswith("ie"):
            out.update({base + "d": "ed", base[:-2] + "ying": "ing"})
        elif e_final:
            out.update({base + "d": "ed", base[:-1] + "ing": "ing", base + "ing": "ing"})
        else:
            out.update({base + "ed": "ed", base + "ing": "ing"})
            if can_double:
                out.update({base + base[-1] + "ed": "ed", base + base[-1] + "ing": "ing"})
            if base.endswith("c"):
                out.update({base + "ked": "ed", base + "king": "ing"})
    if pos == "a":
        for suf in ("er", "est"):
            if cons_y:
                out[base[:-1] + "i" + suf] = suf
            elif e_final:
                out[base + suf[1:]] = suf
            else:
                out[base + suf] = suf
                if can_double:
                    out[base + base[-1] + suf] = suf
        if cons_y:
            out[base[:-1] + "ily"] = "ly"
            out[base[:-1] + "iness"] = "ness"
        elif base.endswith("le") and base[-3] not in VOWEL_LETTERS:
            out[base[:-1] + "y"] = "ly"
            out[base + "ness"] = "ness"
        else:
            out[base + "ly"] = "ly"
            out[base + "ness"] = "ness"
    return out


VOICELESS = {"P", "T", "K", "F", "TH"}
SIBILANTS = {"S", "Z", "SH", "ZH", "CH", "JH"}


def _say(phones, ending, word, base):
    """The phones of base (a list) with `ending` said after them, or None."""
    last = phones[-1].rstrip("012")
    if ending == "s":
        tail = ["IH0", "Z"] if last in SIBILANTS else ["S"] if last in VOICELESS else ["Z"]
    elif ending == "ed":
        if last in ("T", "D"):
            tail = ["IH0", "D"]
        else:
            tail = ["T"] if last in VOICELESS | {"S", "SH", "CH"} else ["D"]
    elif ending == "ing":
        tail = ["IH0", "NG"]
    elif ending == "er":
        tail = ["ER0"]
    elif ending == "est":
        tail = ["AH0", "S", "T"]
    elif ending == "ness":
        tail = ["N", "AH0", "S"]
    elif ending == "y":
        tail = ["IY0"]
    elif ending == "ly":
        if word.endswith("ily") and base.endswith("y") and last == "IY":
            return phones[:-1] + ["AH0", "L", "IY0"]        # happy -> happily
        if base.endswith("le") and last == "L" and len(phones) > 2 \
                and phones[-2] == "AH0":
            return phones[:-2] + ["L", "IY0"]               # gentle -> gently
        tail = ["L", "IY0"]
    else:
        return None
    return phones + tail


def derived_pronunciations(word, base, ending, base_prons):
    """The pronunciations of `word`, the form of `base` with `ending`, said as
    each pronunciation of the base plus the ending (CMUdict's format: phones
    with stress digits, one space between)."""
    out = []
    for pron in base_prons:
        phones = _say(pron.split(), ending, word, base)
        if phones and " ".join(phones) not in out:
            out.append(" ".join(phones))
    return out
