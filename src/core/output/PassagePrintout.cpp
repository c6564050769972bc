#include "core/output/PassagePrintout.h"

#include <sstream>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/output/WordListLayout.h"
#include "core/words/PassageSummary.h"

namespace moxlet {

namespace {

std::string wordList(const PassageReport& report, const std::vector<std::size_t>& words)
{
    std::string out;
    for (std::size_t w : words) out += (out.empty() ? "" : ", ") + cp1252ToUtf8(report.words[w].text);
    return out;
}

// "Outside the syllable range: because, giraffe", when some word has the verdict.
void addGroup(std::vector<PassageReportLine>& lines, const PassageReport& report, PassageVerdict verdict,
              const char* label)
{
    std::vector<std::size_t> words;
    for (std::size_t k = 0; k < report.words.size(); ++k)
        if (report.words[k].verdict == verdict) words.push_back(k);
    if (!words.empty()) lines.push_back({std::string(label) + ": " + wordList(report, words)});
}

// The lines of `text` that fit `width` in the current font, broken at
// blanks; a word wider than a line stands alone.
std::vector<std::string> wrapped(const PrintLayer& out, const std::string& text, double width)
{
    std::vector<std::string> lines(1);
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        std::string& line = lines.back();
        if (!line.empty() && out.textWidth(line + " " + word) > width)
            lines.push_back(word);
        else
            line += (line.empty() ? "" : " ") + word;
    }
    return lines;
}

}  // namespace

std::vector<PassageReportLine> passageReportLines(const PassageReport& report, const std::string& firstName,
                                                  const std::string& lastName, std::string_view text)
{
    std::vector<PassageReportLine> lines;
    lines.push_back({"PASSAGE CHECK for " + cp1252ToUtf8(studentNames(firstName, lastName)), true});
    lines.push_back({passageShare(report)});
    const std::string summary = passageSummary(report, firstName);
    if (!summary.empty()) lines.push_back({displayText(summary)});

    const std::size_t before = lines.size();
    lines.push_back({});
    lines.push_back(
        {"What " + cp1252ToUtf8(firstName.empty() ? std::string("this student") : firstName) + " still needs",
         true});
    const std::size_t heading = lines.size();
    for (const SegmentNeed& need : segmentNeeds(report)) {
        std::string line = displayText(segmentName(need.segment)) + ": ";
        if (!need.unlocks.empty()) line += "unlocks " + wordList(report, need.unlocks);
        if (!need.unlocks.empty() && !need.alsoNeeds.empty()) line += "; also needed for ";
        if (need.unlocks.empty()) line += "needed for ";
        line += wordList(report, need.alsoNeeds);
        lines.push_back({line});
    }
    addGroup(lines, report, PassageVerdict::OutsideSyllableRange, "Outside the syllable range");
    addGroup(lines, report, PassageVerdict::NotInWordBase, "Not in the word base");
    addGroup(lines, report, PassageVerdict::BeyondLevel, "Beyond the word level");
    addGroup(lines, report, PassageVerdict::Unreadable, "Not read (the word base could not be read)");
    addGroup(lines, report, PassageVerdict::Name, "Names");
    addGroup(lines, report, PassageVerdict::Number, "Numbers");
    if (lines.size() == heading) lines.resize(before);

    if (text.find_first_not_of(" \t\r\n") != std::string_view::npos) {
        lines.push_back({});
        lines.push_back({"The text", true});
        std::string all = cp1252ToUtf8(text);
        std::erase(all, '\r');
        for (std::size_t at = 0; at <= all.size();) {
            const std::size_t end = std::min(all.find('\n', at), all.size());
            lines.push_back({all.substr(at, end - at)});
            at = end + 1;
        }
        while (lines.back().text.empty()) lines.pop_back();
    }
    return lines;
}

std::string passageReportText(const std::vector<PassageReportLine>& lines)
{
    std::string out;
    for (const auto& line : lines) out += line.text + "\r\n";
    return out;
}

void printPassageReport(PrintLayer& out, const std::vector<PassageReportLine>& lines)
{
    out.setFontName(kPrintFontName);
    out.setFontSize(kTitlePoints);
    out.beginMeasuring();
    out.endLine();
    const double lineHeight = out.endMeasuring();
    double y = 0;
    for (const auto& line : lines) {
        out.setBold(line.heading);
        for (const std::string& piece : wrapped(out, line.text, out.pageWidth())) {
            if (y + lineHeight > out.pageHeight()) {
                out.newPage();
                y = 0;
            }
            if (out.textWidth(piece) > out.pageWidth())
                out.printFitted(piece, out.pageWidth(), LineEnd::End);
            else
                out.print(piece, LineEnd::End);
            y += lineHeight;
        }
    }
    out.setBold(false);
    out.endDocument();
}

}  // namespace moxlet
