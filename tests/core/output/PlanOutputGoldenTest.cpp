// The printout and the clipboard text of every reference plan against the
// expected files in tests/data/plan-output/<reference>/: print.txt holds the
// print layer's operations, copy.txt the clipboard text byte for byte (CRLF
// line ends and tabs).  MOXLET_REGENERATE_GOLDEN=1 rewrites them after a
// deliberate change of the layout (support/GoldenFiles.h).

#include <gtest/gtest.h>

#include "core/output/PlanPrintout.h"
#include "core/output/PlanText.h"
#include "support/GoldenFiles.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"

using namespace moxlet;
using moxlet::test::ReferencePlan;

namespace {

const test::GoldenFiles kGolden(MOXLET_TEST_DATA_DIR "/plan-output");

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

class PlanOutputGolden : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(PlanOutputGolden, PrintoutAndClipboardTextMatchTheExpectedFiles)
{
    ReferencePlan r = reference(GetParam());
    SCOPED_TRACE(r.why);
    test::RecordingPrintLayer layer;
    PlanPrintout(layer, r.output(), [&](const std::string& s) { layer.note("status: " + s); }).printCopy();
    kGolden.expect(r.name, "print.txt", layer.log());
    ReferencePlan fresh = reference(GetParam());
    kGolden.expect(r.name, "copy.txt", planText(fresh.output()));
}

INSTANTIATE_TEST_SUITE_P(References, PlanOutputGolden, ::testing::ValuesIn(referenceNames()),
                         [](const auto& param) { return test::GoldenFiles::testName(param.param); });

TEST(PlanOutputGoldenFiles, MatchTheReferenceTable) { kGolden.expectCases(referenceNames()); }

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
