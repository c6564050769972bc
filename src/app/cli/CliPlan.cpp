#include "app/cli/CliPlan.h"

#include <ostream>

#include "app/cli/CliWordBase.h"
#include "core/catalogue/Marks.h"
#include "core/options/OptionFile.h"
#include "core/profiles/ProfileFile.h"
#include "core/store/DiskFileSystem.h"

namespace moxlet::cli {

namespace {
long positive(const std::string& text)
{
    std::size_t used = 0;
    long n = 0;
    try {
        n = std::stol(text, &used);
    } catch (const std::exception&) {
        return -1;
    }
    return used == text.size() && n > 0 ? n : -1;
}
}  // namespace

int loadCliPlan(const std::string& profileArg, const std::string& recordArg, const std::string& dir,
                CliPlan& loaded, std::ostream& err)
{
    const long profile = positive(profileArg), record = positive(recordArg);
    if (profile < 1 || profile > kMaxProfileNo || record < 1) {
        err << "moxlet-cli: N is a profile number (1 to " << kMaxProfileNo
            << ") and RECORD a plan record (1, 2, ...)\n";
        return 2;
    }
    DiskFileSystem fs(dir);
    StreamPrompt prompt(err);
    SeededRandom random(1);
    FileContext ctx{fs, prompt, random};
    Problems problems;
    loadOptions(ctx, loaded.options, &problems);
    for (const auto& p : problems) err << cp1252ToUtf8(p.describe()) << '\n';

    bool live = false;
    for (const auto& e : listProfiles(ctx)) {
        if (e.record != profile) continue;
        loaded.session.student = e.profile;
        live = true;
    }
    if (!live) {
        err << "moxlet-cli: profile " << profile << " is not a live profile in " << dir << "\n";
        return 1;
    }
    if (!openPlan(ctx, loaded.session, static_cast<std::int32_t>(record))) {
        err << "moxlet-cli: profile " << profile << " has no plan record " << record << "\n";
        return 1;
    }
    return 0;
}

}  // namespace moxlet::cli
