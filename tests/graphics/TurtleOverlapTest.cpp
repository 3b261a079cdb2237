// Overlap of shape rectangles under both tests, and shapes against ranges.
#include "graphics/TurtleOverlap.h"

#include "core/MainVariableFixture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(TurtleOverlapTest, CirclesAskMoreThanSharedPixels)
    {
        const QRect square(0, 0, 10, 10);
        const struct {
            const char* name;
            QRect other;
            bool rectangles;
            bool circles;
        } cases[] = {
            { "the same place", square, true, true },
            { "touching at a corner pixel", QRect(9, 9, 10, 10), true, false },
            { "side by side", QRect(10, 0, 10, 10), false, false },
            { "overlapping corners of round shapes", QRect(8, 8, 10, 10), true, false },
            { "overlapping halves", QRect(5, 0, 10, 10), true, true },
            { "a line one pixel wide", QRect(5, 0, 1, 10), true, false },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(shapesOverlap(square, c.other, OverlapTest::Rectangles), c.rectangles)
                << c.name;
            EXPECT_EQ(shapesOverlap(square, c.other, OverlapTest::Circles), c.circles) << c.name;
            EXPECT_EQ(shapesOverlap(c.other, square, OverlapTest::Circles), c.circles) << c.name;
        }
    }

    // A long flat shape is a lens that reaches its narrow ends, not a circle of its height.
    TEST(TurtleOverlapTest, LongShapesAreLenses)
    {
        const QRect wide(0, 0, 40, 10);
        EXPECT_TRUE(shapesOverlap(wide, QRect(30, 0, 40, 10), OverlapTest::Circles));
        EXPECT_TRUE(shapesOverlap(wide, QRect(34, 0, 10, 10), OverlapTest::Circles));
        EXPECT_FALSE(shapesOverlap(wide, QRect(30, 8, 10, 10), OverlapTest::Circles));
        const QRect tall(0, 0, 10, 40);
        EXPECT_TRUE(shapesOverlap(tall, QRect(0, 34, 10, 10), OverlapTest::Circles));
        EXPECT_FALSE(shapesOverlap(tall, QRect(8, 30, 10, 10), OverlapTest::Circles));
    }

    TEST(TurtleOverlapTest, ShapesAgainstARange)
    {
        const PixelRange range { 0, 99, 0, 99 };
        const struct {
            QRect shape;
            bool touches; // "inside?"
            bool leaves; // "outside?"
        } cases[] = {
            { QRect(-10, -10, 10, 10), false, true },
            { QRect(-10, -10, 11, 11), true, true },
            { QRect(0, 0, 100, 100), true, false },
            { QRect(50, 50, 51, 10), true, true },
            { QRect(100, 0, 5, 5), false, true },
            { QRect(40, 99, 5, 5), true, true },
        };
        for (const auto& c : cases) {
            EXPECT_EQ(shapeTouchesRange(c.shape, range), c.touches)
                << c.shape.x() << " " << c.shape.y();
            EXPECT_EQ(shapeLeavesRange(c.shape, range), c.leaves)
                << c.shape.x() << " " << c.shape.y();
        }
    }

    class OverlapModeTest : public MainVariableFixture { };

    TEST_F(OverlapModeTest, OnlyANonZeroIntegerSelectsRectangles)
    {
        EXPECT_EQ(overlapTestInForce(), OverlapTest::Circles);
        const struct {
            const char* setting;
            OverlapTest test;
        } cases[] = {
            { "1", OverlapTest::Rectangles },
            { "-3", OverlapTest::Rectangles },
            { "0", OverlapTest::Circles },
            { "1.5", OverlapTest::Circles },
            { "yes", OverlapTest::Circles },
            { "[1]", OverlapTest::Circles },
        };
        for (const auto& c : cases) {
            setMainVariable("overlapmode", c.setting);
            EXPECT_EQ(overlapTestInForce(), c.test) << c.setting;
        }
    }

} // namespace
} // namespace velmora
