// The shipped word base against the blind gold sets (tests/data/gold-sounds-blind.tsv
// and gold-affixes-blind.tsv, and the later gold-third-blind.tsv and
// gold-fourth-blind.tsv, each scored as its own table because the earlier
// sets have since been used to tune the taggers):
// hand-checked words written without looking at the taggers.  The test reads the listing the ordinary build
// writes next to WORDBASE.WDB, so it measures what actually ships, not a tagger in isolation.
//
// Per family of segments:
//   precision = judged tags carried rightly / judged tags carried
//             = (must-be-present ids carried) / (those + must-be-absent ids carried)
//   recall    = (must-be-present ids carried) / (must-be-present ids)
// A gold word missing from the word base counts its must-be-present ids as
// missed.  The targets are 98% / 95% for the sound families and 97% / 93% for
// the affix, root and rule families; where the word base is below them the
// test holds the measured level as a floor (kFloors) and prints the gap.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct GoldWord {
    std::string word;
    std::vector<int> present;
    std::vector<int> absent;
};

struct Family {
    const char* name;
    std::vector<std::pair<int, int>> ranges;  // inclusive id ranges
    bool affix;                               // affix thresholds instead of sound thresholds
    double precisionFloor;                    // measured level the word base must keep
    double recallFloor;
    int truePositives = 0;
    int falsePositives = 0;
    int falseNegatives = 0;
    std::vector<std::string> misses;

    bool contains(int id) const
    {
        return std::any_of(ranges.begin(), ranges.end(),
                           [id](const auto& r) { return id >= r.first && id <= r.second; });
    }
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
};

std::vector<int> parseIds(const std::string& text)
{
    std::vector<int> out;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, ','))
        if (!item.empty()) out.push_back(std::stoi(item));
    return out;
}

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    return fields;
}

std::vector<GoldWord> readGold(const std::string& path)
{
    std::vector<GoldWord> words;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto f = splitTabs(line);
        GoldWord w;
        w.word = f.at(0);
        if (f.size() > 1) w.present = parseIds(f[1]);
        if (f.size() > 2) w.absent = parseIds(f[2]);
        words.push_back(w);
    }
    return words;
}

// word -> segment ids, from "word<TAB>syllables<TAB>ids<TAB>flags".
std::map<std::string, std::set<int>> readListing(const std::string& path)
{
    std::map<std::string, std::set<int>> listing;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto f = splitTabs(line);
        if (f.size() < 3) continue;
        auto& set = listing[f[0]];
        for (int id : parseIds(f[2])) set.insert(id);
    }
    return listing;
}

// Floors: 1.0 means "the target"; a family below its target keeps the level
// measured when the blind sets were first scored, rounded down.  Raise them as
// the tagging improves.
std::vector<Family> families()
{
    return {
        {"consonants",
         {{10, 12},
          {17, 17},
          {36, 38},
          {42, 42},
          {48, 49},
          {51, 52},
          {55, 55},
          {79, 79},
          {81, 81},
          {84, 84},
          {86, 87},
          {93, 93},
          {103, 104},
          {110, 111},
          {115, 116}},
         false,
         1.0,
         1.0},
        {"digraphs/trigraphs",
         {{13, 16},
          {18, 18},
          {39, 41},
          {50, 50},
          {53, 54},
          {56, 57},
          {80, 80},
          {83, 83},
          {85, 85},
          {88, 92},
          {94, 98},
          {108, 109}},
         false,
         1.0,
         1.0},
        {"short vowels, schwa", {{0, 1}, {19, 20}, {43, 43}, {58, 58}, {99, 99}}, false, 1.0, 1.0},
        {"O long, O as in do", {{59, 60}}, false, 1.0, 1.0},
        {"Y vowel", {{112, 114}}, false, 1.0, 1.0},
        {"EA EAR EI EY IE", {{21, 26}, {28, 29}, {34, 35}, {44, 45}}, false, 1.0, 1.0},
        {"OO OU OUGH OW", {{64, 65}, {67, 77}}, false, 1.0, 1.0},
        {"other vowel teams",
         {{2, 2}, {6, 9}, {27, 27}, {30, 30}, {32, 33}, {46, 46}, {61, 63}, {78, 78}, {100, 101}},
         false,
         1.0,
         1.0},
        {"r-controlled, W/QU/AL",
         {{3, 5}, {31, 31}, {47, 47}, {66, 66}, {82, 82}, {102, 102}, {105, 107}},
         false,
         1.0,
         1.0},
        {"Kind Old Words", {{117, 117}}, false, 1.0, 1.0},
        {"syllable types", {{118, 123}}, false, 1.0, 1.0},
        {"blends", {{124, 158}}, false, 1.0, 1.0},
        {"Rote Words", {{331, 331}}, false, 1.0, 1.0},
        {"spelling rules", {{159, 164}}, true, 1.0, 1.0},
        {"prefixes", {{165, 206}}, true, 1.0, 1.0},
        {"chameleon prefixes", {{207, 214}}, true, 1.0, 1.0},
        {"suffixes (not -ED)", {{215, 228}, {232, 272}}, true, 1.0, 1.0},
        {"-ED", {{229, 231}}, true, 1.0, 1.0},
        {"Latin roots", {{273, 330}}, true, 1.0, 1.0},
    };
}

// Floors for the third set where a family is below its target: the measured
// level, rounded down (precision, recall).  Empty when every family meets it.
const std::map<std::string, std::pair<double, double>> kThirdSetFloors = {};

// The same for the fourth set (Kind Old Words inflections, split doubled
// letters, prefix look-alikes before an ending, unstressed -or).  The recall
// gaps are eight gold words the word base lacks (CMUdict has no scrolled,
// inking, fizzy; retell and misspell are no lexicon words); the precision gap
// is horror, whose o before rr is tagged short like the a of marry.
const std::map<std::string, std::pair<double, double>> kFourthSetFloors = {
    {"short vowels, schwa", {0.75, 1.0}},
    {"blends", {1.0, 0.87}},
    {"spelling rules", {1.0, 0.92}},
    {"prefixes", {1.0, 0.71}},
    {"-ED", {1.0, 0.85}},
};

Family* familyOf(std::vector<Family>& all, int id)
{
    for (auto& f : all)
        if (f.contains(id)) return &f;
    return nullptr;
}

void score(const GoldWord& g, const std::set<int>* tags, std::vector<Family>& all)
{
    for (int id : g.present) {
        Family* f = familyOf(all, id);
        if (!f) continue;
        if (tags && tags->count(id)) {
            ++f->truePositives;
        } else {
            ++f->falseNegatives;
            f->misses.push_back(g.word + ": missing " + std::to_string(id) +
                                (tags ? "" : " (not in the word base)"));
        }
    }
    for (int id : g.absent) {
        Family* f = familyOf(all, id);
        if (!f || !tags || !tags->count(id)) continue;
        ++f->falsePositives;
        f->misses.push_back(g.word + ": wrong " + std::to_string(id));
    }
}

class BlindGold : public ::testing::Test {
protected:
    static std::string goldPath(const char* name)
    {
        return std::string(MOXLET_SOURCE_DIR) + "/tests/data/" + name;
    }
};

TEST_F(BlindGold, GoldSetsAreWellFormed)
{
    for (const char* name : {"gold-sounds-blind.tsv", "gold-affixes-blind.tsv", "gold-third-blind.tsv",
                             "gold-fourth-blind.tsv"}) {
        const auto gold = readGold(goldPath(name));
        EXPECT_GE(gold.size(), 150u) << name;
        std::set<std::string> seen;
        for (const auto& g : gold) {
            EXPECT_TRUE(seen.insert(g.word).second) << name << ": " << g.word << " twice";
            for (int id : g.present) {
                EXPECT_TRUE(id >= 0 && id <= 331) << g.word << " " << id;
                EXPECT_EQ(std::count(g.absent.begin(), g.absent.end(), id), 0)
                    << g.word << ": " << id << " both present and absent";
            }
            EXPECT_FALSE(g.present.empty() && g.absent.empty()) << g.word << " judges nothing";
        }
    }
}

// Scores the named gold files together against the shipped listing, prints the
// per-family table and checks each family against its target or floor.
void measure(const std::vector<std::string>& paths, std::vector<Family> all, const char* title)
{
    const auto listing = readListing(MOXLET_WORDBASE_LISTING);
    ASSERT_GT(listing.size(), 10000u) << "no word base listing at " << MOXLET_WORDBASE_LISTING;

    int notInBase = 0;
    std::string notInBaseWords;
    for (const auto& path : paths) {
        for (const auto& g : readGold(path)) {
            const auto it = listing.find(g.word);
            if (it == listing.end()) {
                ++notInBase;
                notInBaseWords += " " + g.word;
            }
            score(g, it == listing.end() ? nullptr : &it->second, all);
        }
    }

    std::printf("\n%s against %s\n", title, MOXLET_WORDBASE_LISTING);
    std::printf("%-24s %6s %6s %5s %5s %5s  %s\n", "family", "prec%", "recall", "TP", "FP", "FN", "target");
    for (const auto& f : all) {
        if (f.truePositives + f.falsePositives + f.falseNegatives == 0) continue;
        const double pt = f.affix ? 0.97 : 0.98;
        const double rt = f.affix ? 0.93 : 0.95;
        const bool met = f.precision() >= pt && f.recall() >= rt;
        std::printf("%-24s %6.1f %6.1f %5d %5d %5d  %s\n", f.name, 100 * f.precision(), 100 * f.recall(),
                    f.truePositives, f.falsePositives, f.falseNegatives, met ? "met" : "BELOW");
    }
    if (notInBase > 0)
        std::printf("gold words not in the word base (%d):%s\n", notInBase, notInBaseWords.c_str());
    for (const auto& f : all) {
        if (f.misses.empty()) continue;
        std::printf("-- %s:", f.name);
        for (const auto& m : f.misses) std::printf(" [%s]", m.c_str());
        std::printf("\n");
    }
    std::fflush(stdout);

    for (const auto& f : all) {
        const double pt = f.affix ? 0.97 : 0.98;
        const double rt = f.affix ? 0.93 : 0.95;
        // Below the target the word base must at least keep its measured level.
        EXPECT_GE(f.precision(), std::min(pt, f.precisionFloor)) << title << ": " << f.name << " precision";
        EXPECT_GE(f.recall(), std::min(rt, f.recallFloor)) << title << ": " << f.name << " recall";
    }
}

TEST_F(BlindGold, ShippedWordBaseMeetsTheTargetsOrItsFloor)
{
    measure({goldPath("gold-sounds-blind.tsv"), goldPath("gold-affixes-blind.tsv")}, families(),
            "Blind gold sets");
}

// The third set measures the taggers as they are now, untouched by tuning.
TEST_F(BlindGold, ThirdBlindSetMeetsTheTargetsOrItsFloor)
{
    auto all = families();
    for (auto& f : all) {
        const auto floor = kThirdSetFloors.find(f.name);
        if (floor == kThirdSetFloors.end()) continue;
        f.precisionFloor = floor->second.first;
        f.recallFloor = floor->second.second;
    }
    measure({goldPath("gold-third-blind.tsv")}, all, "Third blind gold set");
}

TEST_F(BlindGold, FourthBlindSetMeetsTheTargetsOrItsFloor)
{
    auto all = families();
    for (auto& f : all) {
        const auto floor = kFourthSetFloors.find(f.name);
        if (floor == kFourthSetFloors.end()) continue;
        f.precisionFloor = floor->second.first;
        f.recallFloor = floor->second.second;
    }
    measure({goldPath("gold-fourth-blind.tsv")}, all, "Fourth blind gold set");
}

}  // namespace
