// Pixel ranges hold their right and bottom edges; a range of one pixel is valid.
#include "graphics/PixelRange.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(PixelRangeTest, EdgesAreInclusive)
    {
        const PixelRange pane = PixelRange::ofPane(QSize(400, 300));
        EXPECT_EQ(pane, (PixelRange { 0, 399, 0, 299 }));
        EXPECT_EQ(pane.clipRect(), QRect(0, 0, 400, 300));
        EXPECT_TRUE(pane.contains({ 399, 299 }));
        EXPECT_FALSE(pane.contains({ 399.5L, 0 }));
        EXPECT_EQ(pane.clamped({ -3, 1000 }), (PixelPoint { 0, 299 }));

        const PixelRange point { 5, 5, 7, 7 };
        EXPECT_EQ(point.clipRect(), QRect(5, 7, 1, 1));
        EXPECT_EQ(point.clamped({ 100, -100 }), (PixelPoint { 5, 7 }));
    }

} // namespace
} // namespace velmora
