// The passage window's report: its lines for the clipboard, and on paper
// long lines wrapped at blanks and a full page continued on the next.

#include "core/output/PassagePrintout.h"

#include <gtest/gtest.h>
#include <regex>

#include "support/RecordingPrintLayer.h"

namespace moxlet {
namespace {

TEST(PassagePrintout, TheReportAsText)
{
    PassageReport r;
    r.words = {{"thought", PassageVerdict::NeedsUnstudied, {seg::OUGH_Aw}},
               {"ought", PassageVerdict::NeedsUnstudied, {seg::OUGH_Aw}},
               {"doughnut", PassageVerdict::NeedsUnstudied, {seg::D, seg::OUGH_LongO}},
               {"because", PassageVerdict::OutsideSyllableRange, {seg::AU}},
               {"Brixa", PassageVerdict::Name},
               {"3", PassageVerdict::Number},
               {"it", PassageVerdict::Decodable}};
    r.runningWords = 5;
    r.decodableWords = 1;
    EXPECT_EQ(
        passageReportText(passageReportLines(r, "Sam", "Sample", "It thought\r\n\r\nBrixa\xB4s 3.\n\n")),
        "PASSAGE CHECK for Sam Sample\r\n"
        "1 of 5 words decodable (20%)\r\n"
        "4 words beyond Sam: thought (OUGH (aw)), ought (OUGH (aw)), doughnut (D, OUGH (\xC5\x8D)), "
        "because\r\n"
        "\r\n"
        "What Sam still needs\r\n"
        "OUGH (aw): unlocks thought, ought\r\n"
        "D: needed for doughnut\r\n"
        "OUGH (\xC5\x8D): needed for doughnut\r\n"
        "Outside the syllable range: because\r\n"
        "Names: Brixa\r\n"
        "Numbers: 3\r\n"
        "\r\n"
        "The text\r\n"
        "It thought\r\n"
        "\r\n"
        "Brixa\xC2\xB4s 3.\r\n");

    PassageReport clean;
    EXPECT_EQ(passageReportText(passageReportLines(clean, "", "Sample", "")),
              "PASSAGE CHECK for Sample\r\nNo words to check\r\n");
}

TEST(PassagePrintout, LongLinesWrapAndAFullPageGoesOn)
{
    std::string text;
    for (int k = 0; k < 700; ++k) text += "word" + std::to_string(k) + (k % 100 == 99 ? "\n" : " ");
    test::RecordingPrintLayer out;
    printPassageReport(out, passageReportLines(PassageReport{}, "Sam", "Sample", text));
    const std::string log = out.log();
    const std::regex printed("print \"([^\"]*)\"");
    int lines = 0;
    for (auto it = std::sregex_iterator(log.begin(), log.end(), printed); it != std::sregex_iterator();
         ++it) {
        ++lines;
        EXPECT_LE((*it)[1].length(), 96) << (*it)[1];  // 8 inches of 12-point characters
    }
    EXPECT_GT(lines, 54);  // more than one page holds
    EXPECT_NE(log.find("new page"), std::string::npos);
    EXPECT_TRUE(log.ends_with("end document\n"));
}

}  // namespace
}  // namespace moxlet
