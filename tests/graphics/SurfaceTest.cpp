#include "graphics/Surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora {
namespace {

    TEST(SurfaceTest, CartesianPointsRoundHalfAwayFromZeroAroundTheCentre)
    {
        Surface surface(QSize(796, 499), qRgb(255, 255, 255));
        EXPECT_EQ(surface.origin(), QPoint(398, 249));
        const struct {
            QPointF cartesian;
            QPoint pixel;
        } cases[] = {
            { { 0, 0 }, { 398, 249 } },
            { { 0.5, 0.5 }, { 399, 248 } },
            { { -0.5, -0.5 }, { 397, 250 } },
            { { -398, 249 }, { 0, 0 } },
            { { 1.49, -2.51 }, { 399, 252 } },
        };
        for (const auto& c : cases)
            EXPECT_EQ(surface.toPixel(c.cartesian), c.pixel)
                << c.cartesian.x() << " " << c.cartesian.y();
        EXPECT_EQ(surface.toCartesian(QPointF(0, 0)), QPointF(-398, 249));
    }

    TEST(SurfaceTest, PixelRoundingAtItsEdges)
    {
        const double infinity = std::numeric_limits<double>::infinity();
        const struct {
            double value;
            int pixel;
        } cases[] = {
            { 2.5, 3 },
            { -2.5, -3 },
            { 0.49999999999999994, 0 },
            { -0.49999999999999994, 0 },
            { -0.0, 0 },
            { 999999999.5, 1000000000 },
            { 1e12, 1000000000 },
            { -1e12, -1000000000 },
            { infinity, 1000000000 },
            { -infinity, -1000000000 },
            { std::nan(""), 0 },
        };
        for (const auto& c : cases)
            EXPECT_EQ(roundToPixel(c.value), c.pixel) << c.value;
    }

    TEST(SurfaceTest, ANewBackgroundColourErasesTheDrawingAndRepaintsAll)
    {
        Surface surface(QSize(20, 10), qRgb(255, 255, 255));
        surface.bitmap().setPixel(3, 3, qRgb(0, 0, 0));
        surface.setBackground(qRgb(0, 128, 0));
        EXPECT_EQ(surface.bitmap().pixel(3, 3), qRgb(0, 128, 0));
        EXPECT_EQ(surface.takeChanges().area, QRect(0, 0, 20, 10));
    }

    // A drawing loop must not post a repaint per line: changes (areas to repaint, the mouse to
    // look at again) add up until the window takes them, and only the first after a take is
    // announced.
    TEST(SurfaceTest, ChangesAddUpAndAreAnnouncedOnceUntilTaken)
    {
        Surface surface(QSize(100, 100), qRgb(255, 255, 255));
        int announced = 0;
        surface.setRepaintListener([&] { ++announced; });
        surface.invalidate(QRect(10, 10, 5, 5));
        surface.invalidate(QRect(50, 60, 5, 5));
        surface.invalidate(QRect(90, 90, 30, 30));
        surface.invalidate(QRect(-20, -20, 5, 5)); // wholly outside: nothing to repaint
        EXPECT_EQ(announced, 1);
        EXPECT_EQ(surface.takeChanges().area, QRect(QPoint(10, 10), QPoint(99, 99)));
        EXPECT_EQ(surface.takeChanges().area, QRect());
        surface.recheckMouse();
        surface.invalidate(QRect(0, 0, 1, 1));
        EXPECT_EQ(announced, 2);
        const Surface::Changes changes = surface.takeChanges();
        EXPECT_TRUE(changes.mouseRecheck);
        EXPECT_EQ(changes.area, QRect(0, 0, 1, 1));
    }

} // namespace
} // namespace velmora
