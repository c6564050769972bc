#include "core/plans/LessonDate.h"

#include <array>

namespace moxlet {

namespace {
int twoDigits(std::string_view date, std::size_t at) { return (date[at] - '0') * 10 + (date[at + 1] - '0'); }
}  // namespace

std::string storedLessonDate(std::string_view shown)
{
    std::string date = "  -  -  ";
    for (std::size_t i = 0; i < date.size() && i < shown.size(); ++i) {
        if (i == 2 || i == 5) continue;
        const char c = shown[i];
        date[i] = (c >= '0' && c <= '9') ? c : ' ';
    }
    return date;
}

bool lessonDateComplete(std::string_view date)
{
    if (date.size() < 8) return false;
    for (std::size_t i : {0, 1, 3, 4, 6, 7})
        if (date[i] < '0' || date[i] > '9') return false;
    return true;
}

bool lessonDateEmpty(std::string_view date)
{
    for (std::size_t i : {0, 1, 3, 4, 6, 7})
        if (i < date.size() && date[i] >= '0' && date[i] <= '9') return false;
    return true;
}

std::string lessonDateProblem(std::string_view date)
{
    if (!lessonDateComplete(date)) return {};
    const int month = twoDigits(date, 0), day = twoDigits(date, 3), year = 2000 + twoDigits(date, 6);
    const std::string shown(date.substr(0, 8));
    if (month < 1 || month > 12) return shown + " is not a date: the month comes first and must be 01 to 12.";
    static constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                            "May",       "June",     "July",     "August",
                                                            "September", "October",  "November", "December"};
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0;  // 2000 to 2099
    const int days = kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
    if (day >= 1 && day <= days) return {};
    std::string in = kMonths[static_cast<std::size_t>(month - 1)];
    if (month == 2) in += " " + std::to_string(year);
    return shown + " is not a date: the day must be 01 to " + std::to_string(days) + " in " + in + ".";
}

}  // namespace moxlet
