#include "localization/DictionaryText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    TEST(DictionaryText, SplitTrimsEveryPieceButTheFirst)
    {
        struct Case {
            std::string text;
            char separator;
            std::vector<std::string> expected;
        };
        const Case cases[] = {
            { "forward fd fw", ' ', { "forward", "fd", "fw" } },
            { "forward   fd ", ' ', { "forward", "fd" } },
            { "", ' ', {} },
            { "single", ' ', { "single" } },
            { " a , b ,c ", ',', { " a ", "b", "c" } },
            { "a,,b", ',', { "a", "", "b" } },
        };
        for (const auto& test : cases)
            EXPECT_EQ(split(test.text, test.separator), test.expected) << '"' << test.text << '"';
    }

} // namespace
} // namespace velmora
