#include "WordBaseBuilder.h"

#include <fstream>
#include <map>
#include <set>

#include "catalogue/SegmentIds.h"
#include "SoundBridge.h"
#include "Taggers.h"
#include "WordAnalysis.h"

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
    std::vector<BuiltWord> out;
    out.reserve(lexicon.entries().size());
    for (std::size_t i = 0; i < lexicon.entries().size(); ++i) {
        const LexiconEntry& e = lexicon.entries()[i];
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
        if (homophones[i]) w.segments.word(24) = static_cast<std::int16_t>(w.segments.word(24) | kHomophoneFlag);
        if (a.rootFlag) w.segments.word(24) = static_cast<std::int16_t>(w.segments.word(24) | kRootFlag);
        out.push_back(std::move(w));
    }
    return out;
}

}  // namespace moxlet::wordbase
