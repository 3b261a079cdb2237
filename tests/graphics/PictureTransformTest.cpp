// Rotating and tinting pictures, pixel by pixel against expectations worked out by hand from the
// mapping and the tint formula for small pictures whose pixels all differ (ImagePictures.h).
#include "ImagePictures.h"
#include "graphics/PictureRotation.h"
#include "graphics/PictureTint.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace velmora {
namespace {

    // Each row of the expected picture: the source pixel a pixel shows, or none for transparent.
    using Source = std::optional<QPoint>;
    using Expected = std::vector<std::vector<Source>>;

    void expectPixels(const tLogoPicture& rotated, const QImage& source, const Expected& expected)
    {
        ASSERT_EQ(rotated.height(), static_cast<int>(expected.size()));
        for (int y = 0; y < rotated.height(); ++y) {
            ASSERT_EQ(rotated.width(), static_cast<int>(expected[y].size()));
            for (int x = 0; x < rotated.width(); ++x) {
                const Source& from = expected[y][x];
                EXPECT_EQ(rotated.isTransparentAt(x, y), !from) << x << "," << y;
                const QRgb wanted = from ? source.pixel(*from) : qRgb(0, 0, 0);
                EXPECT_EQ(rotated.image().pixel(x, y), wanted) << x << "," << y;
            }
        }
    }

    TEST(PictureTransformTest, AQuarterTurnClockwisePutsTheTopRowOnTheRight)
    {
        const PictureRef picture = patternPicture({ 3, 2 }, 7, { 1, 1 }, 40);
        const PictureRef rotated = rotatedPicture(*picture, 90);
        EXPECT_EQ(rotated->hotSpot(), QPoint(1, 1));
        EXPECT_EQ(rotated->delay(), 40);
        expectPixels(*rotated, picture->image(),
            { { QPoint(0, 1), QPoint(0, 0) }, { QPoint(1, 1), QPoint(1, 0) },
                { QPoint(2, 1), QPoint(2, 0) } });
    }

    TEST(PictureTransformTest, AHalfTurnAboutTheCornerMovesTheHotSpotToTheOtherSide)
    {
        const PictureRef picture = patternPicture({ 2, 1 }, 9, { 0, 0 });
        const PictureRef rotated = rotatedPicture(*picture, 180);
        EXPECT_EQ(rotated->hotSpot(), QPoint(2, 1));
        expectPixels(*rotated, picture->image(), { { QPoint(1, 0), QPoint(0, 0) } });
    }

    // At 45 degrees the bitmap grows to hold the turned square; what falls outside it is
    // transparent, and nearest-neighbour mapping shows one source pixel twice.
    TEST(PictureTransformTest, AnEighthTurnLeavesTheCornersTransparent)
    {
        const PictureRef picture = patternPicture({ 2, 2 }, 3, { 1, 1 });
        const PictureRef rotated = rotatedPicture(*picture, 45);
        EXPECT_EQ(rotated->hotSpot(), QPoint(2, 2));
        const Source none;
        expectPixels(*rotated, picture->image(),
            { { none, none, none, none }, { none, QPoint(0, 1), QPoint(1, 0), none },
                { none, QPoint(1, 1), QPoint(1, 1), none }, { none, none, none, none } });
    }

    TEST(PictureTransformTest, ATransparentSourcePixelStaysTransparentWhenTurned)
    {
        QImage mask = makeOpaqueMask({ 3, 2 });
        setTransparent(mask, 0, 0);
        const PictureRef picture = makePicture(patternImage({ 3, 2 }, 1), mask, { 1, 1 }, 0);
        const PictureRef rotated = rotatedPicture(*picture, 90);
        EXPECT_TRUE(rotated->isTransparentAt(1, 0));
        EXPECT_FALSE(rotated->isTransparentAt(0, 0));
    }

    struct TintCase {
        QRgb tint;
        QRgb pixel;
        QRgb expected;
    };

    // Worked out from the formula: red has brightness 85 (a dark tint), (200 220 240) has 220.
    const TintCase tintCases[] = {
        { qRgb(255, 0, 0), qRgb(30, 60, 90), qRgb(117, 0, 0) },
        { qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 126, 126) },
        { qRgb(200, 220, 240), qRgb(30, 60, 90), qRgb(182, 201, 219) },
        { qRgb(200, 220, 240), qRgb(255, 255, 255), qRgb(254, 254, 255) },
        { qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 255) },
        { qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0) },
    };

    TEST(PictureTransformTest, TintCarriesBrightnessOverToTheTint)
    {
        for (const TintCase& row : tintCases) {
            QImage one(1, 1, QImage::Format_RGB32);
            one.setPixel(0, 0, row.pixel);
            const PictureRef tinted = tintedPicture(*makePicture(one, {}, {}, 0), row.tint);
            EXPECT_EQ(tinted->image().pixel(0, 0), row.expected)
                << std::hex << row.tint << " " << row.pixel;
        }
    }

    TEST(PictureTransformTest, TintKeepsTransparentPixelsBlack)
    {
        QImage mask = makeOpaqueMask({ 2, 1 });
        setTransparent(mask, 1, 0);
        QImage white(2, 1, QImage::Format_RGB32);
        white.fill(qRgb(255, 255, 255));
        const PictureRef tinted
            = tintedPicture(*makePicture(white, mask, { 0, 0 }, 5), qRgb(255, 0, 0));
        EXPECT_EQ(tinted->image().pixel(0, 0), qRgb(255, 126, 126));
        EXPECT_EQ(tinted->image().pixel(1, 0), qRgb(0, 0, 0));
        EXPECT_TRUE(tinted->isTransparentAt(1, 0));
        EXPECT_EQ(tinted->delay(), 5);
    }

    TEST(PictureTransformTest, APictureIsBlackWhereItsMaskIsWhite)
    {
        QImage mask(2, 1, QImage::Format_RGB32);
        mask.setPixel(0, 0, qRgb(255, 255, 255));
        mask.setPixel(1, 0, qRgb(0, 0, 0));
        const PictureRef picture = makePicture(patternImage({ 2, 1 }, 5), mask, {}, 0);
        EXPECT_EQ(picture->image().pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(picture->image().pixel(1, 0), qRgb(11, 20, 5));
        EXPECT_EQ(picture->mask().format(), QImage::Format_Mono);
    }

} // namespace
} // namespace velmora
