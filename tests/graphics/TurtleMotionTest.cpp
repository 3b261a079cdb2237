// The geometry of turtle moves: heading arithmetic, and the path of a move under each edge
// behaviour, checked piece by piece.
#include "graphics/TurtleMotion.h"
#include "graphics/TurtleHeading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace velmora {
namespace {

    constexpr LogoReal notANumber = std::numeric_limits<LogoReal>::quiet_NaN();
    constexpr LogoReal infinity = std::numeric_limits<LogoReal>::infinity();

    struct Piece {
        PixelPoint from;
        PixelPoint to;
        bool operator==(const Piece&) const = default;
    };

    void PrintTo(const Piece& piece, std::ostream* out)
    {
        *out << "(" << double(piece.from.x) << "," << double(piece.from.y) << ")->("
             << double(piece.to.x) << "," << double(piece.to.y) << ")";
    }

    struct Recorded {
        MoveResult result;
        std::vector<Piece> pieces;
    };

    Recorded move(PixelPoint from, PixelPoint target, RangeStyle style, PixelRange range)
    {
        Recorded recorded;
        recorded.result
            = moveTurtle(from, target, style, range, [&](const PixelPoint& a, const PixelPoint& b) {
                  recorded.pieces.push_back({ a, b });
              });
        return recorded;
    }

    const PixelRange square400 = PixelRange::ofPane(QSize(400, 400));

    TEST(TurtleHeadingTest, HeadingsAreKeptInOneTurn)
    {
        const struct {
            LogoReal degrees;
            LogoReal heading;
        } cases[] = {
            { 370, 10 }, // right 370 from 0
            { -10, 350 }, // left 10 from 0
            { 360, 0 },
            { -720, 0 },
            { 720.5L, 0.5L },
            { -1e-30L, 0 }, // 360 - 1e-30 is 360 itself
            { 1e30L, std::fmod(1e30L, 360) },
            { notANumber, 0 },
            { -infinity, 0 },
        };
        for (const auto& c : cases)
            EXPECT_EQ(normalizedHeading(c.degrees), c.heading) << double(c.degrees);
    }

    TEST(TurtleHeadingTest, TowardsFollowsTheQuadrants)
    {
        const PixelPoint from { 100, 100 };
        const struct {
            PixelPoint target;
            double heading;
        } cases[] = {
            { { 100, 100 }, 0 }, // its own position
            { { 100, 50 }, 0 },
            { { 150, 100 }, 90 },
            { { 100, 150 }, 180 },
            { { 50, 100 }, 270 },
            { { 110, 90 }, 45 },
            { { 110, 110 }, 135 },
            { { 90, 110 }, 225 },
            { { 90, 90 }, 315 },
            { { 110, 100 - 10 * std::sqrt(3.0L) }, 30 },
        };
        for (const auto& c : cases)
            EXPECT_NEAR(double(headingTowards(from, c.target)), c.heading, 1e-12)
                << double(c.target.x) << " " << double(c.target.y);
        const LogoReal hairLeftOfUp = headingTowards(from, { 100 - 1e-30L, 0 });
        EXPECT_GE(hairLeftOfUp, 0);
        EXPECT_LT(hairLeftOfUp, 360);
    }

    TEST(TurtleHeadingTest, ForwardAlongTheAxesStaysOnWholePixels)
    {
        const PixelPoint from { 100, 100 };
        EXPECT_EQ(forwardTarget(from, 0, 50), (PixelPoint { 100, 50 }));
        EXPECT_EQ(forwardTarget(from, 90, 50), (PixelPoint { 150, 100 }));
        EXPECT_EQ(forwardTarget(from, 180, -50), (PixelPoint { 100, 50 }));
        EXPECT_EQ(forwardTarget(from, 270, 50), (PixelPoint { 50, 100 }));
        const PixelPoint diagonal = forwardTarget(from, 135, std::sqrt(2.0L) * 10);
        EXPECT_NEAR(double(diagonal.x), 110, 1e-12);
        EXPECT_NEAR(double(diagonal.y), 110, 1e-12);
    }

    TEST(TurtleMotionTest, WindowLeavesThePaneAndFenceStopsOnTheEdge)
    {
        const PixelPoint origin { 200, 200 };
        const Recorded window = move(origin, { 200, -800 }, RangeStyle::Window, square400);
        EXPECT_EQ(window.result.position, (PixelPoint { 200, -800 }));
        EXPECT_EQ(window.pieces, (std::vector<Piece> { { origin, { 200, -800 } } }));

        const Recorded fence = move(origin, { 200, -800 }, RangeStyle::Fence, square400);
        EXPECT_EQ(fence.result.position, (PixelPoint { 200, 0 }));
        EXPECT_EQ(fence.pieces, (std::vector<Piece> { { origin, { 200, 0 } } }));

        // A turtle that "window" left outside resumes from the edge under any other style.
        const Recorded back = move({ 200, -800 }, { 200, -700 }, RangeStyle::Fence, square400);
        EXPECT_EQ(back.pieces, (std::vector<Piece> { { { 200, 0 }, { 200, 0 } } }));
    }

    TEST(TurtleMotionTest, WrapCarriesTheRestOfThePathAcrossAPane)
    {
        // Forward 1000 from the origin of a 600 by 400 pane, heading up: each crossing carries
        // what is left of the path down by the pane's height less one.
        const Recorded wrap
            = move({ 300, 200 }, { 300, -800 }, RangeStyle::Wrap, PixelRange::ofPane({ 600, 400 }));
        const std::vector<Piece> expected {
            { { 300, 200 }, { 300, 0 } },
            { { 300, 399 }, { 300, 0 } },
            { { 300, 399 }, { 300, 0 } },
            { { 300, 399 }, { 300, 394 } },
        };
        EXPECT_EQ(wrap.pieces, expected);
        EXPECT_EQ(wrap.result.position, (PixelPoint { 300, 394 }));
        EXPECT_FALSE(wrap.result.cutShort);
    }

    TEST(TurtleMotionTest, WrapThroughACornerContinuesFromTheNextCornersClockwise)
    {
        const struct {
            const char* corner;
            PixelPoint target;
            std::vector<Piece> pieces;
        } cases[] = {
            { "top right", { 598, -200 },
                { { { 200, 200 }, { 399, 0 } }, { { 399, 399 }, { 399, 399 } },
                    { { 0, 399 }, { 199, 199 } } } },
            { "top left", { -200, -200 },
                { { { 200, 200 }, { 0, 0 } }, { { 399, 0 }, { 399, 0 } },
                    { { 399, 399 }, { 199, 199 } } } },
        };
        for (const auto& c : cases) {
            const Recorded wrap = move({ 200, 200 }, c.target, RangeStyle::Wrap, square400);
            EXPECT_EQ(wrap.pieces, c.pieces) << c.corner;
            EXPECT_EQ(wrap.result.position, (PixelPoint { 199, 199 })) << c.corner;
        }
    }

    TEST(TurtleMotionTest, BounceComesBackHeadingAwayFromTheLastWall)
    {
        // Forward 500 towards the right wall.
        const Recorded wall = move({ 200, 200 }, { 700, 200 }, RangeStyle::Bounce, square400);
        EXPECT_EQ(wall.pieces,
            (std::vector<Piece> { { { 200, 200 }, { 399, 200 } }, { { 399, 200 }, { 98, 200 } } }));
        EXPECT_EQ(wall.result.position, (PixelPoint { 98, 200 }));
        ASSERT_TRUE(wall.result.bouncePoint);
        EXPECT_EQ(*wall.result.bouncePoint, (PixelPoint { 399, 200 }));
        EXPECT_EQ(
            normalizedHeading(headingTowards(wall.result.position, *wall.result.bouncePoint) + 180),
            270);

        // Off the right wall, the top and the bottom: one bounce point is reported, the last.
        const Recorded walls = move({ 300, 200 }, { 700, -600 }, RangeStyle::Bounce, square400);
        const std::vector<Piece> expected {
            { { 300, 200 }, { 399, 2 } },
            { { 399, 2 }, { 398, 0 } },
            { { 398, 0 }, { 198.5L, 399 } },
            { { 198.5L, 399 }, { 98, 198 } },
        };
        EXPECT_EQ(walls.pieces, expected);
        ASSERT_TRUE(walls.result.bouncePoint);
        EXPECT_EQ(*walls.result.bouncePoint, (PixelPoint { 198.5L, 399 }));

        // A corner reflects both ways.
        const Recorded corner = move({ 200, 200 }, { 598, -200 }, RangeStyle::Bounce, square400);
        EXPECT_EQ(corner.result.position, (PixelPoint { 200, 200 }));
        EXPECT_EQ(*corner.result.bouncePoint, (PixelPoint { 399, 0 }));

        const Recorded inside = move({ 200, 200 }, { 300, 200 }, RangeStyle::Bounce, square400);
        EXPECT_FALSE(inside.result.bouncePoint);
        EXPECT_EQ(inside.pieces.size(), 1U);
    }

    TEST(TurtleMotionTest, AMoveWithoutADrawerOnlyMoves)
    {
        EXPECT_EQ(
            moveTurtle({ 200, 200 }, { 700, 200 }, RangeStyle::Bounce, square400, {}).position,
            (PixelPoint { 98, 200 }));
    }

    // Ranges too small to cross, and targets too far or not finite, must end every move, inside
    // the range, with the turtle told that it fell short.
    TEST(TurtleMotionTest, DegenerateMovesEndInsideTheRange)
    {
        const PixelRange point { 5, 5, 5, 5 };
        const PixelRange twoWide { 0, 1, 0, 399 };
        const struct {
            const char* name;
            RangeStyle style;
            PixelRange range;
            PixelPoint target;
        } cases[] = {
            { "wrap in a point", RangeStyle::Wrap, point, { 5, -100 } },
            { "bounce in a point", RangeStyle::Bounce, point, { 5, -100 } },
            { "wrap two pixels wide", RangeStyle::Wrap, twoWide, { -1000, 200 } },
            { "wrap to a far target", RangeStyle::Wrap, square400, { 3, -1e30L } },
            { "bounce to a far target", RangeStyle::Bounce, square400, { 1e300L, 7e299L } },
            { "wrap to nowhere", RangeStyle::Wrap, square400, { notANumber, 0 } },
            { "bounce to infinity", RangeStyle::Bounce, square400, { infinity, 0 } },
            { "fence to nowhere", RangeStyle::Fence, square400, { 0, notANumber } },
        };
        for (const auto& c : cases) {
            const Recorded recorded = move({ 1, 1 }, c.target, c.style, c.range);
            EXPECT_TRUE(recorded.result.cutShort) << c.name;
            EXPECT_TRUE(c.range.contains(recorded.result.position)) << c.name;
            EXPECT_LT(recorded.pieces.size(), size_t(maximumMovePieces)) << c.name;
        }
        const Recorded window = move({ 1, 1 }, { infinity, 0 }, RangeStyle::Window, square400);
        EXPECT_TRUE(window.result.cutShort);
        EXPECT_EQ(window.result.position, (PixelPoint { 1, 1 }));
        EXPECT_TRUE(window.pieces.empty());
    }

} // namespace
} // namespace velmora
