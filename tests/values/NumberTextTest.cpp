#include "values/NumberText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(NumberText, ComputedRealsPrintWithSixSignificantDigits)
    {
        const struct {
            LogoReal value;
            const char* text;
        } cases[] = {
            { 7, "7" },
            { 2.5L, "2.5" },
            { 1e20L, "1E20" },
            { 0.000001L, "1E-6" },
            { 0.00001L, "0.00001" },
            { 1.0L / 3, "0.333333" },
            { 2147483648.0L, "2.14748E9" },
            { 999999.4L, "999999" },
            { 999999.7L, "1E6" },
            { 123456.7L, "123457" },
            { -0.5L, "-0.5" },
            { -1234567, "-1.23457E6" },
            { 0, "0" },
            { 1.5e-300L, "1.5E-300" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(formatReal(c.value), c.text) << static_cast<double>(c.value);
    }

    TEST(NumberText, RecognisesIntegersAndReals)
    {
        const struct {
            const char* text;
            bool integer;
            bool real;
        } cases[] = {
            { "42", true, true },
            { "-2147483648", true, true },
            { "2147483648", false, true },
            { "+7", true, true },
            { "5.", false, true },
            { ".5", false, true },
            { " 1e3 ", false, true },
            { "1e", false, false },
            { "1e+", false, false },
            { "12abc", false, false },
            { "", false, false },
            { "-", false, false },
            { ".", false, false },
            { "inf", false, false },
            { "nan", false, false },
            { "0x10", false, false },
            { "1e4932", false, true },
            { "1e5000", false, false },
            { "-1.2e4933", false, false },
            { "1e-5000", false, true },
        };
        for (const auto& c : cases) {
            int32_t integer = 0;
            LogoReal real = 0;
            EXPECT_EQ(parseInteger(c.text, integer), c.integer) << c.text;
            EXPECT_EQ(parseReal(c.text, real), c.real) << c.text;
        }
    }

} // namespace
} // namespace velmora
