// The ranges that "any" draws numbers from, as the main object's variables set them.
#include "core/RandomInputs.h"

#include "core/MainVariableFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora {
namespace {

    class RandomInputsTest : public MainVariableFixture { };

    TEST_F(RandomInputsTest, EachQuantityDrawsFromItsRange)
    {
        const struct {
            AnyQuantity quantity;
            const char* variable;
            const char* setting; // none: the default range
            int32_t low;
            int32_t high;
        } cases[] = {
            { AnyQuantity::Forward, "anyforward", nullptr, 1, 100 },
            { AnyQuantity::Left, "anyleft", nullptr, 1, 90 },
            { AnyQuantity::Right, "anyright", nullptr, 1, 90 },
            { AnyQuantity::Angle, "anyangle", nullptr, 0, 359 },
            { AnyQuantity::PenWidth, "anypenwidth", nullptr, 1, 20 },
            { AnyQuantity::PenWidth, "anypenwidth", "5", 1, 5 },
            { AnyQuantity::Forward, "anyforward", "-30", 1, 30 },
            { AnyQuantity::Angle, "anyangle", "0", 0, 0 },
            { AnyQuantity::Left, "anyleft", "-1", 1, 1 },
            { AnyQuantity::Right, "anyright", "[50 10]", 10, 50 },
            { AnyQuantity::Angle, "anyangle", "[-5 -7]", 5, 7 },
            { AnyQuantity::Forward, "anyforward", "[1 2 3]", 1, 100 },
            { AnyQuantity::Left, "anyleft", "far", 1, 90 },
        };
        for (const auto& c : cases) {
            if (c.setting)
                setMainVariable(c.variable, c.setting);
            int32_t low = INT32_MAX, high = INT32_MIN;
            for (int draw = 0; draw < 5000; ++draw) {
                const int32_t drawn = randomAnyValue(c.quantity);
                low = std::min(low, drawn);
                high = std::max(high, drawn);
            }
            EXPECT_EQ(low, c.low) << c.variable << " " << (c.setting ? c.setting : "");
            EXPECT_EQ(high, c.high) << c.variable << " " << (c.setting ? c.setting : "");
        }
    }

    TEST_F(RandomInputsTest, OnlyTheAnyWordIsRandom)
    {
        setMainVariable("anyforward", "[7 7]");
        EXPECT_EQ(numberOrRandom(value("any").get(), AnyQuantity::Forward), 7);
        EXPECT_EQ(numberOrRandom(value("-2.5").get(), AnyQuantity::Forward), -2.5L);
        EXPECT_THROW(numberOrRandom(value("far").get(), AnyQuantity::Forward), eLogoException);
    }

} // namespace
} // namespace velmora
