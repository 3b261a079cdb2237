// Rectangles as Logo lists: both forms in pixels with the corners kept in order for lines and
// normalized for shapes, the cartesian form with its edge-reaching sides and [], and the errors
// of each kind of malformed input.
#include "graphics/RectangleInputs.h"

#include "core/MainVariableFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

    class RectangleInputsTest : public MainVariableFixture {
    protected:
        // 400 by 300, its origin at (200, 150).
        Surface surface { QSize(400, 300), qRgb(255, 255, 255) };

        static int errorOf(const std::function<void()>& read)
        {
            try {
                read();
            } catch (const eLogoException& error) {
                return error.code;
            }
            return 0;
        }
    };

    TEST_F(RectangleInputsTest, PixelRectanglesKeepTheirCornersInOrderUntilNormalized)
    {
        const struct {
            const char* list;
            QPoint first;
            QPoint second;
            QRect normalized;
        } cases[] = {
            { "[10 20 30 40]", { 10, 20 }, { 40, 60 }, { 10, 20, 30, 40 } },
            { "[[10 20] [40 60]]", { 10, 20 }, { 40, 60 }, { 10, 20, 30, 40 } },
            { "[[40 60] [10 20]]", { 40, 60 }, { 10, 20 }, { 10, 20, 30, 40 } },
            { "[40 20 -30 40]", { 40, 20 }, { 10, 60 }, { 10, 20, 30, 40 } },
            { "[[1.5 -2.5] [3.4 2]]", { 2, -3 }, { 3, 2 }, { 2, -3, 1, 5 } },
            { "[5 5 0 0]", { 5, 5 }, { 5, 5 }, { 5, 5, 0, 0 } },
        };
        for (const auto& c : cases) {
            const RectangleCorners corners = rectangleFromList(value(c.list).get());
            EXPECT_EQ(corners.first, c.first) << c.list;
            EXPECT_EQ(corners.second, c.second) << c.list;
            EXPECT_EQ(corners.normalized(), c.normalized) << c.list;
        }
    }

    // A side of no extent reaches the right or bottom edge, whichever corner it starts from.
    TEST_F(RectangleInputsTest, CartesianRectanglesBecomePixelsOfTheSurface)
    {
        const struct {
            const char* list;
            QRect pixels;
        } cases[] = {
            { "[]", { 0, 0, 400, 300 } },
            { "[0 0 50 20]", { 200, 150, 50, 20 } },
            { "[[-10 10] [10 -10]]", { 190, 140, 20, 20 } },
            { "[[10 -10] [-10 10]]", { 190, 140, 20, 20 } },
            { "[-200 150 0 0]", { 0, 0, 400, 300 } },
            { "[0 0 0 20]", { 200, 150, 200, 20 } },
            { "[[0 0] [50 0]]", { 200, 150, 50, 150 } },
            { "[0 0 -50 -20]", { 150, 130, 50, 20 } },
        };
        for (const auto& c : cases)
            EXPECT_EQ(cartesianRectangleFromList(value(c.list).get(), surface), c.pixels) << c.list;
    }

    TEST_F(RectangleInputsTest, MalformedRectanglesAndPointsAreErrors)
    {
        const struct {
            const char* input;
            int pixelError; // as a "bg" rectangle
            int cartesianError;
        } cases[] = {
            { "x", erExpectList, erExpectList },
            { "[]", erExpectRect, 0 },
            { "[1 2 3]", erExpectRect, erExpectRect },
            { "[1 2 3 4 5]", erExpectRect, erExpectRect },
            { "[1 2 3 x]", erExpectRect, erExpectRect },
            { "[1 2 [3 4] 5]", erExpectRect, erExpectRect },
            { "[[1 2] [3 4] [5 6]]", erExpectRect, erExpectRect },
            { "[[1 2] [3]]", erExpectPoint, erExpectPoint },
            { "[[1 2] [3 x]]", erExpectPoint, erExpectPoint },
            { "[[1 2] 3]", erExpectList, erExpectList },
        };
        for (const auto& c : cases) {
            const ValueRef input = value(c.input);
            EXPECT_EQ(errorOf([&] { rectangleFromList(input.get()); }), c.pixelError) << c.input;
            EXPECT_EQ(errorOf([&] { cartesianRectangleFromList(input.get(), surface); }),
                c.cartesianError)
                << c.input;
        }
        EXPECT_EQ(errorOf([&] { pointFromList(value("[1 2 3]").get()); }), erExpectPoint);
        EXPECT_EQ(errorOf([&] { pointFromList(value("x").get()); }), erExpectList);
    }

} // namespace
} // namespace velmora
