#include "startup/ConsoleText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(ConsoleText, ConvertsBetweenUtf8AndTheCodePageEveryTime)
    {
        const ConsoleText text(iconvCodePageOf("english"));
        // Twice each, so that a converter kept open serves more than one line.
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(text.fromConsole("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
            EXPECT_EQ(text.toConsole("caf\xE9\r\n\x80"), "caf\xC3\xA9\n\xE2\x82\xAC");
            EXPECT_EQ(text.fromConsole("print [a b]"), "print [a b]");
            EXPECT_EQ(text.toConsole("a\r\nb\rc"), "a\nb\rc");
        }
        // A letter the code page lacks (L with stroke) becomes "?", and the rest still converts.
        EXPECT_EQ(text.fromConsole("\xC5\x81\xC3\xA9x"), "?\xE9x");
        const ConsoleText central(iconvCodePageOf("polish"));
        EXPECT_EQ(central.fromConsole("\xC5\x81"), "\xA3");
    }

} // namespace
} // namespace velmora
