// A power cut or a failing disk at any step of any write leaves every data
// file either as it was or as it was meant to become, never torn.  Each case
// runs once undisturbed to learn the old and new contents and the number of
// mutating steps, then again for every step k with a fault injected at k
// followed by a power cut.  The same random seed makes every run write the
// same bytes.

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "core/options/OptionFile.h"
#include "support/DataDirFixture.h"

using namespace moxlet;
using moxlet::test::DataDir;

namespace {

using Files = std::map<std::string, std::vector<std::uint8_t>>;

bool isTemporary(const std::string& name)
{
    return name == kPlanTempFileName || (name.size() > 4 && name.compare(name.size() - 4, 4, ".NEW") == 0);
}

Files dataFiles(MemoryFileSystem& fs)
{
    Files files;
    for (const auto& name : fs.list())
        if (!isTemporary(name)) files[name] = *fs.get(name);
    return files;
}

struct Case {
    std::string name;
    std::function<void(DataDir&)> setup;
    std::function<void(DataDir&)> op;
};

std::vector<StudentProfile> threeProfiles()
{
    return {DataDir::profile(1, "Ames", "Ann", {1}), DataDir::profile(2, "Bell", "Bo", {2}),
            DataDir::profile(3, "Cole", "Cy", {3})};
}

void threePlans(DataDir& d)
{
    auto owner = DataDir::profile(2, "Bell", "Bo", {2});
    d.putPlans(2, {DataDir::plan(owner, "01-01-26"), DataDir::plan(owner, "02-02-26"),
                   DataDir::plan(owner, "03-03-26")});
}

std::vector<Case> cases()
{
    return {
        {"rewrite a profile", [](DataDir& d) { d.putProfiles(threeProfiles()); },
         [](DataDir& d) {
             DataFile f = openProfileFile(d.ctx);
             StudentProfile p = DataDir::profile(2, "Bellamy", "Bo", {2, 9});
             writeProfileRecord(d.ctx, f, 2, p);
         }},
        {"save a new profile", [](DataDir& d) { d.putProfiles(threeProfiles()); },
         [](DataDir& d) {
             StudentProfile p = newProfileDefaults();
             saveProfile(d.ctx, p, newProfileSlot(d.ctx),
                         ProfileEditorInput{"Dunn", "Di", 1, 3, {true, false, true}});
         }},
        {"save options",
         [](DataDir& d) {
             d.fs.put(kOptionFileName, std::vector<std::uint8_t>(118, 0));
             loadOptions(d.ctx, d.options);
         },
         [](DataDir& d) {
             d.options.values.HomophoneMode = 2;
             d.options.values.OfferUpTo = WordLevel::Wider;
             saveOptions(d.ctx, d.options, kHomophoneModeField | kOfferUpToField);
         }},
        {"save a plan",
         [](DataDir& d) {
             d.putProfiles(threeProfiles());
             threePlans(d);
             d.session.student = listProfiles(d.ctx)[1].profile;
         },
         [](DataDir& d) {
             if (!openPlan(d.ctx, d.session, 2)) return;
             d.session.plan.NewSegments[0] = 0;
             d.session.plan.NewSegments[1] = 1;
             d.session.plan.LessonDate.assign("04-04-26");
             savePlan(d.ctx, d.session, d.options.values);
         }},
        {"delete one plan", [](DataDir& d) { threePlans(d); },
         [](DataDir& d) { deletePlans(d.ctx, 2, {2}); }},
        {"delete every plan", [](DataDir& d) { threePlans(d); },
         [](DataDir& d) {
             deletePlans(d.ctx, 2, {1, 2, 3});
         }},
        {"update old formats at start-up",
         [](DataDir& d) {
             auto ps = threeProfiles();
             ps[0].FormatVersion = 0;
             ps[2].FormatVersion = 100;
             d.putProfiles(ps);
         },
         [](DataDir& d) {
             int active = 0;
             scanProfiles(d.ctx, active);
         }},
        {"delete a profile",
         [](DataDir& d) {
             d.putProfiles(threeProfiles());
             threePlans(d);
         },
         [](DataDir& d) { deleteProfile(d.ctx, 2); }},
    };
}

// Every file now is as it was before the write or as the write meant it to
// be; `except` names a file a test replaced by a directory.
void expectWhole(const Files& before, const Files& after, const Files& now, const std::string& what,
                 const std::string& except = {})
{
    std::set<std::string> names;
    for (const auto* files : {&before, &after, &now})
        for (const auto& [name, bytes] : *files) names.insert(name);
    names.erase(except);
    for (const auto& name : names) {
        auto state = [&](const Files& f) -> std::optional<std::vector<std::uint8_t>> {
            auto it = f.find(name);
            if (it == f.end()) return std::nullopt;
            return it->second;
        };
        auto got = state(now);
        EXPECT_TRUE(got == state(before) || got == state(after)) << what << ": " << name << " torn";
    }
}

struct Reference {
    Files before, after;
    int base = 0, steps = 0;
    std::set<std::string> written;  // names the write aims at
};

Reference runUndisturbed(const Case& c)
{
    Reference r;
    DataDir d;
    c.setup(d);
    r.before = dataFiles(d.fs);
    r.base = d.fs.mutationSteps();
    c.op(d);
    r.steps = d.fs.mutationSteps() - r.base;
    r.after = dataFiles(d.fs);
    r.written = d.fs.mutatedNames();
    EXPECT_NE(r.before, r.after) << c.name;
    EXPECT_GT(r.steps, 0) << c.name;
    EXPECT_TRUE(d.prompt.shown().empty()) << c.name;
    d.fs.crash();
    EXPECT_EQ(dataFiles(d.fs), r.after) << c.name << ": a finished write must survive a power cut";
    return r;
}

}  // namespace

// A fault at step k of every write, once (a full disk 61, a device gone 68,
// permission refused 70, a folder turned read-only 75) or lasting from k on
// (the disk fills up: retries fail too), then a power cut.  The tutor is
// told, and every file is old or new.
TEST(CrashSafety, EveryFileIsOldOrNewAfterAFaultAndPowerCutAtEveryStep)
{
    for (const auto& c : cases()) {
        const Reference r = runUndisturbed(c);
        for (int k = 1; k <= r.steps; ++k) {
            for (bool lasting : {false, true}) {
                for (int number : {61, 68, 70, 75}) {
                    if (lasting && number == 68) continue;
                    DataDir d;
                    c.setup(d);
                    if (lasting)
                        d.fs.failMutationsFrom(r.base + k, number);
                    else
                        d.fs.failMutationAt(r.base + k, number);
                    c.op(d);  // the prompt gives up (OK, or Cancel for 68)
                    const std::string what = c.name + (lasting ? ", lasting error " : ", error ") +
                                             std::to_string(number) + " at step " + std::to_string(k);
                    EXPECT_FALSE(d.prompt.shown().empty()) << what;
                    expectWhole(r.before, r.after, dataFiles(d.fs), what);
                    d.fs.crash();
                    expectWhole(r.before, r.after, dataFiles(d.fs), what + " and a power cut");
                }
            }
        }
    }
}

TEST(CrashSafety, ADirectoryWhereAWriteGoesIsReportedAndKept)
{
    // Someone made a folder with the name of a data file or of the
    // temporary file a write goes through.  The write fails with a message,
    // no other file is torn, and the folder is left alone.
    for (const auto& c : cases()) {
        const Reference r = runUndisturbed(c);
        for (const auto& name : r.written) {
            DataDir d;
            c.setup(d);
            d.fs.putDirectory(name);
            Files before = dataFiles(d.fs);
            c.op(d);
            const std::string what = c.name + ", a directory at " + name;
            EXPECT_TRUE(d.fs.isDirectory(name)) << what;
            Files now = dataFiles(d.fs);
            expectWhole(before, r.after, now, what, name);
            Files expected = r.after;
            expected.erase(name);
            now.erase(name);
            EXPECT_TRUE(now == expected || !d.prompt.shown().empty()) << what << ": failed silently";
        }
    }
}

TEST(CrashSafety, KeptPlansNeverLiveOnlyInTheTemporaryFile)
{
    // Whatever step of deleting a plan fails, the plan file still exists.
    const Case c{"delete the first plan", threePlans, [](DataDir& d) { deletePlans(d.ctx, 2, {1}); }};
    const Reference r = runUndisturbed(c);
    for (int k = 1; k <= r.steps; ++k) {
        DataDir d;
        c.setup(d);
        d.fs.failMutationAt(r.base + k, 61);
        EXPECT_FALSE(deletePlans(d.ctx, 2, {1}));
        d.fs.crash();
        EXPECT_TRUE(d.fs.exists("PLNS0002.DAT")) << k;
        EXPECT_EQ(d.prompt.shown().back().text, "Unable to delete Student's Plan file (PLNS0002.DAT).");
        EXPECT_EQ(d.prompt.shown().back().icon, Icon::Information);
    }
}
