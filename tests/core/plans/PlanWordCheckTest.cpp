// The plan's word dialogs ask about the list they show: the slot's segment,
// the plan's studied set and range, and that list's own remembered offset.

#include "core/plans/PlanWordCheck.h"

#include <gtest/gtest.h>

#include "support/DataDirFixture.h"

using namespace moxlet;
using enum moxlet::PlanSection;

TEST(PlanWordCheck, AsksAboutTheListTheDialogShows)
{
    PlanSession s;
    s.student = test::DataDir::profile(1, "Ames", "Ann", {0, 1, 2, 3, 4});
    s.plan = newPlanRecord(s.student);
    s.plan.SyllableMin = 2;
    s.plan.SyllableMax = 3;
    s.plan.ReviewSegments[1] = 2;    // studied list position 2: segment 2
    s.plan.NewSegments[0] = 0;       // unstudied list position 0: segment 5
    s.plan.SpellingSegments[3] = 4;  // segment 4
    s.plan.ReviewThinOffset[1] = 3;
    s.plan.NewThinOffset[0] = 5;
    s.plan.NewThinOffset[1] = 6;
    s.plan.SpellingThinOffset[3] = 7;
    s.prepare();

    const WordCheckQuery review = planListQuery(s, Review, 1, "cat");
    EXPECT_EQ(review.word, "cat");
    EXPECT_EQ(review.segment, 2);
    EXPECT_FALSE(review.newList);
    EXPECT_EQ(review.thinOffset, 3);
    EXPECT_EQ(review.syllableMin, 2);
    EXPECT_EQ(review.syllableMax, 3);
    EXPECT_EQ(review.studied, s.plan.PlanStudiedSegments);

    const WordCheckQuery fresh = planListQuery(s, New, 0, "cat");
    EXPECT_EQ(fresh.segment, 5);
    EXPECT_TRUE(fresh.newList);
    EXPECT_EQ(fresh.thinOffset, 5);

    const WordCheckQuery spelling = spellingRowQuery(s, 3, "cat");
    EXPECT_EQ(spelling.segment, 4);
    EXPECT_FALSE(spelling.newList);
    EXPECT_EQ(spelling.thinOffset, 7);
}
