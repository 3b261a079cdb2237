// Positions as Logo lists and "setxy" inputs, with "any" for a coordinate and the margins of
// "anypos".
#include "graphics/TurtlePositions.h"

#include "core/MainVariableFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

    class TurtlePositionsTest : public MainVariableFixture {
    protected:
        // 400 by 300, its origin at (200, 150).
        Surface pane { QSize(400, 300), qRgb(255, 255, 255) };

        struct Spread {
            LogoReal lowX = 1e9, highX = -1e9, lowY = 1e9, highY = -1e9;
        };

        // The smallest and largest coordinates of many random positions.
        Spread spreadOf(std::string_view position)
        {
            Spread spread;
            const ValueRef input = value(position);
            for (int draw = 0; draw < 5000; ++draw) {
                const PixelPoint point = positionFromList(input.get(), pane);
                spread.lowX = std::min(spread.lowX, point.x);
                spread.highX = std::max(spread.highX, point.x);
                spread.lowY = std::min(spread.lowY, point.y);
                spread.highY = std::max(spread.highY, point.y);
            }
            return spread;
        }
    };

    TEST_F(TurtlePositionsTest, CartesianPositionsBecomePixels)
    {
        EXPECT_EQ(positionFromList(value("[10 20]").get(), pane), (PixelPoint { 210, 130 }));
        EXPECT_EQ(
            positionFromList(value("[-0.25 0.5]").get(), pane), (PixelPoint { 199.75L, 149.5L }));
        EXPECT_EQ(positionFromCoordinates(value("-200").get(), value("-150").get(), pane),
            (PixelPoint { 0, 300 }));
    }

    TEST_F(TurtlePositionsTest, AnyKeepsItsMarginFromTheEdges)
    {
        const struct {
            const char* anypos; // none: the default
            const char* position;
            Spread expected;
        } cases[] = {
            { nullptr, "any", { 10, 389, 10, 289 } }, // "setxy any any"
            { nullptr, "[any 5]", { 10, 389, 145, 145 } },
            { nullptr, "[-5 any]", { 195, 195, 10, 289 } },
            { "50", "any", { 50, 349, 50, 249 } },
            { "[0 100]", "any", { 0, 399, 100, 199 } },
            // Wider than the pane: its middle; exactly as wide: the margin itself.
            { "[200 151]", "any", { 200, 200, 150, 150 } },
            { "[a b]", "any", { 10, 389, 10, 289 } },
        };
        for (const auto& c : cases) {
            if (c.anypos)
                setMainVariable("anypos", c.anypos);
            const Spread spread = spreadOf(c.position);
            const std::string label = std::string(c.anypos ? c.anypos : "") + " " + c.position;
            EXPECT_EQ(spread.lowX, c.expected.lowX) << label;
            EXPECT_EQ(spread.highX, c.expected.highX) << label;
            EXPECT_EQ(spread.lowY, c.expected.lowY) << label;
            EXPECT_EQ(spread.highY, c.expected.highY) << label;
        }
    }

    TEST_F(TurtlePositionsTest, APositionIsTwoNumbersOrAny)
    {
        const struct {
            const char* input;
            int error;
        } cases[] = {
            { "home", erExpectList2 },
            { "[1]", erExpectList2 },
            { "[1 2 3]", erExpectList2 },
            { "[]", erExpectList2 },
            { "[a 2]", erExpectNumber },
        };
        for (const auto& c : cases) {
            try {
                positionFromList(value(c.input).get(), pane);
                ADD_FAILURE() << c.input << " was accepted";
            } catch (const eLogoException& error) {
                EXPECT_EQ(error.code, c.error) << c.input;
            }
        }
    }

} // namespace
} // namespace velmora
