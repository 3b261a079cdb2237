#include "graphics/AnimationPlan.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // Shapes are only compared by address here.
    AnimatedShape* shape(int n)
    {
        return reinterpret_cast<AnimatedShape*>(static_cast<intptr_t>(n));
    }

    char pageA, pageB;
    const AnimationPage a = &pageA, b = &pageB;

    std::vector<AnimatedShape*> dueBy(AnimationPlan& plan, AnimationPlan::Milliseconds now)
    {
        std::vector<AnimatedShape*> due;
        while (AnimatedShape* next = plan.takeDue(now))
            due.push_back(next);
        return due;
    }

    TEST(AnimationPlanTest, ShapesComeDueInTimeOrderOnceEach)
    {
        AnimationPlan plan;
        EXPECT_TRUE(plan.schedule(1000, 50, shape(1), nullptr));
        EXPECT_TRUE(plan.schedule(1000, 20, shape(2), nullptr)); // earlier: the thread must hear
        EXPECT_FALSE(plan.schedule(1000, 30, shape(3), nullptr));
        EXPECT_FALSE(plan.schedule(1000, 60, shape(1), nullptr)); // its old entry goes
        EXPECT_EQ(plan.firstDue(), 1020);
        EXPECT_EQ(dueBy(plan, 1019), std::vector<AnimatedShape*> {});
        EXPECT_EQ(dueBy(plan, 1030), (std::vector<AnimatedShape*> { shape(2), shape(3) }));
        EXPECT_EQ(dueBy(plan, 2000), std::vector<AnimatedShape*> { shape(1) });
        EXPECT_FALSE(plan.hasActive());
    }

    TEST(AnimationPlanTest, AShapeScheduledAgainComesBeforeThoseDueWithIt)
    {
        AnimationPlan plan;
        plan.schedule(0, 10, shape(1), nullptr);
        EXPECT_TRUE(plan.schedule(0, 10, shape(2), nullptr));
        EXPECT_EQ(dueBy(plan, 10), (std::vector<AnimatedShape*> { shape(2), shape(1) }));
    }

    // Switching pages parks the first page's shapes with the time they had left and brings them
    // back with it; shapes of no page go on.
    TEST(AnimationPlanTest, OtherPagesWaitWithTheTimeTheyHadLeft)
    {
        AnimationPlan plan;
        plan.showPage(0, a);
        plan.schedule(0, 100, shape(1), a);
        plan.schedule(0, 40, shape(2), a);
        plan.schedule(0, 70, shape(3), nullptr);
        EXPECT_FALSE(plan.schedule(0, 10, shape(4), b)); // parked at once
        EXPECT_TRUE(plan.showPage(30, b));
        EXPECT_EQ(dueBy(plan, 40), std::vector<AnimatedShape*> { shape(4) });
        const std::vector<AnimationPlan::Parked> parked = plan.parked();
        ASSERT_EQ(parked.size(), 2u);
        EXPECT_EQ(parked[0].shape, shape(2));
        EXPECT_EQ(parked[0].remaining, 10);
        EXPECT_EQ(parked[1].shape, shape(1));
        EXPECT_EQ(parked[1].remaining, 70);
        EXPECT_EQ(dueBy(plan, 500), std::vector<AnimatedShape*> { shape(3) });
        // A long time later page A shows again: its shapes go on as if no time had passed.
        EXPECT_TRUE(plan.showPage(10000, a));
        EXPECT_EQ(dueBy(plan, 10009), std::vector<AnimatedShape*> {});
        EXPECT_EQ(dueBy(plan, 10010), std::vector<AnimatedShape*> { shape(2) });
        EXPECT_EQ(dueBy(plan, 10070), std::vector<AnimatedShape*> { shape(1) });
    }

    TEST(AnimationPlanTest, ARemovedShapeLeavesBothPlans)
    {
        AnimationPlan plan;
        plan.showPage(0, a);
        plan.schedule(0, 10, shape(1), a);
        plan.schedule(0, 10, shape(2), b);
        plan.remove(shape(1));
        plan.remove(shape(2));
        EXPECT_FALSE(plan.hasActive());
        EXPECT_TRUE(plan.parked().empty());
        EXPECT_FALSE(plan.showPage(5, b));
    }

} // namespace
} // namespace velmora
