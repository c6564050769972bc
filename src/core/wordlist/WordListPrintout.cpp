#include "core/wordlist/WordListPrintout.h"

#include "core/catalogue/Marks.h"
#include "core/output/WordListLayout.h"
#include "core/wordlist/WordListText.h"
#include "core/wordlist/WordListTool.h"

namespace moxlet {

WordListSheet wordListSheet(const WordListTool& tool, int fontSize, int homophoneMode)
{
    WordListSheet sheet;
    if (tool.hasStudent()) {
        sheet.firstName = tool.student().FirstName.trimmed();
        sheet.lastName = tool.student().LastName.trimmed();
    }
    sheet.newList = tool.generatedType() == PlanSection::New;
    // The heading names what the words were drawn from; before the first
    // generation, what is chosen.
    sheet.segments = tool.generatedSegments().empty() ? tool.chosenSegments() : tool.generatedSegments();
    const auto& cells = tool.grid().cells();
    for (int k = 0; k < static_cast<int>(cells.size()); ++k)
        sheet.cells.push_back({cells[static_cast<std::size_t>(k)].text, tool.cellIsHomophone(k)});
    sheet.fontSize = fontSize;
    sheet.homophoneMode = homophoneMode;
    return sheet;
}

int printedCells(int fontSize) { return wordListLayout(fontSize).font == ListFont::Large ? 39 : 40; }

void printWordList(PrintLayer& out, const WordListSheet& sheet)
{
    const WordListLayout layout = wordListLayout(sheet.fontSize);
    const bool roomy = layout.font != ListFont::Large;  // Small and Medium leave more room above

    out.setFontName(kPrintFontName);
    out.setFontSize(kTitlePoints);
    out.setBold(true);
    out.endLine();
    if (roomy) {
        out.endLine();
        out.endLine();
    }
    printTitleLine(out, "WORD LIST for ", cp1252ToUtf8(studentNames(sheet.firstName, sheet.lastName)),
                   nullptr);

    out.setBold(false);
    out.endLine();
    out.setFontSize(14);
    out.setUnderline(true);
    out.printStaying(sheet.newList ? "New Words Contain " : "Review Words Contain ");
    out.setBold(true);
    out.printStaying(joinedSegmentNames(sheet.segments));
    out.setBold(false);
    out.endLine();
    out.setUnderline(false);
    if (roomy) out.endLine();

    out.setFontSize(layout.points);
    const int cells = printedCells(sheet.fontSize);
    for (int k = 0; k < cells; ++k) {
        const GridWord* cell = static_cast<std::size_t>(k) < sheet.cells.size()
                                   ? &sheet.cells[static_cast<std::size_t>(k)]
                                   : nullptr;
        std::string text = cell ? cell->text : std::string();
        text.erase(text.find_last_not_of(' ') + 1);
        const bool bold = cell && cell->homophone && sheet.homophoneMode == 2 && !text.empty();
        printListWord(out, layout, k, cp1252ToUtf8(text), bold);
        if ((k + 1) % layout.columns != 0) continue;
        if (layout.font == ListFont::Large && k >= 38) continue;  // the last row needs no room after it
        out.endLine();
        out.endLine();
    }
    out.setBold(false);
    out.endDocument();
}

}  // namespace moxlet
