#include "SoundBridge.h"

#include <algorithm>
#include <map>

#include "SoundAligner.h"
#include "VowelSounds.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

bool carries(const WordAnalysis& a, std::initializer_list<int> ids)
{
    return std::any_of(ids.begin(), ids.end(), [&](int id) { return a.has(id); });
}

}  // namespace

const std::vector<int>& soundSegmentsOf(WordAnalysis& a)
{
    if (!a.soundTagged) {
        const std::string breaks = a.entry ? a.entry->syllabified : std::string();
        a.soundSegments = tagSoundSegments(a.word, arpabetText(a.phones), breaks);
        a.soundTagged = true;
    }
    return a.soundSegments;
}

const SoundAlignment& soundAlignmentOf(WordAnalysis& a)
{
    if (!a.soundAligned) {
        const std::string breaks = a.entry ? a.entry->syllabified : std::string();
        a.soundAlignment = alignSounds(a.word, a.phones, breaks);
        a.soundAligned = true;
    }
    return a.soundAlignment;
}

void tagSoundEndings(WordAnalysis& a, const Lexicon& lexicon)
{
    const auto& ids = soundSegmentsOf(a);
    auto emitted = [&](int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
    const std::initializer_list<int> shEndings = {225, 226, 227, 228, 267, 268, 269};
    if (!carries(a, shEndings))
        for (int id : shEndings)
            if (emitted(id)) a.tag(id);
    const std::initializer_list<int> edEndings = {229, 230, 231};
    if (carries(a, edEndings) || !(emitted(230) || emitted(231))) return;
    const std::string& w = a.word;
    auto isBase = [&](const std::string& b) {
        if (b.size() < 2) return false;
        if (lexicon.find(b)) return true;
        return a.entry && std::find(a.entry->bases.begin(), a.entry->bases.end(), b) != a.entry->bases.end();
    };
    const std::string stem = w.substr(0, w.size() - 2);  // w ends in "ed"
    const bool doubled = stem.size() >= 2 && stem.back() == stem[stem.size() - 2];
    const bool addedK = stem.size() >= 3 && stem.compare(stem.size() - 2, 2, "ck") == 0;  // panicked
    if (isBase(stem) || isBase(stem + "e") ||
        ((doubled || addedK) && isBase(stem.substr(0, stem.size() - 1))))
        for (int id : {230, 231})
            if (emitted(id)) a.tag(id);
}

bool useSoundExceptions(const std::filesystem::path& file)
{
    std::map<std::string, SoundException> table;
    const bool read = loadSoundExceptions(file.string(), table);
    setSoundExceptions(std::move(table));
    return read;
}

bool fullyExplained(const WordAnalysis& a)
{
    // A reviewed exception (beyond) vouches for the parts the aligner misread.
    if (a.has(seg::RoteWords) || hasSoundException(a.word)) return true;
    const std::string breaks = a.entry ? a.entry->syllabified : std::string();
    const SoundAlignment al = alignSounds(a.word, a.phones, breaks);
    for (std::size_t k = 0; k < al.units.size(); ++k) {
        const SoundUnit& u = al.units[k];
        switch (u.kind) {
        case UnitKind::Unexplained: {
            // choc(o)late: a dropped vowel read as its reduced sound (VowelSounds.h).
            if (const int reduced = droppedVowel(al, k); reduced >= 0) {
                if (!a.has(reduced)) return false;
                break;
            }
            // The second letter of a doubled consonant split by the aligner (arrest).
            const bool doubled = u.phones.empty() && u.letters.size() == 1 && k > 0 &&
                                 al.units[k - 1].letters.back() == u.letters[0];
            if (!doubled) return false;
            break;
        }
        case UnitKind::LongVowel:
            if (!carries(a, {seg::OpenSyllable, seg::SilentE, seg::KindOldWords})) {
                // sign, climb: the long i taught with GN and -MB (VowelSounds.cpp).
                const bool silentLetterNext =
                    u.letters == "i" && k + 1 < al.units.size() &&
                    (al.units[k + 1].letters == "gn" || al.units[k + 1].letters == "mb");
                if (!silentLetterNext) return false;
            }
            break;
        case UnitKind::SilentE:
            break;  // by Silent E or the letter it keeps from ending the word (VowelSounds.h)
        case UnitKind::Phonogram:
            for (int id : u.segments)
                if (!a.has(id)) return false;
            if (u.letters == "ci" && !carries(a, {225, 226, 227, 228})) return false;
            if (u.letters == "ti" && !carries(a, {228, 267, 268, 269})) return false;
            break;
        }
    }
    return true;
}

}  // namespace moxlet::wordbase
