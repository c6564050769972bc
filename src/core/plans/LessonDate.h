#pragma once
// The lesson date box: month, day and year as "mm-dd-yy".  The box shows an
// unfilled digit as "_"; the plan stores it as a blank, so a new plan's
// "  -  -  " and an untouched box are the same value.
//
// A date is complete when all six digit positions hold digits: only then
// is Save enabled, and only a complete date is saved when the window is
// closed.  (A blank counts as unfilled just like "_", so a date of blanks is
// never saved.)
//
// A complete date must also be a date of the calendar: month 01 to 12 and a
// day that month has.  The box's mask only asks for digits, so "02-31-24"
// or "13-05-24" could be typed; such a date is never saved (the window says
// why).  The two-digit year is read as 20yy, so "00" and every year
// divisible by four are leap years.

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

// Why a complete date is no date, in one sentence for the tutor ("02-30-24
// is not a date: the day must be 01 to 29 in February 2024."); empty for a
// date of the calendar and for a date not yet complete.
std::string lessonDateProblem(std::string_view date);

}  // namespace moxlet
