#pragma once
// What a reader skipped or repaired.  Readers never stop at bad data: they take
// what can be used, note what they left out or corrected here, and callers
// show the list (moxlet-cli check prints it line by line).

#include <cstdint>
#include <string>
#include <vector>

namespace moxlet {

struct Problem {
    std::string file;         // bare file name, e.g. "PROFILES.DAT"
    std::int32_t record = 0;  // 1-based record number, 0 when the file as a whole is meant
    std::string text;

    // "PROFILES.DAT record 3: InUse is 7, record skipped" or "OPTION.PRM: ...".
    std::string describe() const
    {
        std::string s = file;
        if (record > 0) s += " record " + std::to_string(record);
        return s + ": " + text;
    }
    friend bool operator==(const Problem&, const Problem&) = default;
};

using Problems = std::vector<Problem>;

// Adds a problem when a list is being kept (callers may pass nullptr).
inline void note(Problems* problems, std::string file, std::int32_t record, std::string text)
{
    if (problems) problems->push_back({std::move(file), record, std::move(text)});
}

// The message that tells a tutor what could not be read: at most `limit`
// problems one per line, then how many more there are.
std::string dataProblemsMessage(const Problems& problems, std::size_t limit = 10);

}  // namespace moxlet
