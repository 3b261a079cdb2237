#include "values/Reader.h"
#include "values/ValueFactory.h"
#include "values/ValueFixture.h"

#include <random>

namespace velmora {
namespace {

    class SourceForm : public ValueFixture { };

    std::string sourceFormOf(std::string text)
    {
        ValueRef word(makeWord(std::move(text)));
        return word->sourceForm(true);
    }

    TEST_F(SourceForm, EscapesWhatTheReaderWouldSplit)
    {
        const struct {
            std::string word;
            std::string source;
        } cases[] = {
            { "hello world", "|hello world|" },
            { "a|b", "a\\|b" },
            { "", "||" },
            { "x\r\ny", "x\xB6y" },
            { "x\ny", "x\xB6y" },
            { "-", "-" },
            { "-5", "|-5|" },
            { "a+b", "|a+b|" },
            { "a+|", "a\\+\\|" },
            { "\"(", "\"(" },
            { "\"a b", "\"|a b|" },
            { "<>", "<>" },
            { "<=", "<=" },
            { "a\tb", "a\\9.b" },
            { "a b\t", "|a b|\\9" },
            { "[x]", "|[x]|" },
            { "back\\slash", "|back\\slash|" },
        };
        for (const auto& c : cases)
            EXPECT_EQ(sourceFormOf(c.word), c.source) << c.word;
    }

    TEST_F(SourceForm, PrintsCarriageReturnsWithLineFeeds)
    {
        ValueRef word(makeWord("x\ry"));
        EXPECT_EQ(word->printForm(false), "x\r\ny");
    }

    // Reading the source form of any word gives back a word of the same characters.
    TEST_F(SourceForm, ReadsBackAsTheSameWordForGeneratedWords)
    {
        static const char characters[] = "ab1 []()|\\\"';:+-*/<>=.e\t\xB6\xE9\r";
        const std::string alphabet = std::string(characters, sizeof characters - 1) + '\0';
        std::mt19937 random(2026);
        for (int trial = 0; trial < 20000; ++trial) {
            std::string word;
            const int length = static_cast<int>(random() % 8);
            for (int i = 0; i < length; ++i)
                word += alphabet[random() % alphabet.size()];
            // A lone CR LF pair is one line break: words hold CR for it.
            for (size_t at; (at = word.find("\r\n")) != std::string::npos;)
                word.erase(at + 1, 1);
            const std::string source = sourceFormOf(word);
            ValueRef list(readList(source));
            auto* read = static_cast<tLogoList*>(list.get());
            ASSERT_EQ(read->count(), 1) << "word [" << word << "] source [" << source << "]";
            EXPECT_EQ(read->first()->text(), word) << "source [" << source << "]";
        }
    }

} // namespace
} // namespace velmora
