#pragma once
// The reference lesson plans whose printout and clipboard text are kept as
// expected files (tests/data/plan-output/<name>/): one table, shared by the
// golden tests, the GUI tests and the benchmark.  Each reference stands for
// a kind of plan a tutor makes (empty, full, short lists, gaps, homophones,
// each list size and font size, ...); together they cover the layout's
// edge cases.

#include <string>
#include <vector>

#include "core/options/Options.h"
#include "core/output/PlanOutput.h"
#include "core/store/Records.h"

namespace moxlet::test {

struct ReferencePlan {
    std::string name;
    std::string why;  // what the reference stands for
    std::string firstName = "Ann";
    std::string lastName = "Lee";
    LessonPlan plan;
    Options options;
    int fontSize = 0;

    PlanOutput output() { return {firstName, lastName, plan, options, fontSize}; }
};

std::vector<ReferencePlan> referencePlans();
// Every section filled, 4 Review and 4 New lists of 40 words.
ReferencePlan fullReferencePlan();

}  // namespace moxlet::test
