#pragma once
// What a tutor keeps of a passage check, for the clipboard and the
// printer:
//
//   PASSAGE CHECK for Sam Sample
//   47 of 50 words decodable (94%)
//   3 words beyond Sam: thought (OUGH (aw)), because, giraffe
//
//   What Sam still needs
//   OUGH (aw): unlocks thought, bought; also needed for doughnut
//   I (ĭ): needed for chip, thin
//   Outside the syllable range: because, giraffe
//   Not in the word base: zorblat
//   Beyond the word level: anemone
//   Names: Brixa
//   Numbers: 3, 10.30
//
//   The text
//   (the text as given, line by line)
//
// Segments come in the order of segmentNeeds (the one that unlocks most
// words first); groups without words are left out.  The text is printed
// plain: marks are for the screen only.  Lines are UTF-8 with the marks
// drawn; the clipboard text ends them with carriage return and line feed.
// The printout is 12 point, the title and headings bold, long lines wrapped
// at blanks and continued on a new page when the page is full.

#include <string>
#include <string_view>
#include <vector>

#include "core/output/PrintLayer.h"
#include "core/words/PassageCheck.h"

namespace moxlet {

struct PassageReportLine {
    std::string text;  // UTF-8
    bool heading = false;
};

// firstName and lastName as stored; `text` is the checked text
// (Windows-1252).
std::vector<PassageReportLine> passageReportLines(const PassageReport& report, const std::string& firstName,
                                                  const std::string& lastName, std::string_view text);

std::string passageReportText(const std::vector<PassageReportLine>& lines);

// One copy, ended with end-of-document.  PrintFailure passes through.
void printPassageReport(PrintLayer& out, const std::vector<PassageReportLine>& lines);

}  // namespace moxlet
