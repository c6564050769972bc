// A whole data folder from the input, checked as `moxlet-cli check` does:
//
//   answers            8 bytes: the buttons the message boxes get
//   fault              2 bytes: the k-th read fails (k = first byte mod 32,
//                      0: none) with one of the file errors
//   files              up to 8: a kind byte, a 16-bit length, the bytes.
//                      Kind mod 4: 0 PROFILES.DAT, 1 PLNSnnnn.DAT (a 16-bit
//                      number follows the kind, mod 10000), 2 OPTION.PRM,
//                      3 a stray or temporary name (a byte picks it)
//
// The check never faults and never writes, whatever the files hold and
// whatever the message boxes answer.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/options/OptionFile.h"
#include "core/plans/PlanFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/shell/DataCheck.h"

using namespace moxlet;

namespace {

const char* const kStrayNames[] = {
    "PLNSTEMP.DAT",  "PROFILES.NEW",     "PLNS0001.NEW", "OPTION.NEW",   "PLNS12.DAT",   "plns0001.dat",
    "PLNS00001.DAT", "PLNS-001.DAT",     "PLNSABCD.DAT", "PLNS 001.DAT", "WORDBASE.WDB", "PLNS0000.DAT",
    "PLNS.DAT",      "PROFILES.DAT.NEW", "README.TXT",   "PLNS9999.DAT",
};

const int kReadErrors[] = {FileErrorNo::DeviceIoError,       FileErrorNo::PermissionDenied,
                           FileErrorNo::InputPastEnd,        FileErrorNo::FileNotFound,
                           FileErrorNo::PathFileAccessError, FileErrorNo::DeviceUnavailable};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteSource in(data, size);
    fuzz::FuzzPrompt prompt(in.bytes(8));
    fuzz::BoundedFileSystem fs;
    const int faultStep = in.byte() % 32;
    const int faultError = kReadErrors[in.byte() % std::size(kReadErrors)];

    for (int f = 0; f < 8 && in.left() > 0; ++f) {
        const std::uint8_t kind = in.byte();
        std::string name;
        switch (kind % 4) {
        case 0: name = kProfileFileName; break;
        case 1: {
            char plans[16];
            std::snprintf(plans, sizeof plans, "PLNS%04d.DAT", in.u16() % 10000);
            name = plans;
            break;
        }
        case 2: name = kOptionFileName; break;
        default: name = kStrayNames[in.byte() % std::size(kStrayNames)]; break;
        }
        fs.put(name, in.bytes(in.u16()));
    }
    if (faultStep != 0) fs.failReadAt(faultStep, faultError);

    SeededRandom random(size);
    const DirectorySummary summary = checkDataDirectory(FileContext{fs, prompt, random});
    FUZZ_CHECK(fs.mutationSteps() == 0);
    FUZZ_CHECK(summary.liveProfiles >= 0 && summary.planFiles >= 0 && summary.plans >= 0);
    return 0;
}
