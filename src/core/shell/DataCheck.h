#pragma once
// A check of a whole data directory: the profile file, every plan file and
// the options, read the way the program reads them, with every problem the
// readers note, plus what only a look at the whole directory shows (plan
// files without a live profile, temporary files left by an interrupted
// write).  Nothing is written.

#include "core/store/DataFile.h"
#include "core/store/Problems.h"

namespace moxlet {

struct DirectorySummary {
    int liveProfiles = 0;
    int planFiles = 0;
    int plans = 0;
    Problems problems;
};

DirectorySummary checkDataDirectory(const FileContext& ctx);

}  // namespace moxlet
