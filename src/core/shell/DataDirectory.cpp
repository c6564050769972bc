#include "core/shell/DataDirectory.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "core/store/DataFileNames.h"

namespace moxlet {

namespace fs = std::filesystem;

namespace {

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool sameDirectory(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    bool same = fs::equivalent(a, b, ec);
    return !ec && same;
}

}  // namespace

bool isFirstStart(const fs::path& dataDir)
{
    std::error_code ec;
    for (fs::directory_iterator it(dataDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = upper(it->path().filename().string());
        if (isTutorDataFileName(name) || name == kDataDirMarker) return false;
    }
    return true;
}

std::vector<std::string> prepareDataDirectory(const fs::path& dataDir, const fs::path& installDir)
{
    std::vector<std::string> copied;
    if (sameDirectory(dataDir, installDir) || !isFirstStart(dataDir)) return copied;

    std::error_code ec;
    std::vector<fs::path> sources;
    for (fs::directory_iterator it(installDir, ec), end; !ec && it != end; it.increment(ec)) {
        if (upper(it->path().extension().string()) == ".DAT" && it->is_regular_file(ec))
            sources.push_back(it->path());
    }
    std::sort(sources.begin(), sources.end());
    for (const auto& src : sources) {
        std::error_code copyError;
        fs::copy_file(src, dataDir / src.filename(), fs::copy_options::overwrite_existing, copyError);
        if (!copyError) copied.push_back(src.filename().string());
    }
    std::ofstream(dataDir / kDataDirMarker)
        << "This folder holds a Moxlet tutor's student profiles and lesson plans.\n";
    return copied;
}

}  // namespace moxlet
