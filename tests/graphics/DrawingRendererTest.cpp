// Drawing lists rendered into a surface's bitmap, pixel by pixel: each kind of item, the same
// square from the three ways of writing it, figures closed and filled, arcs, labels turned with
// the heading, the pen's reverse mode undoing itself, and the pixel form kept between renderings.
#include "values/ValueFixture.h"

#include "core/DrawingList.h"
#include "graphics/DrawingRenderer.h"
#include "graphics/SurfaceDrawing.h"
#include "values/Reader.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    constexpr QRgb white = qRgb(255, 255, 255);
    constexpr QRgb black = qRgb(0, 0, 0);
    constexpr QRgb red = qRgb(255, 0, 0);
    constexpr QRgb blue = qRgb(0, 0, 255);

    // The surface's pixels that are not white.
    QRect inkedArea(const QImage& image)
    {
        QRect area;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != white)
                    area |= QRect(x, y, 1, 1);
        return area;
    }

    class DrawingRendererTest : public ValueFixture {
    protected:
        Surface surface { QSize(200, 200), white };
        const QPoint centre { 100, 100 };

        // Renders the list at the centre, heading 0 unless given, and gives the repaint area.
        QRect draw(std::string_view source, double heading = 0, Ink ink = {})
        {
            return drawClipped(source, surface.bounds(), heading, ink);
        }

        QRect drawClipped(
            std::string_view source, const QRect& clip, double heading = 0, Ink ink = {})
        {
            tDrawingList list;
            const ValueRef read(readList(source));
            list.compile(static_cast<tLogoList*>(read.get()), {});
            DrawingRenderer renderer(list);
            QRect area;
            drawOnSurface(surface, clip, ink, [&](QPainter& painter) {
                area = renderer.render(painter, { centre, { 1, 1 }, heading }, ink);
                return area;
            });
            return area;
        }

        QRgb at(int dx, int dy) const { return surface.bitmap().pixel(centre + QPoint(dx, dy)); }
    };

    TEST_F(DrawingRendererTest, TheThreeFormsOfASquareDrawTheSamePixels)
    {
        draw("repeat 4 [forward 50 right 90]");
        const QImage commands = surface.bitmap().copy();
        EXPECT_EQ(inkedArea(commands), QRect(centre + QPoint(0, -50), QSize(51, 51)));
        for (const char* source : { "4 [50 90]", "50 90 50 90 50 90 50 90" }) {
            surface.clean();
            draw(source);
            EXPECT_EQ(surface.bitmap(), commands) << source;
        }
    }

    TEST_F(DrawingRendererTest, TheListTurnsWithTheHeading)
    {
        draw("forward 60 right 90 forward 50");
        EXPECT_EQ(inkedArea(surface.bitmap()), QRect(centre + QPoint(0, -60), QSize(51, 61)));
        surface.clean();
        draw("forward 60 right 90 forward 50", 90);
        EXPECT_EQ(inkedArea(surface.bitmap()), QRect(centre, QSize(61, 51)));
    }

    TEST_F(DrawingRendererTest, PolygonsAreClosedAndFilledWithTheFillBrush)
    {
        draw("setpc [255 0 0] setfillcolor [0 0 255] polygon [fd 40 rt 90 fd 40]");
        EXPECT_EQ(at(0, -20), red); // the side up
        EXPECT_EQ(at(20, -20), red); // the closing diagonal back to the start
        EXPECT_EQ(at(30, -35), blue); // inside the triangle
        EXPECT_EQ(at(10, -35), blue);
        EXPECT_EQ(at(35, -5), white); // beyond the diagonal
    }

    TEST_F(DrawingRendererTest, EllipsesArcsAndCirclesLieOnTheirRadii)
    {
        draw("ellipse [100 100 0 90]");
        EXPECT_EQ(at(0, -50), black); // the arc starts straight up
        EXPECT_EQ(at(50, 0), black); // and ends to the right
        EXPECT_EQ(at(35, -35), black);
        EXPECT_EQ(at(-50, 0), white);
        EXPECT_EQ(at(0, 50), white);
        surface.clean();
        draw("setfillcolor [0 0 255] filledcircle 60");
        EXPECT_EQ(at(0, 0), blue);
        EXPECT_EQ(at(0, -30), black); // the outline inside the box, 60 pixels across
        EXPECT_EQ(at(29, 0), black);
        EXPECT_EQ(at(0, -31), white);
        EXPECT_EQ(at(30, 0), white);
        surface.clean();
        draw("ellipse [80 40]");
        EXPECT_EQ(at(0, -20), black);
        EXPECT_EQ(at(40, 0), black);
        EXPECT_EQ(at(0, -25), white);
    }

    // Pen patterns leave gaps or draw nothing; the empty fill pattern leaves the inside as it was.
    TEST_F(DrawingRendererTest, PatternsOfPenAndFillApply)
    {
        const struct {
            const char* source;
            int inkedAlong; // of the 81 pixels up the line from the centre
        } cases[] = {
            { "fd 80", 81 },
            { "setpenpattern 1 fd 80", -1 },
            { "setpenpattern 6 fd 80", 0 },
        };
        for (const auto& c : cases) {
            surface.clean();
            draw(c.source);
            int inked = 0;
            for (int dy = 0; dy <= 80; ++dy)
                inked += at(0, -dy) == black;
            if (c.inkedAlong < 0) {
                EXPECT_GT(inked, 20) << c.source;
                EXPECT_LT(inked, 70) << c.source;
            } else {
                EXPECT_EQ(inked, c.inkedAlong) << c.source;
            }
        }
        surface.clean();
        draw("setfillcolor [0 0 255] setfillpattern 7 polygon [repeat 4 [fd 40 rt 90]]");
        EXPECT_EQ(at(20, -20), white);
        EXPECT_EQ(at(0, -20), black);
    }

    TEST_F(DrawingRendererTest, NothingIsDrawnOutsideTheClip)
    {
        const QRect clip(centre + QPoint(-10, -30), QSize(20, 20));
        drawClipped("setpenwidth 3 fd 60 filledcircle 50", clip);
        EXPECT_TRUE(clip.contains(inkedArea(surface.bitmap())));
        EXPECT_EQ(at(0, -20), black);
    }

    TEST_F(DrawingRendererTest, DotsTakeThePenWidthOrTheirSize)
    {
        draw("setpenwidth 5 setpc [255 0 0] dot fd 20 point 1");
        EXPECT_EQ(at(2, 0), red);
        EXPECT_EQ(at(3, 0), white);
        EXPECT_EQ(at(0, -20), red);
        EXPECT_EQ(inkedArea(surface.bitmap()).top(), centre.y() - 22); // the wide line's cap
    }

    TEST_F(DrawingRendererTest, ALabelAtHeadingNinetyRunsDownwards)
    {
        const QRect across = draw("label [WWWW WWWW]");
        const QRect inkedAcross = inkedArea(surface.bitmap());
        EXPECT_GT(inkedAcross.width(), inkedAcross.height());
        EXPECT_GE(inkedAcross.top(), centre.y());
        EXPECT_TRUE(across.contains(inkedAcross));
        surface.clean();
        const QRect down = draw("label [WWWW WWWW]", 90);
        const QRect inkedDown = inkedArea(surface.bitmap());
        EXPECT_GT(inkedDown.height(), inkedDown.width());
        EXPECT_GE(inkedDown.top(), centre.y()); // running down from the point
        EXPECT_LE(inkedDown.right(), centre.x()); // its tops towards the right, to the left
        EXPECT_TRUE(down.contains(inkedDown));
    }

    TEST_F(DrawingRendererTest, ReversedDrawingsDrawnTwiceLeaveThePictureAsItWas)
    {
        draw("setpenwidth 3 fd 60");
        const QImage before = surface.bitmap().copy();
        const Ink reverse { PenMode::Reverse, white };
        const char* list = "setfillpattern 2 polygon [repeat 3 [fd 50 rt 120]] rt 90 circle 30 "
                           "filledellipse [40 20 0 200] label abc dot point 7";
        draw(list, 30, reverse);
        EXPECT_NE(surface.bitmap(), before);
        draw(list, 30, reverse);
        EXPECT_EQ(surface.bitmap(), before);
    }

    TEST_F(DrawingRendererTest, ThePixelFormIsKeptUntilThePlacementChanges)
    {
        tDrawingList list;
        const ValueRef read(readList("fd 10 rt 90 fd 20"));
        list.compile(static_cast<tLogoList*>(read.get()), {});
        DrawingRenderer renderer(list);
        QImage image(100, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        const Ink ink;
        const QRect area = renderer.render(painter, { QPointF(50, 50) }, ink);
        EXPECT_EQ(renderer.bounds(), QRect(50, 40, 21, 11));
        EXPECT_EQ(area, QRect(QPoint(46, 36), QPoint(75, 55)));
        EXPECT_EQ(renderer.hotSpot(), QPoint(0, 10));
        renderer.render(painter, { QPointF(60, 50), { 2, 1 }, 180 }, ink);
        EXPECT_EQ(renderer.bounds(), QRect(20, 50, 41, 11));
        EXPECT_EQ(renderer.hotSpot(), QPoint(40, 0));
        // A new compilation is seen even where the placement stays.
        const ValueRef other(readList("fd 5"));
        list.compile(static_cast<tLogoList*>(other.get()), {});
        renderer.render(painter, { QPointF(60, 50), { 2, 1 }, 180 }, ink);
        EXPECT_EQ(renderer.bounds(), QRect(60, 50, 1, 6));
    }

} // namespace
} // namespace velmora
