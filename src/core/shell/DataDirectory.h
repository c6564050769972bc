#pragma once
// Preparing the data directory at start-up.
//
// The working directory is the data directory: every data file is opened by
// its bare name there.  The installation directory holds the files a new data
// directory starts from (on Linux <prefix>/share/moxlet, found next to the
// program as ../share/moxlet).
//
// A first start in a data directory is recognised by the absence of Moxlet's
// own files, whatever their case: no PROFILES.DAT, no OPTION.PRM, no plan
// file (PLNS0007.DAT) and no marker file MOXLET.DIR.  Only then is every *.DAT file of the installation
// directory copied in; the marker is written afterwards so that the copy never
// runs again and can never replace a tutor's profiles.  Starting in the
// installation directory itself copies nothing.  A failed copy is not
// reported: the program starts with what it has.

#include <filesystem>
#include <string>
#include <vector>

namespace moxlet {

inline constexpr const char* kDataDirMarker = "MOXLET.DIR";

// True when dataDir holds none of Moxlet's files.
bool isFirstStart(const std::filesystem::path& dataDir);

// Copies installDir/*.DAT (any letter case of the extension) into dataDir when
// this is a first start and dataDir is not installDir; then writes the
// marker.  Returns the names of the files copied.
std::vector<std::string> prepareDataDirectory(const std::filesystem::path& dataDir,
                                              const std::filesystem::path& installDir);

}  // namespace moxlet
