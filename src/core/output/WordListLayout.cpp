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
    out.printStaying(lead + names);
    if (date) {
        out.toColumn(kDateColumn);
        out.print(*date, LineEnd::End);
    } else {
        out.endLine();
    }
}

void printListWord(PrintLayer& out, const WordListLayout& layout, int k, const std::string& word, bool bold)
{
    // Column 0 of the step table is the start of the line, which is column 1.
    out.toColumn(layout.step * (k % layout.columns));
    if (bold) out.setBold(true);
    out.printStaying(word);
    if (bold) out.setBold(false);
}

bool hasHomophoneMark(const std::string& word) { return word.size() >= 2 && word.ends_with(" *"); }

}  // namespace moxlet
