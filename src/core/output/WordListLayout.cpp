#include "core/output/WordListLayout.h"

namespace moxlet {

WordListLayout wordListLayout(int fontSize)
{
    switch (fontSize) {
    case 0: return {ListFont::Small, 14, 4, 22};
    case 1: return {ListFont::Medium, 18, 3, 23};
    default: return {ListFont::Large, 24, 3, 18};
    }
}

std::string studentNames(const std::string& firstName, const std::string& lastName)
{
    auto trimmed = [](std::string s) {
        s.erase(s.find_last_not_of(' ') + 1);
        return s;
    };
    const std::string first = trimmed(firstName);
    return first.empty() ? trimmed(lastName) : first + " " + trimmed(lastName);
}

void printTitleLine(PrintLayer& out, const std::string& lead, const std::string& names,
                    const std::string* date)
{
    if (date) {
        out.printFitted(lead + names, roomBefore(out, kDateColumn) - out.currentX(), LineEnd::Stay);
        out.toColumn(kDateColumn);
        out.print(*date, LineEnd::End);
    } else {
        out.printStaying(lead + names);
        out.endLine();
    }
}

double roomBefore(const PrintLayer& out, int next) { return out.columnX(next) - out.textWidth(" "); }

void printInCell(PrintLayer& out, const std::string& text, int column, int next, bool bold)
{
    out.toColumn(column);
    if (text.empty()) return;
    const double end = next > 0 ? roomBefore(out, next) : out.pageWidth();
    const double room = end - out.currentX();
    if (bold) out.setBold(true);
    out.printFitted(text, room, LineEnd::Stay);
    if (bold) out.setBold(false);
}

void printListWord(PrintLayer& out, const WordListLayout& layout, int k, const std::string& word, bool bold)
{
    // Column 0 of the step table is the start of the line, which is column 1.
    const int column = layout.step * (k % layout.columns);
    const bool last = (k + 1) % layout.columns == 0;
    printInCell(out, word, column, last ? 0 : column + layout.step, bold);
}

bool hasHomophoneMark(const std::string& word) { return word.size() >= 2 && word.ends_with(" *"); }

}  // namespace moxlet
