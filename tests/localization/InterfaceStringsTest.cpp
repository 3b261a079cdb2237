#include "localization/InterfaceStrings.h"
#include "localization/DictionarySources.h"
#include "localization/ObjStream.h"
#include "localization/StoredDictionary.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    std::vector<uint8_t> interfaceBlock(std::string_view language, std::string_view text)
    {
        std::string plain(language);
        plain.push_back('\0');
        plain += text;
        return makeObjBlock(storedDictionary(plain, 200));
    }

    const std::vector<uint8_t> english
        = interfaceBlock("ENGLISH", "[strings]\nhello = Hello\xB6World\ngreet = Hi %s!\n");
    const std::vector<uint8_t> slovak = interfaceBlock("SLOVAK", "[strings]\nhello = Ahoj\n");

    TEST(InterfaceStrings, TableFollowsTheProjectLanguageOrElseEnglish)
    {
        const std::span<const uint8_t> blocks[] = { slovak, english };
        struct Case {
            const char* projectLanguage;
            const char* expectedTable;
        };
        const Case cases[] = {
            { "slovak", "SLOVAK" },
            { "SloVak", "SLOVAK" },
            { "english", "ENGLISH" },
            { "czech", "ENGLISH" },
            { "*", "ENGLISH" },
        };
        for (const auto& test : cases) {
            InterfaceStrings strings(blocks);
            strings.setProjectLanguage(test.projectLanguage);
            EXPECT_EQ(strings.tableLanguage(), test.expectedTable) << test.projectLanguage;
        }
    }

    TEST(InterfaceStrings, WithoutAMatchOrEnglishThereIsNoTable)
    {
        const std::span<const uint8_t> blocks[] = { slovak };
        InterfaceStrings strings(blocks);
        strings.setProjectLanguage("czech");
        EXPECT_EQ(strings.interfaceString("hello"), "");
        EXPECT_EQ(strings.tableLanguage(), "");
    }

    TEST(InterfaceStrings, TheTableIsChosenOnce)
    {
        const std::span<const uint8_t> blocks[] = { slovak, english };
        InterfaceStrings strings(blocks);
        EXPECT_EQ(strings.interfaceString("hello"), "Hello\r\nWorld");
        strings.setProjectLanguage("slovak");
        EXPECT_EQ(strings.interfaceString("hello"), "Hello\r\nWorld");
    }

    TEST(InterfaceStrings, LookupsSetTheFoundFlagAndFormat)
    {
        const std::span<const uint8_t> blocks[] = { english };
        InterfaceStrings strings(blocks);
        clearInterfaceStringFound();
        EXPECT_EQ(strings.lookup("strings", "absent"), "");
        EXPECT_FALSE(interfaceStringFound());
        EXPECT_EQ(strings.formattedInterfaceString("greet", "Ann"), "Hi Ann!");
        EXPECT_TRUE(interfaceStringFound());
    }

    TEST(InterfaceStrings, BuiltInEnglishTableLoads)
    {
        const auto blocks = embeddedInterfaceBlocks();
        if (std::none_of(blocks.begin(), blocks.end(),
                [](auto block) { return embeddedBlockName(block) == "ENGLISH"; }))
            GTEST_SKIP() << "no English user-interface table is built in";
        InterfaceStrings strings(blocks);
        EXPECT_EQ(strings.tableLanguage(), "ENGLISH");
    }

} // namespace
} // namespace velmora
