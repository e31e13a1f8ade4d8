#include "shell/tour_slide.h"

#include <gtest/gtest.h>

namespace {

TEST(SlidePlan, TourGoesHalfwayIntoTheRoomLeftOfTheLauncher)
{
    const SlidePlan plan = planSlide(700, 300); // x = 200
    EXPECT_FALSE(plan.moveLauncher);
    EXPECT_EQ(plan.lefts, (std::vector<int>{450, 366, 325, 300, 200}));
}

TEST(SlidePlan, LauncherTooFarLeftIsPushedRightAndTourEndsAtScreenEdge)
{
    const SlidePlan plan = planSlide(100, 301); // x = -100 (truncated, not floored)
    EXPECT_TRUE(plan.moveLauncher);
    EXPECT_EQ(plan.launcherLeft, 100 + 200 + SlideLauncherGap);
    EXPECT_EQ(plan.lefts, (std::vector<int>{50, 33, 25, 20, 0}));
}

TEST(SlidePlan, PushedLauncherKeepsTheGapItIsGiven)
{
    EXPECT_EQ(planSlide(100, 301, 10).launcherLeft, 100 + 200 + 10);
}

TEST(SlidePlan, OddNegativeRoomTruncatesTowardsZero)
{
    const SlidePlan plan = planSlide(0, 3); // (0 - 3) / 2 = -1, not -2
    EXPECT_EQ(plan.launcherLeft, 2 + SlideLauncherGap);
    EXPECT_EQ(plan.lefts.back(), 0);
}

TEST(SlidePlan, ExactFitNeedsNoLauncherMove)
{
    const SlidePlan plan = planSlide(300, 300);
    EXPECT_FALSE(plan.moveLauncher);
    EXPECT_EQ(plan.lefts.back(), 0);
}

TEST(SpansOverlap, TouchingEdgesDoNotOverlap)
{
    const Span a{0, 0, 100, 100};
    EXPECT_TRUE(spansOverlap(a, Span{99, 99, 200, 200}));
    EXPECT_FALSE(spansOverlap(a, Span{100, 0, 200, 100}));
    EXPECT_FALSE(spansOverlap(a, Span{0, 100, 100, 200}));
    EXPECT_TRUE(spansOverlap(a, Span{10, 10, 20, 20}));
}

} // namespace
