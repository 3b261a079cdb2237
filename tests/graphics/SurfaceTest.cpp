#include "graphics/Surface.h"

#include <gtest/gtest.h>

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

    TEST(SurfaceTest, ANewBackgroundColourErasesTheDrawingAndRepaintsAll)
    {
        Surface surface(QSize(20, 10), qRgb(255, 255, 255));
        QRect repainted;
        surface.setRepaintListener([&](const QRect& area) { repainted = area; });
        surface.bitmap().setPixel(3, 3, qRgb(0, 0, 0));
        surface.setBackground(qRgb(0, 128, 0));
        EXPECT_EQ(surface.bitmap().pixel(3, 3), qRgb(0, 128, 0));
        EXPECT_EQ(repainted, QRect(0, 0, 20, 10));
    }

} // namespace
} // namespace velmora
