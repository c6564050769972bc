#include "core/store/Problems.h"

namespace moxlet {

std::string dataProblemsMessage(const Problems& problems, std::size_t limit)
{
    std::string text = "Some records in this folder's data files are damaged. Moxlet read "
                       "everything it could and left out or corrected the rest:\n";
    for (std::size_t i = 0; i < problems.size() && i < limit; ++i) text += "\n" + problems[i].describe();
    if (problems.size() > limit) text += "\n... and " + std::to_string(problems.size() - limit) + " more.";
    text += "\n\nRun \"moxlet-cli check\" in this folder for the full list.";
    return text;
}

}  // namespace moxlet
