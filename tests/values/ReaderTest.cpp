#include "values/Reader.h"

#include "values/Errors.h"
#include "values/ValueFixture.h"

namespace velmora {
namespace {

    class Reader : public ValueFixture { };

    // Each element's kind and source form, separated by " | ".
    std::string describe(std::string_view text)
    {
        ValueRef list(readList(text));
        std::string description;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(list.get()))) {
            if (!description.empty())
                description += " | ";
            switch (element->kind()) {
            case ValueKind::Integer:
                description += "int:";
                break;
            case ValueKind::Real:
                description += "real:";
                break;
            case ValueKind::Boolean:
                description += "bool:";
                break;
            default:
                break;
            }
            description += element->sourceForm(true);
        }
        return description;
    }

    TEST_F(Reader, ReadsTokensAsTheTokenizerStatesSay)
    {
        const struct {
            const char* text;
            const char* elements;
        } cases[] = {
            { "fd -10", "fd | int:-10" },
            { "a-10", "a | - | int:10" },
            { "(-10)", "( | - | int:10 | )" },
            { "3-4", "int:3 | - | int:4" },
            { "3 -4", "int:3 | int:-4" },
            { "\\65.b", "Ab" },
            { "\\65", "A" },
            { "|hello world|", "|hello world|" },
            { "|a b|c", "|a bc|" },
            { "\"(", "\"(" },
            { "\"", "\"" },
            { "12abc", "12abc" },
            { "1e5", "1e5" }, // at the very end only an integer makes a number token
            { "1e5 x", "real:1e5 | x" },
            { "1e", "1e" },
            { "1.5", "1.5" },
            { "1.5 x", "real:1.5 | x" },
            { "007", "int:007" },
            { "true FALSE", "bool:true | bool:FALSE" },
            { "a<=b", "a | <= | b" },
            { "x<>y", "x | <> | y" },
            { "[a [b]] c", "[a [b]] | c" },
            { "a\r\nb", "a | b" },
            { "a\tb", "a | b" },
            { "a\\", "a" },
            { "\\ x", "| x|" },
            { "ab\xB6"
              "c",
                "ab\xB6"
                "c" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(describe(c.text), c.elements) << c.text;
    }

    TEST_F(Reader, UnbalancedBracketsAreErrors)
    {
        const struct {
            const char* text;
            errorConst error;
        } cases[] = {
            { "[1 [2 3]", erMissingRBracket },
            { "1 2]", erExtraRBracket },
            { "]", erExtraRBracket },
        };
        for (const auto& c : cases) {
            try {
                ValueRef list(readList(c.text));
                ADD_FAILURE() << c.text << " read without error";
            } catch (const eLogoException& error) {
                EXPECT_EQ(error.code, c.error) << c.text;
            }
        }
        ValueRef closed(readList("[1 [2 3", BracketPolicy::CloseSilently));
        EXPECT_EQ(closed->sourceForm(false), "[1 [2 3]]");
    }

    TEST_F(Reader, ReadsLinesAndLocatesElements)
    {
        ValueRef lines(readLines("  a b\r\n\r\nc [d e]  "));
        EXPECT_EQ(lines->sourceForm(false), "[a b] [] [c [d e]]");

        const std::string text = "to f :x\r\nprint [a\r\nb]\r\nend";
        const int32_t expectedLines[] = { 1, 1, 1, 2, 2, 2, 3, 4, -1 };
        for (int32_t n = 1; n <= 9; ++n)
            EXPECT_EQ(locateElement(text, n), expectedLines[n - 1]) << n;
    }

} // namespace
} // namespace velmora
