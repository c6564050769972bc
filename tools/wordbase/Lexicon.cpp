#include "Lexicon.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/words/WordLevel.h"

namespace moxlet::wordbase {

namespace {

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) out.push_back(field);
    if (!line.empty() && line.back() == '\t') out.emplace_back();
    return out;
}

std::vector<std::string> split(const std::string& text, const std::string& sep)
{
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const auto at = text.find(sep, from);
        out.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) return out;
        from = at + sep.size();
    }
}

}  // namespace

const Phones& LexiconEntry::tagged() const
{
    if (!syllabified.empty()) {
        const std::string key = phoneKey(parsePhones(syllabified));
        for (const auto& p : pronunciations)
            if (phoneKey(p) == key) return p;
    }
    for (const auto& p : pronunciations)
        if (vowelCount(p) == syllables) return p;
    return pronunciations.front();
}

Lexicon Lexicon::load(const std::filesystem::path& lexiconFile)
{
    std::ifstream in(lexiconFile);
    if (!in) throw std::runtime_error("cannot read " + lexiconFile.string());
    Lexicon lex;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto f = splitTabs(line);
        auto bad = [&](const std::string& why) {
            return std::runtime_error(lexiconFile.string() + ":" + std::to_string(lineNo) + ": " + why);
        };
        if (f.size() < 6) throw bad("expected word, rank, pronunciations, syllables, syllabified, level");
        LexiconEntry e;
        e.word = f[0];
        if (e.word.empty() || e.word.size() > 20) throw bad("word must have 1 to 20 letters");
        for (char c : e.word)
            if (c < 'a' || c > 'z') throw bad("word must be lowercase a-z");
        e.rank = std::stoi(f[1]);
        for (const auto& variant : split(f[2], " | ")) {
            Phones p = parsePhones(variant);
            if (!p.empty()) e.pronunciations.push_back(std::move(p));
        }
        if (e.pronunciations.empty()) throw bad("no pronunciation");
        e.syllables = std::stoi(f[3]);
        e.syllabified = f[4];
        const auto level = parseWordLevel(f[5]);
        if (!level) throw bad("level must be everyday, common or wider");
        e.level = *level;
        if (lex.byWord_.count(e.word)) continue;  // first entry wins
        lex.byWord_[e.word] = lex.entries_.size();
        lex.entries_.push_back(std::move(e));
    }

    const auto baseFile = lexiconFile.parent_path() / "baseforms.tsv";
    std::ifstream bases(baseFile);
    while (bases && std::getline(bases, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto f = splitTabs(line);
        if (f.size() < 2) continue;
        auto it = lex.byWord_.find(f[0]);
        if (it == lex.byWord_.end()) continue;
        auto& e = lex.entries_[it->second];
        for (const auto& b : split(f[1], ","))
            if (!b.empty() && b != e.word) e.bases.push_back(b);
        if (f.size() > 2) e.partsOfSpeech = f[2];
    }
    return lex;
}

const LexiconEntry* Lexicon::find(const std::string& word) const
{
    auto it = byWord_.find(word);
    return it == byWord_.end() ? nullptr : &entries_[it->second];
}

}  // namespace moxlet::wordbase
