#include "core/plans/ReadingLine.h"

namespace moxlet {

namespace {
const std::string kBook = "Book:  ";
const std::string kPages = "    Page(s):  ";
const std::string kPagesMark = "Page(s): ";

std::string trimmedRight(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}
}  // namespace

std::string composeReadingLine(const std::string& title, const std::string& pages)
{
    const std::string t = trimmedRight(title);
    if (t.empty()) return {};
    const std::string p = trimmedRight(pages);
    return trimmedRight(kBook + t + (p.empty() ? std::string() : kPages + p));
}

BookReading parseReadingLine(const std::string& line)
{
    const std::string text = trimmedRight(line);
    if (text.empty()) return {};
    if (text.compare(0, 5, "Book:") != 0) return {text, {}};
    const std::size_t titleStart = std::min(kBook.size(), text.size());
    const std::size_t mark = text.find(kPagesMark, 4);  // from the fifth character
    if (mark == std::string::npos) return {trimmedRight(text.substr(titleStart)), {}};
    // The title ends where the four blanks before "Page(s):" begin.
    const std::size_t titleEnd = mark >= 4 ? mark - 4 + 1 : 0;
    BookReading r;
    if (titleEnd > titleStart) r.title = trimmedRight(text.substr(titleStart, titleEnd - titleStart));
    const std::size_t pagesStart = mark + kPagesMark.size() + 1;
    if (pagesStart < text.size()) r.pages = trimmedRight(text.substr(pagesStart));
    return r;
}

}  // namespace moxlet
