// The shapes of the "bg" commands, pixel by pixel on small surfaces: where lines end, outlines
// against fills, wide pens inside or across a box's edge, ellipses within their box, arcs, the
// flood fill and the rectangles reported for repainting.
#include "graphics/BackgroundDrawing.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velmora {
namespace {

    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb red = qRgb(255, 0, 0);

    // The pixels of the surface that are not white.
    QRect drawnArea(const Surface& surface)
    {
        QRect area;
        for (int y = 0; y < surface.size().height(); ++y)
            for (int x = 0; x < surface.size().width(); ++x)
                if (surface.bitmap().pixel(x, y) != white)
                    area |= QRect(x, y, 1, 1);
        return area;
    }

    class BackgroundDrawingTest : public testing::Test {
    protected:
        Surface surface { QSize(40, 30), white };

        QRgb at(int x, int y) const { return surface.bitmap().pixel(x, y); }
        void setPen(QRgb colour, int32_t width, int32_t pattern)
        {
            surface.backgroundPen() = BackgroundPen { colour, width, lineStyleOf(pattern) };
        }
    };

    TEST_F(BackgroundDrawingTest, AOnePixelLineDrawsBothEndsAndNothingBeyond)
    {
        const struct {
            QPoint from;
            QPoint to;
            QPoint before; // just before the start
            QPoint after; // just past the end
        } cases[] = {
            { { 2, 5 }, { 8, 5 }, { 1, 5 }, { 9, 5 } },
            { { 8, 5 }, { 2, 5 }, { 9, 5 }, { 1, 5 } },
            { { 3, 20 }, { 3, 10 }, { 3, 21 }, { 3, 9 } },
            { { 10, 10 }, { 14, 14 }, { 9, 9 }, { 15, 15 } },
        };
        for (const auto& c : cases) {
            surface.clean();
            drawBackgroundLine(surface, c.from, c.to);
            EXPECT_EQ(at(c.from.x(), c.from.y()), black) << c.from.x() << "," << c.from.y();
            EXPECT_EQ(at(c.to.x(), c.to.y()), black) << c.to.x() << "," << c.to.y();
            EXPECT_EQ(at(c.before.x(), c.before.y()), white) << c.from.x() << "," << c.from.y();
            EXPECT_EQ(at(c.after.x(), c.after.y()), white) << c.to.x() << "," << c.to.y();
        }
    }

    TEST_F(BackgroundDrawingTest, RectanglesCoverTheirBoxOutlinedOrFilled)
    {
        const QRect box(5, 4, 10, 6);
        for (const ShapeFill fill : { ShapeFill::Outline, ShapeFill::Filled }) {
            surface.clean();
            setPen(red, 1, 0);
            drawBackgroundRectangle(surface, box, fill);
            EXPECT_EQ(drawnArea(surface), box);
            EXPECT_EQ(at(5, 4), red);
            EXPECT_EQ(at(14, 9), red);
            EXPECT_EQ(at(10, 7), fill == ShapeFill::Filled ? red : white);
        }
    }

    // Pattern 0 keeps a wide outline inside the box; pattern 5 centres it on the box's edge
    // pixels; pattern 6 draws no outline, though a filled shape is still filled.
    TEST_F(BackgroundDrawingTest, WideOutlinesLieWhereTheirPatternPutsThem)
    {
        const QRect box(10, 8, 16, 12);
        const struct {
            int32_t pattern;
            ShapeFill fill;
            QRect drawn;
            QRgb centre;
        } cases[] = {
            { 0, ShapeFill::Outline, box, white },
            { 5, ShapeFill::Outline, box.adjusted(-2, -2, 2, 2), white },
            { 6, ShapeFill::Outline, QRect(), white },
            { 6, ShapeFill::Filled, box, red },
        };
        for (const auto& c : cases) {
            surface.clean();
            setPen(red, 5, c.pattern);
            drawBackgroundRectangle(surface, box, c.fill);
            EXPECT_EQ(drawnArea(surface), c.drawn) << c.pattern;
            EXPECT_EQ(at(17, 13), c.centre) << c.pattern;
        }
        surface.clean();
        setPen(red, 5, 0);
        drawBackgroundRectangle(surface, box, ShapeFill::Outline);
        EXPECT_EQ(at(14, 12), red) << "the outline is five pixels wide";
        EXPECT_EQ(at(15, 13), white);
    }

    TEST_F(BackgroundDrawingTest, EllipsesStayInsideTheirBoxAndTouchEachSide)
    {
        const QRect box(4, 3, 21, 13);
        for (const int32_t width : { 1, 3 }) {
            for (const ShapeFill fill : { ShapeFill::Outline, ShapeFill::Filled }) {
                surface.clean();
                setPen(black, width, 0);
                drawBackgroundEllipse(surface, box, fill);
                EXPECT_EQ(drawnArea(surface), box) << width;
                EXPECT_EQ(at(4, 3), white) << "the corners stay clear";
                EXPECT_EQ(at(14, 9), fill == ShapeFill::Filled ? black : white) << width;
            }
        }
    }

    // Arcs run counterclockwise from the first ray to the second, on a circle of radius 10
    // around (20, 15).
    TEST_F(BackgroundDrawingTest, ArcsRunCounterclockwiseBetweenTheirRays)
    {
        const QRect box(10, 5, 21, 21);
        const QPoint east(40, 15), north(20, 0), west(0, 15), south(20, 29);
        const struct {
            QPoint from;
            QPoint to;
            std::vector<QPoint> drawn;
            std::vector<QPoint> clear;
        } cases[] = {
            { east, north, { { 27, 8 } }, { { 13, 8 }, { 13, 22 }, { 27, 22 } } },
            { north, east, { { 13, 8 }, { 13, 22 }, { 27, 22 } }, { { 27, 8 } } },
            { west, south, { { 13, 22 } }, { { 13, 8 }, { 27, 8 }, { 27, 22 } } },
            { east, east, { { 13, 8 }, { 13, 22 }, { 27, 22 }, { 27, 8 } }, {} },
        };
        for (const auto& c : cases) {
            surface.clean();
            setPen(black, 3, 0);
            drawBackgroundArc(surface, box, c.from, c.to);
            for (const QPoint& p : c.drawn)
                EXPECT_EQ(at(p.x(), p.y()), black) << p.x() << "," << p.y();
            for (const QPoint& p : c.clear)
                EXPECT_EQ(at(p.x(), p.y()), white) << p.x() << "," << p.y();
        }
    }

    TEST_F(BackgroundDrawingTest, AFillStopsAtTheOutlineAroundIt)
    {
        drawBackgroundEllipse(surface, QRect(5, 5, 20, 20), ShapeFill::Outline);
        surface.takeChanges().area;
        setPen(red, 1, 0);
        fillBackgroundRegion(surface, QPoint(15, 15));
        const QRect repainted = surface.takeChanges().area;
        EXPECT_EQ(at(15, 15), red);
        EXPECT_EQ(at(15, 5), black) << "the outline keeps its colour";
        EXPECT_EQ(at(6, 6), white) << "outside, in the box's corner";
        EXPECT_EQ(at(30, 15), white);
        EXPECT_TRUE(QRect(5, 5, 20, 20).contains(repainted));
        EXPECT_TRUE(repainted.contains(QRect(7, 7, 16, 16)));
    }

    TEST_F(BackgroundDrawingTest, FillingWithTheSameColourOrOutsideChangesNothing)
    {
        surface.takeChanges().area;
        setPen(white, 1, 0);
        fillBackgroundRegion(surface, QPoint(3, 3));
        setPen(red, 1, 0);
        fillBackgroundRegion(surface, QPoint(40, 3));
        fillBackgroundRegion(surface, QPoint(-1, 3));
        EXPECT_EQ(drawnArea(surface), QRect());
        EXPECT_EQ(surface.takeChanges().area, QRect());
    }

    // A page-sized region fills in spans, not by recursion, and a winding one is followed to its
    // end: walls from alternate edges make a path that turns back at every column.
    TEST(BackgroundFillTest, LargeAndWindingRegionsFillCompletely)
    {
        const QSize size(2400, 1800);
        const std::function<void(Surface&)> shapes[] = {
            [](Surface&) {},
            [&](Surface& surface) {
                for (int x = 1; x < size.width(); x += 2) {
                    const bool fromTop = (x / 2) % 2 == 0;
                    drawBackgroundLine(surface, QPoint(x, fromTop ? 0 : 1),
                        QPoint(x, fromTop ? size.height() - 2 : size.height() - 1));
                }
            },
        };
        for (const auto& draw : shapes) {
            Surface surface(size, white);
            draw(surface);
            surface.backgroundPen().colour = red;
            fillBackgroundRegion(surface, QPoint(0, 0));
            int whiteLeft = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    whiteLeft += surface.bitmap().pixel(x, y) == white;
            EXPECT_EQ(whiteLeft, 0);
        }
    }

} // namespace
} // namespace velmora
