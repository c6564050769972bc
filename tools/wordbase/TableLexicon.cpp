#include "TableLexicon.h"

#include <fstream>
#include <sstream>

namespace moxlet::wordbase::affixes {

namespace {

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) parts.push_back(part);
    return parts;
}

std::string trim(const std::string& text)
{
    const auto first = text.find_first_not_of(" \r\n\t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \r\n\t");
    return text.substr(first, last - first + 1);
}

}  // namespace

void TableLexicon::addWord(const std::string& word, int rank, const std::string& pronunciations)
{
    auto [it, fresh] = words_.try_emplace(word);
    if (fresh) order_.push_back(word);
    it->second.rank = rank;
    it->second.prons.clear();
    for (const auto& variant : split(pronunciations, '|'))
        if (auto p = trim(variant); !p.empty()) it->second.prons.push_back(p);
}

void TableLexicon::addBaseForms(const std::string& word, const std::string& commaSeparatedBases)
{
    auto& list = bases_[word];
    for (const auto& base : split(commaSeparatedBases, ','))
        if (auto b = trim(base); !b.empty()) list.push_back(b);
}

void TableLexicon::readLexicon(std::istream& in)
{
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto cols = split(line, '\t');
        if (cols.size() < 3) continue;
        addWord(cols[0], std::atoi(cols[1].c_str()), cols[2]);
    }
}

void TableLexicon::readBaseForms(std::istream& in)
{
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto cols = split(line, '\t');
        if (cols.size() < 2) continue;
        addBaseForms(cols[0], cols[1]);
    }
}

bool TableLexicon::load(const std::string& lexiconPath, const std::string& baseFormsPath)
{
    std::ifstream lex(lexiconPath);
    std::ifstream bases(baseFormsPath);
    if (!lex || !bases) return false;
    readLexicon(lex);
    readBaseForms(bases);
    return true;
}

bool TableLexicon::contains(std::string_view word) const { return words_.count(std::string(word)) != 0; }

std::vector<std::string> TableLexicon::pronunciations(std::string_view word) const
{
    const auto it = words_.find(std::string(word));
    return it == words_.end() ? std::vector<std::string>{} : it->second.prons;
}

std::vector<std::string> TableLexicon::baseForms(std::string_view word) const
{
    const auto it = bases_.find(std::string(word));
    return it == bases_.end() ? std::vector<std::string>{} : it->second;
}

int TableLexicon::rank(std::string_view word) const
{
    const auto it = words_.find(std::string(word));
    return it == words_.end() ? 0 : it->second.rank;
}

}  // namespace moxlet::wordbase::affixes
