#include "core/store/DataFileNames.h"

#include <cstdio>

namespace moxlet {

std::optional<std::string> planFileName(std::int32_t profileNo)
{
    if (profileNo < 1 || profileNo > kMaxProfileNo) return std::nullopt;
    char name[16];
    std::snprintf(name, sizeof name, "PLNS%04d.DAT", static_cast<int>(profileNo));
    return std::string(name);
}

std::optional<std::int32_t> planFileNumber(const std::string& fileName)
{
    if (fileName.size() != 12 || fileName.compare(0, 4, "PLNS") != 0 || fileName.compare(8, 4, ".DAT") != 0)
        return std::nullopt;
    std::int32_t n = 0;
    for (std::size_t i = 4; i < 8; ++i) {
        if (fileName[i] < '0' || fileName[i] > '9') return std::nullopt;
        n = n * 10 + (fileName[i] - '0');
    }
    return n;
}

bool isTutorDataFileName(const std::string& fileName)
{
    return fileName == kProfileFileName || fileName == kOptionFileName || fileName == kRecentPlansFileName ||
           planFileNumber(fileName).has_value();
}

}  // namespace moxlet
