// The word list printout and its clipboard text against the expected files
// in tests/data/wordlist-output/<case>/ (print.txt: the print layer's
// operations; copy.txt: the clipboard text byte for byte).
// MOXLET_REGENERATE_GOLDEN=1 rewrites them after a deliberate change of the
// layout (support/GoldenFiles.h).

#include <gtest/gtest.h>

#include "core/wordlist/WordListPrintout.h"
#include "core/wordlist/WordListText.h"
#include "support/GoldenFiles.h"
#include "support/RecordingPrintLayer.h"

namespace moxlet {
namespace {

const test::GoldenFiles kGolden(MOXLET_TEST_DATA_DIR "/wordlist-output");

// A full grid: "word01" .. "word40", with homophones at cells 1 and 38
// (listed with " *" under options 1 and 2).
std::vector<GridWord> fullGrid(int homophoneMode)
{
    std::vector<GridWord> cells;
    for (int k = 1; k <= 40; ++k) {
        const bool homophone = k == 2 || k == 39;
        std::string text = (k < 10 ? "word0" : "word") + std::to_string(k);
        if (homophone && homophoneMode != 0) text += " *";
        cells.push_back({text, homophone});
    }
    return cells;
}

struct Case {
    std::string name;
    std::string why;
    WordListSheet sheet;
};

std::vector<Case> cases()
{
    std::vector<Case> all;
    const std::vector<SegmentId> two = {124, 125};     // consonant blends
    const std::vector<SegmentId> three = {0, 19, 43};  // short a, e, i: names with marks
    for (int font : {0, 1, 2}) {
        const char* names[] = {"small", "medium", "large"};
        all.push_back({std::string(names[font]) + "-full",
                       "a full grid in each size; Large leaves cell 40 out",
                       {"Ann", "Lee", false, two, fullGrid(0), font, 0}});
    }
    all.push_back({"new-three-segments",
                   "New heading, three names joined with commas and \"or\"",
                   {"Ann", "Lee", true, three, fullGrid(0), 0, 0}});
    all.push_back({"empty",
                   "an empty grid: title, heading and empty rows; no first name",
                   {"", "Reading Group", false, {93}, {}, 0, 0}});
    for (int mode : {1, 2}) {
        std::vector<GridWord> cells = fullGrid(mode);
        cells.resize(10);
        cells[6] = {};
        cells[8] = {"typed", false};  // a typed word is never bold
        all.push_back({"homophones-" + std::to_string(mode),
                       "homophones marked, and bold under option 2; gaps",
                       {"Ann", "Lee", false, {93}, cells, 1, mode}});
    }
    return all;
}

std::vector<WordCell> copyCells(const std::vector<GridWord>& grid)
{
    std::vector<WordCell> cells;
    for (const GridWord& g : grid)
        cells.push_back({g.text, static_cast<std::int16_t>(g.text.empty() ? -1 : 0)});
    return cells;
}

class WordListOutputGolden : public ::testing::TestWithParam<Case> {};

TEST_P(WordListOutputGolden, PrintoutAndClipboardTextMatchTheExpectedFiles)
{
    const Case& c = GetParam();
    SCOPED_TRACE(c.why);
    test::RecordingPrintLayer layer;
    printWordList(layer, c.sheet);
    kGolden.expect(c.name, "print.txt", layer.log());
    kGolden.expect(c.name, "copy.txt", wordListText(copyCells(c.sheet.cells)));
}

INSTANTIATE_TEST_SUITE_P(Cases, WordListOutputGolden, ::testing::ValuesIn(cases()),
                         [](const auto& param) { return test::GoldenFiles::testName(param.param.name); });

TEST(WordListOutputGoldenFiles, MatchTheCaseTable)
{
    std::vector<std::string> names;
    for (const Case& c : cases()) names.push_back(c.name);
    kGolden.expectCases(names);
}

}  // namespace
}  // namespace moxlet
