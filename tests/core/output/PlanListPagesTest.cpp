// The word list pages' rules that the expected files show only in passing,
// against values worked out by hand from the rules: the room a short list
// keeps, where the form feed option starts a page when a pass's first slot
// is skipped, and the line end that keeps a copied heading off a short
// list's open row.

#include <gtest/gtest.h>
#include <sstream>

#include "core/output/PlanPrintout.h"
#include "core/output/PlanText.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"

using namespace moxlet;
using moxlet::test::ReferencePlan;

namespace {

// The full reference plan with Review slot 0 stopping at position `stop`,
// its last word "lastword".
ReferencePlan shortFirstList(int font, std::int16_t sizeOption, int stop)
{
    ReferencePlan r = test::fullReferencePlan();
    r.fontSize = font;
    r.options.ReviewListSize = r.options.NewListSize = sizeOption;
    if (stop < 40) r.plan.ListWordPos[0][0][static_cast<std::size_t>(stop)] = -1;
    r.plan.ListWord[0][0][static_cast<std::size_t>(stop - 1)].assign("lastword");
    return r;
}

std::string printed(ReferencePlan r)
{
    test::RecordingPrintLayer layer;
    PlanPrintout(layer, r.output()).printCopy();
    return layer.log();
}

}  // namespace

// A list that stops at position k is followed by (N - (k + 1) - 1) / columns
// pairs of line ends, after the row ends of the words it has.
TEST(PlanListPages, AShortListKeepsTheRoomOfItsMissingRowsLessOne)
{
    struct Case {
        int font;
        std::int16_t sizeOption;
        int stop;
        int lineEnds;  // after the last word, up to the next list or page
    } cases[] = {
        {0, 2, 10, 6},   // 4 columns, 24 words: words 8, 9 leave the row open; (24-11-1)/4 = 3 pairs
        {0, 2, 11, 4},   // (24-12-1)/4 = 2: one pair less than the three rows missing
        {0, 1, 10, 14},  // 4 columns, 40 words: (40-11-1)/4 = 7 pairs
        {1, 2, 8, 8},    // 3 columns, 24 words: words 6, 7 leave the row open; (24-9-1)/3 = 4 pairs
        {2, 1, 12, 18},  // 3 columns, 39 words: word 11 ends a row (2), then (39-13-1)/3 = 8 pairs
        {0, 2, 4, 10},   // word 3 ends a row (2), then (24-5-1)/4 = 4 pairs
        {0, 2, 22, 0},   // (24-23-1)/4 = 0: words 20, 21 leave the row open
        {0, 2, 23, 0},   // position 23 is the last: m = N leaves no room
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("font " + std::to_string(c.font) + ", size option " + std::to_string(c.sizeOption) +
                     ", stop at " + std::to_string(c.stop));
        std::istringstream log(printed(shortFirstList(c.font, c.sizeOption, c.stop)));
        std::string line;
        while (std::getline(log, line) && line.rfind("print \"lastword\"", 0) != 0) {
        }
        int ends = 0;
        while (std::getline(log, line) && line == "end line") ++ends;
        EXPECT_TRUE(line == "bold off" || line == "new page") << line;
        EXPECT_EQ(ends, c.lineEnds);
    }
}

// Copied, the room is counted in rows of 4 whatever the font; a heading
// that would follow a short list's open row starts a line of its own.
TEST(PlanListPages, ACopiedHeadingStartsALineAfterAShortList)
{
    const struct {
        int stop;
        std::string after;  // what follows the list's last word
    } cases[] = {
        {10, "\r\n\r\n\r\n\r\n\r\n\r\nReview "},  // (24-11-1)/4 = 3 pairs
        {11, "\r\n\r\n\r\n\r\nReview "},          // (24-12-1)/4 = 2 pairs
        {22, "\r\nReview "},                      // no pairs, the open row ended for the heading
        {24, "\r\n\r\nReview "},                  // a full list: its last row's line ends
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("stop at " + std::to_string(c.stop));
        ReferencePlan r = shortFirstList(0, 2, c.stop);
        const std::string text = planText(r.output());
        const std::size_t at = text.find("lastword");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(text.substr(at + 8, c.after.size()), c.after);
    }
}

// Two lists to a page (40 words, small font), Review slot 0 skipped.  With
// the form feed option each pass starts a page of its own, so its first
// list never runs on after the plan page or the other pass, and then a page
// starts at every even slot; without it, at every second list printed.
TEST(PlanListPages, TheFormFeedStartsEachPassOnAPageEvenWithoutItsFirstSlot)
{
    for (std::int16_t formFeed : {1, 0}) {
        ReferencePlan r = test::fullReferencePlan();
        r.options.PageBreak = formFeed;
        r.plan.ReviewSegments[0] = -1;
        std::istringstream log(printed(r));
        std::string pages;  // per list: 'p' when it starts a page, '-' when not
        bool newPage = false;
        for (std::string line; std::getline(log, line);) {
            if (line == "new page") newPage = true;
            if (line == "print \"Review \"" || line == "print \"New \"") {
                pages += newPage ? 'p' : '-';
                newPage = false;
            }
        }
        // Review slots 1, 2, 3, then New slots 0..3.
        EXPECT_EQ(pages, formFeed ? "pp-p-p-" : "p-p-p-p") << "form feed " << formFeed;
    }
}
