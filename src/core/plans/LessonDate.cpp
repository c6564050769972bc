#include "core/plans/LessonDate.h"

namespace moxlet {

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

}  // namespace moxlet
