// Colour conversions that Logo code cannot reach through "torgb": the value colour reporters give
// under each "colourstyle", colour text as settings store it, and the second grammatical form of
// colour words.
#include "values/ValueFixture.h"

#include "core/Colours.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "values/ValueFactory.h"

#include <optional>

namespace velmora {
namespace {

    class Colours : public ValueFixture {
    protected:
        void setGlobal(std::string_view name, tlogoobject* value)
        {
            state().globalVariables->setVar(NameCodes::instance().intern(name), value);
        }
    };

    struct ReportCase {
        std::optional<int32_t> style; // none: the variable does not exist
        Colour colour;
        std::string_view shown;
    };

    // clang-format off
    const ReportCase reportCases[] = {
        { std::nullopt, 0xFF0000, "12" },
        { std::nullopt, 0x123456, "[18 52 86]" },
        { 0, 0xFFFFFF, "15" },
        { 0, 0x280000, "[40 0 0]" },
        { 1, 0xFF0000, "red" },
        { 1, 0x280000, "red1" },
        // White, black and light grey are named before the grey shades of the same colour.
        { 1, 0x000000, "black" },
        { 1, 0xC0C0C0, "lightgrey" },
        { 1, 0x123456, "[18 52 86]" },
        { 2, 0xFF0000, "[255 0 0]" },
    };
    // clang-format on

    TEST_F(Colours, ReportsByColourStyle)
    {
        for (const ReportCase& row : reportCases) {
            if (row.style)
                setGlobal("colourstyle", ValueRef(makeInteger(*row.style)).get());
            const ValueRef value(colourValue(row.colour));
            EXPECT_EQ(value->printForm(true), row.shown)
                << "style " << row.style.value_or(-1) << ", colour " << std::hex << row.colour;
        }
    }

    struct TextCase {
        std::string_view text;
        Colour colour;
    };

    const TextCase textCases[] = {
        { "[1 2 3]", 0x010203 },
        { "[255 0 128]", 0xFF0080 },
        { "red1", 0x280000 },
        // Anything malformed after the bracket is black.
        { "[255 0]", 0 },
        { "[255  0 0]", 0 },
        { "[255 0 256]", 0 },
        { "[255 0 -1]", 0 },
        { "[255 0 0", 0 },
        { "[255 0 0] ", 0 },
        { "[red 0 0]", 0 },
    };

    TEST_F(Colours, ReadsColourText)
    {
        for (const TextCase& row : textCases)
            EXPECT_EQ(colourFromText(row.text), row.colour) << row.text;
        try {
            colourFromText("mauve");
            ADD_FAILURE() << "a word that names no colour was read";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erColorWrongName);
        }
    }

    // A language whose colour words change form: "red" and "grey" have two words each.
    std::unique_ptr<TDTables> inflectedColours()
    {
        std::string text = "[colors]\n"
                           "red = cerveny cervena|cerveneho cervenej\n"
                           "grey = sivy|siveho\n";
        for (const SingleColour& single : singleColours)
            text.append(single.key).append(" = x|y\n");
        for (const ShadedColour& shaded : shadedColours)
            if (shaded.key != "red" && shaded.key != "grey")
                text.append(shaded.key).append(" = x|y\n");
        auto tables = std::make_unique<TDTables>();
        tables->parseText(text);
        return tables;
    }

    struct SecondFormCase {
        std::string_view word;
        std::string_view secondForm;
    };

    const SecondFormCase secondFormCases[] = {
        { "cervena12", "cervenej12" },
        { "CERVENY", "cerveneho" },
        { "sivy3", "siveho3" },
        { "modry5", "modry5" },
    };

    TEST(ColourWords, TakeTheirSecondFormWordByWord)
    {
        languageDictionary().install(inflectedColours(), "inflected");
        for (const SecondFormCase& row : secondFormCases)
            EXPECT_EQ(inSecondForm(row.word), row.secondForm) << row.word;
        EXPECT_EQ(colourName(0x280000, WordForm::Second), "cerveneho1");
        EXPECT_EQ(colourName(0xFF0000, WordForm::First), "cerveny");
        startEngine();
    }

} // namespace
} // namespace velmora
