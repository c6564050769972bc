#pragma once
// A data directory in memory with scripted message boxes and a reproducible
// random source, shared by the data file tests.

#include <gtest/gtest.h>

#include "core/options/Options.h"
#include "core/plans/PlanFile.h"
#include "core/plans/PlanSession.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DataFile.h"
#include "core/store/OptionCodec.h"
#include "core/store/PlanCodec.h"
#include "core/store/ProfileCodec.h"
#include "core/store/Prompt.h"
#include "core/store/Random.h"
#include "support/MemoryFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "support/Segments.h"

namespace moxlet::test {

struct DataDir {
    MemoryFileSystem fs;
    ScriptedPrompt prompt;
    SeededRandom random{12345};
    FileContext ctx{fs, prompt, random};
    OptionSettings options;
    PlanSession session;

    // A live profile for record n with the given names and studied ids.
    static StudentProfile profile(std::int16_t n, const std::string& last, const std::string& first,
                                  std::initializer_list<int> studied = {})
    {
        StudentProfile p = newProfileDefaults();
        p.ProfileNo = n;
        p.InUse = 1;
        p.FormatVersion = kFormatVersion;
        p.LastName.assign(last);
        p.FirstName.assign(first);
        p.StudiedSegments = studiedSet(studied);
        return p;
    }

    // Writes profiles as records 1..n of PROFILES.DAT (durable).
    void putProfiles(const std::vector<StudentProfile>& profiles)
    {
        std::vector<std::uint8_t> bytes;
        for (const auto& p : profiles) {
            auto r = encodeProfileRecord(p, random);
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        fs.put(kProfileFileName, bytes);
    }

    void putPlans(std::int32_t profileNo, const std::vector<LessonPlan>& plans)
    {
        std::vector<std::uint8_t> bytes;
        for (const auto& p : plans) {
            auto r = encodePlanRecord(p, random);
            bytes.insert(bytes.end(), r.begin(), r.end());
        }
        fs.put(*planFileName(profileNo), bytes);
    }

    static LessonPlan plan(const StudentProfile& owner, const std::string& date)
    {
        LessonPlan p = newPlanRecord(owner);
        p.LessonDate.assign(date);
        return p;
    }
};

}  // namespace moxlet::test
