// Names compared without their accents, and words written without them, in each code page: a
// byte is read as the letter its own code page puts there.
#include "localization/NameComparison.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    struct Spellings {
        CodePage codePage;
        const char* written;
        const char* typed;
        bool sameName;
    };

    TEST(NameComparisonTest, AccentedLettersFoldToTheirBaseLetterInTheirOwnCodePage)
    {
        const Spellings cases[] = {
            { CodePage::Windows1250,
                "\x9A"
                "as",
                "SAS", true }, // šas
            { CodePage::Windows1250, "\xE0", "R", true }, // ŕ
            { CodePage::Windows1252, "\xE0", "a", true }, // à
            { CodePage::Windows1252, "\xE0", "R", false },
            { CodePage::Windows1252, "p\xE1ra", "PARA", true }, // pára
            { CodePage::Windows1252,
                "fa\xE7"
                "a",
                "faca", true }, // faça
            { CodePage::Windows1257,
                "\xF0"
                "a",
                "sa", true }, // ša
            { CodePage::Windows1257, "\xE0", "a", true }, // ą
            { CodePage::Windows1257, "\xFE", "Z", true }, // ž
            { CodePage::Windows1257, "\xE0", "R", false },
        };
        for (const Spellings& names : cases) {
            const NameComparison comparison = NameComparison::accentInsensitive(names.codePage);
            EXPECT_EQ(comparison.equal(names.written, names.typed), names.sameName)
                << names.written << " / " << names.typed;
        }
    }

    TEST(NameComparisonTest, WordsWrittenWithoutAccentsKeepTheirCase)
    {
        const struct {
            CodePage codePage;
            const char* word;
            const char* plain;
        } cases[] = {
            { CodePage::Windows1250,
                "\x8A"
                "\x9A",
                "Ss" }, // Šš
            { CodePage::Windows1250, "pravdiv\xE9", "pravdive" }, // pravdivé
            { CodePage::Windows1252, "p\xE1ra", "para" },
            { CodePage::Windows1252, "\xC0\xE0", "Aa" },
            { CodePage::Windows1257, "\xD0\xF0", "Ss" }, // Šš
            { CodePage::Windows1257, "ties\xE0", "tiesa" }, // tiesą
        };
        for (const auto& word : cases)
            EXPECT_EQ(withoutAccents(word.word, word.codePage), word.plain) << word.word;
    }

} // namespace
} // namespace velmora
