// The printout and the clipboard text of every reference plan against the
// expected files in tests/data/plan-output/<reference>/: print.txt holds the
// print layer's operations, copy.txt the clipboard text byte for byte (CRLF
// line ends and tabs).  After a deliberate change of the layout, regenerate
// them for review with
//
//   MOXLET_REGENERATE_GOLDEN=1 build/debug/bin/moxlet_core_tests --gtest_filter='*PlanOutputGolden*'
//
// and read the diff before committing it.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

#include "core/output/PlanPrintout.h"
#include "core/output/PlanText.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"

using namespace moxlet;
using moxlet::test::ReferencePlan;

namespace {

const std::filesystem::path kGoldenDir = std::filesystem::path(MOXLET_TEST_DATA_DIR) / "plan-output";

bool regenerating() { return std::getenv("MOXLET_REGENERATE_GOLDEN") != nullptr; }

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void compareOrWrite(const std::filesystem::path& path, const std::string& actual)
{
    if (regenerating()) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing; regenerate the expected files";
    EXPECT_EQ(readFile(path), actual) << path;
}

class PlanOutputGolden : public ::testing::TestWithParam<std::string> {};

ReferencePlan reference(const std::string& name)
{
    for (auto& r : test::referencePlans())
        if (r.name == name) return r;
    throw std::invalid_argument(name);
}

std::vector<std::string> referenceNames()
{
    std::vector<std::string> names;
    for (const auto& r : test::referencePlans()) names.push_back(r.name);
    return names;
}

}  // namespace

TEST_P(PlanOutputGolden, PrintoutAndClipboardTextMatchTheExpectedFiles)
{
    ReferencePlan r = reference(GetParam());
    SCOPED_TRACE(r.why);
    {
        test::RecordingPrintLayer layer;
        PlanPrintout(layer, r.output(), [&](const std::string& s) {
            layer.note("status: " + s);
        }).printCopy();
        compareOrWrite(kGoldenDir / r.name / "print.txt", layer.log());
    }
    ReferencePlan fresh = reference(GetParam());
    compareOrWrite(kGoldenDir / r.name / "copy.txt", planText(fresh.output()));
}

INSTANTIATE_TEST_SUITE_P(References, PlanOutputGolden, ::testing::ValuesIn(referenceNames()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string n = param.param;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

// Every reference has its expected files, and no expected files are left
// from a reference that no longer exists.
TEST(PlanOutputGoldenFiles, MatchTheReferenceTable)
{
    if (regenerating()) GTEST_SKIP();
    std::set<std::string> folders;
    for (const auto& e : std::filesystem::directory_iterator(kGoldenDir))
        folders.insert(e.path().filename().string());
    const auto names = referenceNames();
    EXPECT_EQ(folders, std::set<std::string>(names.begin(), names.end()));
}

// Printing or copying a plan whose list sizes differ leaves the form feed
// option on for what follows; a plan whose sizes agree leaves it as it was.
TEST(PlanOutput, DifferentListSizesSwitchTheFormFeedOn)
{
    for (bool copy : {false, true}) {
        ReferencePlan r = reference("review-40-new-24");
        ASSERT_EQ(r.options.PageBreak, 0);
        if (copy) {
            planText(r.output());
        } else {
            test::RecordingPrintLayer layer;
            PlanPrintout(layer, r.output()).printCopy();
        }
        EXPECT_EQ(r.options.PageBreak, 1) << (copy ? "copy" : "print");

        ReferencePlan same = reference("full");
        planText(same.output());
        EXPECT_EQ(same.options.PageBreak, 0);
    }
}
