#include "localization/DictionarySources.h"
#include "localization/CodedStream.h"
#include "localization/LanguageDictionary.h"
#include "localization/ObjStream.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    using namespace std::string_literals;

    std::vector<uint8_t> block(std::string_view text, uint8_t seed = 41)
    {
        return makeObjBlock(scrambleText(text, seed));
    }

    std::string scrambled(std::string_view text)
    {
        const auto bytes = scrambleText(text, tcodedstream::randomSeed());
        return { bytes.begin(), bytes.end() };
    }

    std::optional<std::string> forwardIn(const std::unique_ptr<TDTables>& dictionary)
    {
        if (!dictionary)
            return std::nullopt;
        const auto value = dictionary->find("dict", "forward");
        return std::string(value.value_or("<none>"));
    }

    TEST(DictionarySources, AFileBesideTheProgramReplacesTheBuiltInDictionary)
    {
        const auto builtInBlock = block("[dict]\nforward = built-in\n");
        const EmbeddedDictionary builtIn[] = { { "ENGLISH", builtInBlock } };
        struct Case {
            const char* name;
            std::optional<std::string> fileText;
            std::optional<std::string> expected;
        };
        const Case cases[] = {
            { "no file", std::nullopt, "built-in" },
            { "a file", "[dict]\nforward = from file\n", "from file" },
            { "a file without sections", "; nothing\nforward = x\n", "built-in" },
            { "a file whose first section is empty", "[a]\n[dict]\nforward = from file\n",
                "built-in" },
        };
        for (const auto& test : cases) {
            testing::TemporaryFolder folder;
            if (test.fileText)
                folder.write("english.ldx", scrambled(*test.fileText));
            EXPECT_EQ(forwardIn(createLanguageDictionary("English", folder.path(), builtIn)),
                test.expected)
                << test.name;
        }
    }

    TEST(DictionarySources, ALanguageWithNeitherFileNorBlockHasNoDictionary)
    {
        testing::TemporaryFolder folder;
        EXPECT_EQ(createLanguageDictionary("czech", folder.path(), {}), nullptr);
        folder.write("czech.ldx", scrambled("[dict]\nforward = dopredu\n"));
        EXPECT_EQ(forwardIn(createLanguageDictionary("czech", folder.path(), {})), "dopredu");
    }

    TEST(DictionarySources, InterfaceBlocksCarryTheirLanguageName)
    {
        const auto slovak = block("SLOVAK\0[strings]\nok = OK\n"s);
        EXPECT_EQ(embeddedBlockName(slovak), "SLOVAK");
        EXPECT_EQ(createDictionaryFromEmbeddedBlock(slovak)->find("strings", "ok"), "OK");

        EXPECT_EQ(embeddedBlockName(block("no zero byte")), "");
        EXPECT_EQ(embeddedBlockName({}), "");
        EXPECT_TRUE(createDictionaryFromEmbeddedBlock({})->sections().empty());
    }

    TEST(DictionarySources, BuiltInEnglishDictionaryBecomesCurrent)
    {
        const auto builtIn = embeddedLanguageDictionaries();
        if (std::none_of(builtIn.begin(), builtIn.end(),
                [](const EmbeddedDictionary& entry) { return entry.name == "ENGLISH"; }))
            GTEST_SKIP() << "no English dictionary is built in";
        LanguageDictionary dictionary;
        ASSERT_TRUE(dictionary.loadLanguage("*"));
        EXPECT_EQ(dictionary.currentLanguage(), "english");
        EXPECT_EQ(dictionary.firstDictionaryWord("forward"), "forward");
        EXPECT_EQ(dictionary.setterPrefix(), "set");
    }

} // namespace
} // namespace velmora
