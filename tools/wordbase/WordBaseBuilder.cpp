#include "WordBaseBuilder.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

#include "Inflections.h"
#include "SoundBridge.h"
#include "Taggers.h"
#include "WordAnalysis.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

std::set<std::string> readWordList(const std::filesystem::path& file)
{
    std::set<std::string> out;
    std::ifstream in(file);
    std::string line;
    while (in && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto end = line.find_first_of(" \t#");
        out.insert(line.substr(0, end));
    }
    return out;
}

std::string pronunciationKey(const Phones& p)
{
    std::string key;
    for (const auto& ph : p) key += ph.sym + (ph.vowel() ? std::to_string(ph.stress) : "") + " ";
    return key;
}

}  // namespace

std::vector<bool> findHomophones(const Lexicon& lexicon)
{
    const auto& entries = lexicon.entries();
    std::map<std::string, std::vector<std::size_t>> byPron;
    for (std::size_t i = 0; i < entries.size(); ++i)
        byPron[pronunciationKey(entries[i].pronunciations.front())].push_back(i);
    std::vector<bool> flag(entries.size(), false);
    for (const auto& [key, words] : byPron)
        if (words.size() > 1)
            for (std::size_t i : words) flag[i] = true;
    return flag;
}

WordAnalysis tagWord(const LexiconEntry& entry, const Lexicon& lexicon)
{
    WordAnalysis a = WordAnalysis::analyse(entry);
    tagConsonants(a);
    tagVowels(a);
    tagSyllableTypes(a);
    tagBlends(a);
    tagAffixes(a, lexicon);
    tagRules(a, lexicon);
    tagRoots(a);
    tagSoundEndings(a, lexicon);
    return a;
}

std::vector<BuiltWord> buildWords(const Lexicon& lexicon, const std::filesystem::path& curatedDir,
                                  std::vector<std::string>* unexplained)
{
    useSoundExceptions(curatedDir / "aligner-exceptions.tsv");
    const auto rote = readWordList(curatedDir / "rote-words.txt");
    const auto homophones = findHomophones(lexicon);
    const auto& entries = lexicon.entries();
    std::vector<BuiltWord> out;
    std::vector<bool> rootFlag(entries.size(), false);
    out.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LexiconEntry& e = entries[i];
        WordAnalysis a = tagWord(e, lexicon);
        if (rote.count(e.word)) a.tag(seg::RoteWords);
        if (!fullyExplained(a)) {
            a.tag(seg::RoteWords);
            if (unexplained) unexplained->push_back(e.word);
        }
        BuiltWord w;
        w.word = e.word;
        w.syllables = a.syllables;
        w.segments = a.segments;
        w.level = e.level;
        rootFlag[i] = a.rootFlag;
        out.push_back(std::move(w));
    }
    // A regular inflection carries what its base explains (roll-ed keeps the
    // Kind Old Words of roll, bind-ing-s the ND of binding), and an inflection
    // of an everyday word is an everyday word.  Shorter words first, so a
    // chain (snap, snappy, snappiest) hands everything down.
    std::map<std::string, std::size_t> index;
    for (std::size_t i = 0; i < entries.size(); ++i) index[entries[i].word] = i;
    std::vector<std::size_t> order(entries.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return entries[x].word.size() < entries[y].word.size();
    });
    for (std::size_t i : order) {
        RegularInflection how;
        const LexiconEntry* base = inflectionBase(entries[i], lexicon, &how);
        if (!base || !endingTagged(out[i].segments, how)) continue;
        const std::size_t b = index.at(base->word);
        const SegmentSet kept = inheritedSegments(out[b].segments, base->word, how);
        for (int w = 1; w <= 24; ++w)
            out[i].segments.word(w) = static_cast<std::int16_t>(out[i].segments.word(w) | kept.word(w));
        rootFlag[i] = rootFlag[i] || rootFlag[b];
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SegmentSet& s = out[i].segments;
        if (homophones[i]) s.word(24) = static_cast<std::int16_t>(s.word(24) | kHomophoneFlag);
        bool hasRoot = false;
        for (int id = seg::FirstRoot; id <= seg::LastRoot; ++id) hasRoot = hasRoot || s.contains(id);
        if (rootFlag[i] && hasRoot) s.word(24) = static_cast<std::int16_t>(s.word(24) | kRootFlag);
    }
    return out;
}

}  // namespace moxlet::wordbase
