// Ranges as Logo lists: every accepted form, the pane edges that a zero extent reaches, the
// limits, the errors, and the list that reports a range back.
#include "graphics/TurtleRanges.h"

#include "core/MainVariableFixture.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    class TurtleRangesTest : public MainVariableFixture {
    protected:
        // 400 by 300, its origin at (200, 150).
        Surface pane { QSize(400, 300), qRgb(255, 255, 255) };

        int errorOf(std::string_view text)
        {
            try {
                rangeFromList(value(text).get(), pane);
            } catch (const eLogoException& error) {
                return error.code;
            }
            return 0;
        }
    };

    TEST_F(TurtleRangesTest, EveryFormGivesInclusivePixelEdges)
    {
        const struct {
            const char* list;
            PixelRange pixels;
            const char* reported;
        } cases[] = {
            { "[0 0 100 50]", { 200, 299, 150, 199 }, "[0 0 100 50]" },
            { "[-200 150 0 0]", { 0, 399, 0, 299 }, "[-200 150 400 300]" },
            { "[-100 100 0 50]", { 100, 399, 50, 99 }, "[-100 100 300 50]" },
            { "[10 20 [-10 -20]]", { 190, 209, 130, 169 }, "[-10 20 20 40]" },
            { "[[-10 -20] [10 20]]", { 190, 209, 130, 169 }, "[-10 20 20 40]" },
            { "[0 0 -100 -50]", { 100, 199, 100, 149 }, "[-100 50 100 50]" },
            { "[-100000 0 200000 10]", { -32000, 31999, 150, 159 }, "[-32200 0 64000 10]" },
        };
        for (const auto& c : cases) {
            const std::optional<PixelRange> range = rangeFromList(value(c.list).get(), pane);
            ASSERT_TRUE(range) << c.list;
            EXPECT_EQ(*range, c.pixels) << c.list;
            EXPECT_EQ(ValueRef(rangeToList(range, pane))->printForm(true), c.reported) << c.list;
        }
    }

    TEST_F(TurtleRangesTest, TheEmptyListIsTheWholePane)
    {
        EXPECT_FALSE(rangeFromList(value("[]").get(), pane));
        EXPECT_EQ(ValueRef(rangeToList(std::nullopt, pane))->printForm(true), "[]");
    }

    TEST_F(TurtleRangesTest, MalformedRangesAreErrors)
    {
        const struct {
            const char* input;
            int error;
        } cases[] = {
            { "wrap", erExpectList },
            { "[[1 2] 3]", erExpectList },
            { "[1 2 3 4 5]", erBadStructure },
            { "[1 2 [3 4] 5]", erBadStructure },
            { "[[1 2] [3 4] [5 6]]", erBadStructure },
            { "[[1 2 3] [4 5]]", erBadStructure },
            { "[1 2 [3]]", erBadStructure },
            { "[1 2]", erBadStructure },
            { "[a 2 3 4]", erExpectNumber },
        };
        for (const auto& c : cases)
            EXPECT_EQ(errorOf(c.input), c.error) << c.input;
    }

} // namespace
} // namespace velmora
