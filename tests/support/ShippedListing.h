#pragma once
// The review listing the ordinary build writes next to WORDBASE.WDB
// (wordbase-listing.tsv: word, syllables, segment ids, flags, level), read
// once per test program, and the other tab-separated data files tests read.

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace moxlet::test {

struct ListedWord {
    int syllables = 0;
    std::set<int> segments;
    std::string flags;
    std::string level;
};

// The fields of one line split at tabs (or another separator).
inline std::vector<std::string> tabFields(const std::string& line, char separator = '\t')
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator)) fields.push_back(field);
    return fields;
}

// The lines of a data file that are neither empty nor '#' comments, split
// at tabs.
inline std::vector<std::vector<std::string>> dataRows(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] != '#') rows.push_back(tabFields(line));
    return rows;
}

inline std::map<std::string, ListedWord> readListing(const std::string& path)
{
    std::map<std::string, ListedWord> listing;
    for (const auto& f : dataRows(path)) {
        if (f.size() < 5) continue;
        ListedWord& w = listing[f[0]];
        w.syllables = std::stoi(f[1]);
        std::istringstream ids(f[2]);
        for (std::string id; std::getline(ids, id, ',');) w.segments.insert(std::stoi(id));
        w.flags = f[3];
        w.level = f[4];
    }
    return listing;
}

#ifdef MOXLET_WORDBASE_LISTING
inline const std::map<std::string, ListedWord>& shippedListing()
{
    static const auto listing = readListing(MOXLET_WORDBASE_LISTING);
    return listing;
}
#endif

}  // namespace moxlet::test
