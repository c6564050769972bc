#pragma once
// The hand-checked tables the tagging is measured on (read as
// ShippedListing.h reads data files): lists of segment ids, gold words, and
// the precision and recall of a family of segments.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/ShippedListing.h"

namespace moxlet::test {

// "3,17" or "3 17".
inline std::vector<int> idList(std::string text)
{
    std::replace(text.begin(), text.end(), ',', ' ');
    std::vector<int> ids;
    std::istringstream in(text);
    for (int id = 0; in >> id;) ids.push_back(id);
    return ids;
}

// Membership of "10-12 17": 10, 11, 12 and 17.
inline std::function<bool(int)> idRanges(const std::string& ranges)
{
    std::vector<std::pair<int, int>> all;
    for (const std::string& r : tabFields(ranges, ' ')) {
        const auto dash = r.find('-');
        all.emplace_back(std::stoi(r),
                         dash == std::string::npos ? std::stoi(r) : std::stoi(r.substr(dash + 1)));
    }
    return [all](int id) {
        return std::any_of(all.begin(), all.end(), [id](auto r) { return id >= r.first && id <= r.second; });
    };
}

// A gold word: the ids it must carry and the ids it must not.
struct GoldWord {
    std::string word;
    std::vector<int> present, absent;
};

inline std::vector<GoldWord> readGold(const std::string& path)
{
    std::vector<GoldWord> words;
    for (auto f : dataRows(path)) {
        f.resize(3);
        words.push_back({f[0], idList(f[1]), idList(f[2])});
    }
    return words;
}

// Precision and recall over a family of segments.
struct FamilyScore {
    std::string name;
    std::function<bool(int)> member;
    int truePositives = 0, falsePositives = 0, falseNegatives = 0;
    std::vector<std::string> misses;

    double precision() const
    {
        const int carried = truePositives + falsePositives;
        return carried == 0 ? 1.0 : double(truePositives) / carried;
    }
    double recall() const
    {
        const int expected = truePositives + falseNegatives;
        return expected == 0 ? 1.0 : double(truePositives) / expected;
    }
    // Scores a gold word against the tags it got (nullptr: the word is missing).
    void score(const GoldWord& g, const std::set<int>* tags)
    {
        for (int id : g.present) {
            if (!member(id)) continue;
            if (tags && tags->count(id)) {
                ++truePositives;
            } else {
                ++falseNegatives;
                misses.push_back(g.word + ": missing " + std::to_string(id) +
                                 (tags ? "" : " (no such word)"));
            }
        }
        for (int id : g.absent) {
            if (!member(id) || !tags || !tags->count(id)) continue;
            ++falsePositives;
            misses.push_back(g.word + ": wrong " + std::to_string(id));
        }
    }
    void print() const
    {
        std::printf("%-24s %6.1f %6.1f %5d %5d %5d\n", name.c_str(), 100 * precision(), 100 * recall(),
                    truePositives, falsePositives, falseNegatives);
        for (const auto& m : misses) std::printf("    %s\n", m.c_str());
    }
};

inline void printHeading(const std::string& title)
{
    std::printf("\n%s\n%-24s %6s %6s %5s %5s %5s\n", title.c_str(), "family", "prec%", "recall", "TP", "FP",
                "FN");
}

}  // namespace moxlet::test
