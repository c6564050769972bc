#pragma once
// The reading line of a plan's skills application (its last sentence
// line): the book for vocal reading and the pages, as
// "Book:  <title>    Page(s):  <pages>", or "Book:  <title>" without pages,
// or empty without a title.

#include <string>

namespace moxlet {

struct BookReading {
    std::string title;
    std::string pages;
};

// The line for a title and pages (both trimmed of trailing blanks first);
// empty when there is no title.
std::string composeReadingLine(const std::string& title, const std::string& pages);

// The title and pages of a stored line.  The title starts after "Book:  "
// and ends four characters before "Page(s): " (found from the fifth
// character on); the pages start after "Page(s):  ".  Trailing blanks are
// removed from both.  A line that does not start with "Book:" is taken
// whole as the title, so nothing a tutor wrote is lost.
BookReading parseReadingLine(const std::string& line);

}  // namespace moxlet
