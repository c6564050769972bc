// Consonant blends: two or three adjacent consonant sounds in one syllable,
// each spelled by its own unit of the sound aligner's parse (SoundBridge.h),
// as the catalogue's blend components list them (stop, strap, lamp, hand,
// act, left, kept).  A three-consonant blend (str, spl, spr, scr) is tagged
// instead of the two-consonant blends inside it.
//
// A component is a unit the aligner explains by exactly that consonant
// phonogram, spelled by its letter (single or doubled) and saying its usual
// sound: so sc in scan is S + C (k), sch in school S + CH (k), squ S + QU,
// thr TH + R.  A letter of a digraph or trigraph is no component (the ch of
// church is CH (ch), not C + H; the ck of back is -CK), nor is a silent
// letter (kn- in knee, wr- in write), a letter saying another sound (the u of
// persuade saying w, the flapped t of water), the l of a syllabic -le
// (table: b + le is no BL) or the l of -ALT (salt, halt, waltz are taught by
// -ALK/-ALT).  The w of WA, WAR, WOR and the qu of QUA end a blend (swamp,
// swarm, squash, squad).  A silent letter between two consonants keeps them
// apart (the t of listen).
//
// "One syllable" is the aligner's syllable division, the one the syllable
// types are tagged by: the syllabified pronunciation, and a consonant after a
// stressed short vowel closing that vowel's syllable (VC/CV: win-ter,
// sis-ter, mas-ter, prob-lem, hos-pi-tal, met-ric have no NT, ST, BL, SP,
// TR), while ant, hand, in-struct (STR), dis-trict (TR) keep theirs.  Two
// corrections follow how tutors divide words:
//   - a doubled letter straddles the break, and a vowel team closes no
//     syllable, so before l or r the consonant still opens the next syllable
//     (ap-ply, sup-ple-ment, mat-tress, ad-dress, draw-bridge);
//   - an inflected form keeps the final blend of its listed base form
//     (stand-ing, jump-ing, act-ed, test-ed, ask-ing).
// Compounds keep the break of their syllabified pronunciation: pass-word,
// class-mate, bath-robe have no SW, SM, THR.
#include "SoundBridge.h"
#include "Taggers.h"
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

struct Component {
    int segment;
    const char* phones;  // the sound, blank-separated
    const char* spellings[2];
};

constexpr Component kComponents[] = {
    {seg::B, "B", {"b", "bb"}},        {seg::C_K, "K", {"c", "cc"}},      {seg::K, "K", {"k", nullptr}},
    {seg::CH_K, "K", {"ch", nullptr}}, {seg::D, "D", {"d", "dd"}},        {seg::F, "F", {"f", "ff"}},
    {seg::G_G, "G", {"g", "gg"}},      {seg::L, "L", {"l", "ll"}},        {seg::M, "M", {"m", "mm"}},
    {seg::N, "N", {"n", "nn"}},        {seg::P, "P", {"p", "pp"}},        {seg::R, "R", {"r", "rr"}},
    {seg::S, "S", {"s", "ss"}},        {seg::T, "T", {"t", "tt"}},        {seg::TH, "TH", {"th", nullptr}},
    {seg::W, "W", {"w", nullptr}},     {seg::QU, "K W", {"qu", nullptr}},
};

// The consonant segment a unit contributes to a blend, or -1.
int componentOf(const SoundUnit& u)
{
    if (u.kind != UnitKind::Phonogram || u.segments.size() != 1) return -1;
    const std::string key = phoneKey(u.phones);
    for (const auto& c : kComponents) {
        if (c.segment != u.segments[0] || key != c.phones) continue;
        for (const char* s : c.spellings)
            if (s && u.letters == s) return c.segment;
        return -1;
    }
    return -1;
}

// The consonant a vowel phonogram begins with (the w of WA, WAR, WOR; the qu
// of QUA), which ends a blend before it: swamp, swarm, squash, squad.  -1
// for other units.
int leadingComponentOf(const SoundUnit& u)
{
    if (u.kind != UnitKind::Phonogram || u.segments.empty() || u.phones.size() < 2) return -1;
    const int s = u.segments[0];
    if ((s == seg::WA || s == seg::WAR || s == seg::WOR) && u.letters[0] == 'w' && u.phones[0].sym == "W")
        return seg::W;
    if (s == seg::QUA && u.letters.compare(0, 2, "qu") == 0 && u.phones[0].sym == "K" &&
        u.phones[1].sym == "W")
        return seg::QU;
    return -1;
}

// Whether unit k may begin a blend in the syllable after its own: a consonant
// the aligner took into the syllable before it (a consonant after a stressed
// short vowel closes that syllable) while the pronunciation opens the next
// syllable with it, when it is a doubled letter, which straddles the break
// (ap-ply, sup-ple-ment, mat-tress, ad-dress, strug-gling), or follows a
// vowel team, which no consonant closes (draw-bridge).  The caller allows it
// only before l or r, the blends that open a syllable inside a word; class-
// mate, harass-ment, foot-work keep their break.
bool opensNextSyllable(const SoundAlignment& al, std::size_t k, const std::vector<int>& phoneSyl,
                       const std::vector<std::size_t>& firstPhone)
{
    const SoundUnit& u = al.units[k];
    if (u.phones.empty() || k == 0) return false;
    if (phoneSyl[firstPhone[k]] != u.syllable + 1) return false;
    const bool doubled = u.letters.size() == 2 && u.letters[0] == u.letters[1];
    const SoundUnit& before = al.units[k - 1];
    const bool afterTeam = before.vowel() && before.letters.size() > 1;
    return doubled || afterTeam;
}

int blendOf(const std::vector<int>& parts)
{
    for (std::size_t b = 0; b < BlendPart.size(); ++b) {
        const auto& p = BlendPart[b];
        const std::size_t n = p[2] < 0 ? 2 : 3;
        if (n != parts.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < n && same; ++k) same = p[k] == parts[k];
        if (same) return static_cast<int>(b) + seg::FirstBlend;
    }
    return -1;
}

// Whether letter `end` of the word ends one of its listed base forms (ask-ing,
// test-ed, fast-er): a blend ending there ends the base's last syllable,
// wherever the aligner divides the inflected word (as-king).
bool endsBase(const WordAnalysis& a, std::size_t end)
{
    // Base forms listed for a look-alike: after is no aft + er (af-ter).
    if (!a.entry || a.word == "after") return false;
    for (const auto& b : a.entry->bases)
        if (b.size() >= 2 && b.size() == end && end < a.word.size() && a.word.compare(0, end, b) == 0)
            return true;
    return false;
}

}  // namespace

void tagBlends(WordAnalysis& a)
{
    const SoundAlignment& al = soundAlignmentOf(a);
    const auto& units = al.units;
    const std::size_t n = units.size();
    // The syllables of the pronunciation before the aligner closes short vowels.
    const std::vector<int> phoneSyl =
        syllableOfPhones(al.phones, a.entry ? a.entry->syllabified : std::string());
    std::vector<std::size_t> firstPhone(n, 0);
    for (std::size_t k = 0, p = 0; k < n; p += units[k].phones.size(), ++k) firstPhone[k] = p;
    std::size_t i = 0;
    while (i < n) {
        bool found = false;
        for (std::size_t len = 3; len >= 2 && !found; --len) {
            if (i + len > n) continue;
            // The syllable the blend stands in: the first consonant's, or the next
            // one when that consonant also opens it.
            const int syllable =
                units[i + 1].syllable == units[i].syllable + 1 &&
                        (componentOf(units[i + 1]) == seg::L || componentOf(units[i + 1]) == seg::R) &&
                        opensNextSyllable(al, i, phoneSyl, firstPhone)
                    ? units[i].syllable + 1
                    : units[i].syllable;
            const SoundUnit& last = units[i + len - 1];
            const bool baseFinal =
                endsBase(a, static_cast<std::size_t>(last.letterStart) + last.letters.size());
            std::vector<int> parts;
            for (std::size_t k = 0; k < len; ++k) {
                const SoundUnit& u = units[i + k];
                const int c = k + 1 == len && componentOf(u) < 0 ? leadingComponentOf(u) : componentOf(u);
                if (c < 0 || (k > 0 && u.syllable != syllable && !baseFinal)) break;
                parts.push_back(c);
            }
            if (parts.size() != len) continue;
            const int blend = blendOf(parts);
            if (blend < 0) continue;
            a.tag(blend);
            // The blend's last consonant may begin the next one (tempt: MP, then PT).
            i += len - 1;
            found = true;
        }
        if (!found) ++i;
    }
}

}  // namespace moxlet::wordbase
