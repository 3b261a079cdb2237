// The turtle's flood fill: the region of the seed's colour, or everything up to the border
// colour ("fillmode" 1), within a clip, in a colour, a hatch or by inverting.
#include "graphics/ScanlineFill.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    constexpr QRgb white = qRgb(255, 255, 255);
    constexpr QRgb red = qRgb(255, 0, 0);
    constexpr QRgb blue = qRgb(0, 0, 255);
    constexpr QRgb green = qRgb(0, 255, 0);

    // A blue box from (10, 10) to (30, 30) with a red line across its middle, on white.
    QImage boxWithLineAcross()
    {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(white);
        QPainter painter(&image);
        painter.setPen(blue);
        painter.drawRect(10, 10, 20, 20);
        painter.setPen(red);
        painter.drawLine(11, 20, 29, 20);
        return image;
    }

    TEST(ScanlineFillTest, UpToTheBorderColourTheFillCrossesOtherLines)
    {
        QImage image = boxWithLineAcross();
        const QRect changed = floodFill(
            image, QPoint(20, 15), { FillBoundary::BorderColour, blue, QRect() }, { green });
        EXPECT_EQ(changed, QRect(11, 11, 19, 19));
        EXPECT_EQ(image.pixel(20, 25), green); // beyond the red line
        EXPECT_EQ(image.pixel(20, 20), green); // the red line itself
        EXPECT_EQ(image.pixel(10, 20), blue);
        EXPECT_EQ(image.pixel(5, 5), white);
    }

    TEST(ScanlineFillTest, TheSeedsColourStopsAtAnyOtherColour)
    {
        QImage image = boxWithLineAcross();
        floodFill(image, QPoint(20, 15), {}, { green });
        EXPECT_EQ(image.pixel(20, 15), green);
        EXPECT_EQ(image.pixel(20, 20), red);
        EXPECT_EQ(image.pixel(20, 25), white);
    }

    TEST(ScanlineFillTest, NothingIsFilledFromTheBorderOrOutsideTheClip)
    {
        QImage image = boxWithLineAcross();
        const QImage before = image.copy();
        EXPECT_TRUE(
            floodFill(image, QPoint(10, 20), { FillBoundary::BorderColour, blue, {} }, { green })
                .isEmpty());
        EXPECT_TRUE(floodFill(
            image, QPoint(20, 15), { FillBoundary::SameColour, 0, QRect(0, 0, 5, 5) }, { green })
                        .isEmpty());
        EXPECT_EQ(image, before);
    }

    TEST(ScanlineFillTest, TheClipKeepsTheFillInside)
    {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(white);
        const QRect clip(5, 5, 10, 20);
        EXPECT_EQ(
            floodFill(image, QPoint(8, 8), { FillBoundary::SameColour, 0, clip }, { red }), clip);
        EXPECT_EQ(image.pixel(14, 24), red);
        EXPECT_EQ(image.pixel(15, 24), white);
        EXPECT_EQ(image.pixel(14, 25), white);
    }

    // A hatch paints its lines and leaves the region's colour between them; inverting turns
    // each pixel of the region into its opposite.
    TEST(ScanlineFillTest, HatchesAndInversionPaintPartOrAllOfTheRegion)
    {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(white);
        floodFill(image, QPoint(3, 3), {}, { blue, Qt::HorPattern });
        int blueRows = 0;
        for (int y = 0; y < 16; ++y) {
            const bool rowBlue = image.pixel(0, y) == blue;
            blueRows += rowBlue;
            for (int x = 1; x < 16; ++x)
                EXPECT_EQ(image.pixel(x, y) == blue, rowBlue) << x << "," << y;
        }
        EXPECT_EQ(blueRows, 2);
        const int whiteRow = image.pixel(0, 5) == white ? 5 : 6;
        floodFill(image, QPoint(3, whiteRow), { FillBoundary::BorderColour, blue, {} },
            { green, Qt::SolidPattern, true });
        EXPECT_EQ(image.pixel(3, whiteRow), qRgb(0, 0, 0));
    }

} // namespace
} // namespace velmora
