#pragma once
// The lesson date box: month, day and year as "mm-dd-yy".  The box shows an
// unfilled digit as "_"; the plan stores it as a blank, so a new plan's
// "  -  -  " and an untouched box are the same value.
//
// A date is complete when all six digit positions hold digits: only then
// is Save enabled, and only a complete date is saved when the window is
// closed.  (A blank counts as unfilled just like "_", so a date of blanks is
// never saved.)

#include <string>
#include <string_view>

namespace moxlet {

// The box's text as the plan stores it: "_" becomes a blank, eight
// characters, "  -  -  " for an empty box.
std::string storedLessonDate(std::string_view shown);

// Every digit position (1, 2, 4, 5, 7, 8 counting from 1) holds a digit.
bool lessonDateComplete(std::string_view date);

// Nothing entered at all.
bool lessonDateEmpty(std::string_view date);

}  // namespace moxlet
