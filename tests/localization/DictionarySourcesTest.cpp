#include "localization/DictionarySources.h"
#include "localization/CodedStream.h"
#include "localization/DictionaryRequirements.h"
#include "localization/LanguageDictionary.h"
#include "localization/ObjStream.h"
#include "localization/StoredDictionary.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

    using namespace std::string_literals;

    std::vector<uint8_t> block(std::string_view text, uint8_t seed = 41)
    {
        return makeObjBlock(storedDictionary(text, seed));
    }

    std::string stored(std::string_view text)
    {
        const auto bytes = storedDictionary(text, tcodedstream::randomSeed());
        return { bytes.begin(), bytes.end() };
    }

    // Everything a dictionary must hold besides what a test is about.
    const std::string requiredEntries = "[text]\nanistanceof=x\n[errors]\nerUnexpected=x\n"
                                        "[ErrorCaptions]\nError=Error\n[other]\ntrue=true\n"
                                        "false=false\nto=to\nend=end\nerror=error\n"
                                        "[param]\nusual=usual\n[system]\nsetfix=set*\n"
                                        "[class]\nmain=Main\n";

    std::string withoutLine(std::string text, std::string_view line)
    {
        return text.erase(text.find(line), line.size());
    }

    std::optional<std::string> forwardIn(const std::unique_ptr<TDTables>& dictionary)
    {
        if (!dictionary)
            return std::nullopt;
        const auto value = dictionary->find("dict", "forward");
        return std::string(value.value_or("<none>"));
    }

    TEST(DictionarySources, AFileBesideTheProgramReplacesTheBuiltInDictionaryWhenItCan)
    {
        const auto builtInBlock = block("[dict]\nforward = built-in\n");
        const EmbeddedDictionary builtIn[] = { { "ENGLISH", builtInBlock } };
        const std::string complete = "[dict]\nforward = from file\n" + requiredEntries;
        enum class Form { None, Stored, Cut, Unchecked, Folder };
        struct Case {
            const char* name;
            Form form;
            std::string text;
            const char* expected;
            const char* warning; // a part of the one warning line; none when empty
        };
        const Case cases[] = {
            { "no file", Form::None, "", "built-in", "" },
            { "a file", Form::Stored, complete, "from file", "" },
            { "a file without sections", Form::Stored, "; nothing\nforward = x\n", "built-in",
                "no sections" },
            { "a file whose first section is empty", Form::Stored, "[a]\n" + complete, "built-in",
                "first section is empty" },
            { "a folder", Form::Folder, "", "built-in", "cannot be read" },
            { "a cut file", Form::Cut, complete, "built-in", "damaged" },
            { "a file without check value", Form::Unchecked, complete, "built-in", "damaged" },
            { "a file without messages", Form::Stored, withoutLine(complete, "erUnexpected=x\n"),
                "built-in", "lacks [errors]" },
            { "a file without the word to", Form::Stored, withoutLine(complete, "to=to\n"),
                "built-in", "lacks other-to" },
        };
        for (const auto& test : cases) {
            testing::TemporaryFolder folder;
            const std::string file = stored(test.text);
            switch (test.form) {
            case Form::None:
                break;
            case Form::Stored:
                folder.write("english.ldx", file);
                break;
            case Form::Cut:
                folder.write("english.ldx", file.substr(0, file.size() - 1));
                break;
            case Form::Unchecked: {
                const auto bytes = scrambleText(test.text, 9);
                folder.write("english.ldx", { bytes.begin(), bytes.end() });
                break;
            }
            case Form::Folder:
                std::filesystem::create_directory(folder.path() / "english.ldx");
                break;
            }
            const auto loaded = createLanguageDictionary("English", folder.path(), builtIn);
            EXPECT_EQ(forwardIn(loaded.dictionary), test.expected) << test.name;
            EXPECT_EQ(loaded.warning.empty(), *test.warning == 0) << test.name;
            EXPECT_NE(loaded.warning.find(test.warning), std::string::npos)
                << test.name << ": " << loaded.warning;
            if (!loaded.warning.empty()) {
                EXPECT_NE(loaded.warning.find("english.ldx"), std::string::npos) << test.name;
            }
        }
    }

    TEST(DictionarySources, ALanguageWithNeitherFileNorBlockHasNoDictionary)
    {
        testing::TemporaryFolder folder;
        EXPECT_EQ(createLanguageDictionary("czech", folder.path(), {}).dictionary, nullptr);
        folder.write("czech.ldx", stored("[dict]\nforward = dopredu\n" + requiredEntries));
        EXPECT_EQ(
            forwardIn(createLanguageDictionary("czech", folder.path(), {}).dictionary), "dopredu");
        folder.write("czech.ldx", stored("[dict]\nforward = dopredu\n"));
        EXPECT_EQ(createLanguageDictionary("czech", folder.path(), {}).dictionary, nullptr);
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
        // Built-in blocks are read on trust at run time, so here their check values are verified.
        for (const EmbeddedDictionary& entry : builtIn) {
            TDTables dictionary;
            tObjStream stream(entry.block);
            dictionary.parse(readStoredDictionary(stream).value());
            EXPECT_EQ(missingRequirement(dictionary), std::nullopt) << entry.name;
        }
        for (const std::span<const uint8_t> block : embeddedInterfaceBlocks()) {
            tObjStream stream(block);
            EXPECT_TRUE(readStoredDictionary(stream)) << embeddedBlockName(block);
        }
        LanguageDictionary dictionary;
        ASSERT_TRUE(dictionary.loadLanguage("*"));
        EXPECT_EQ(dictionary.currentLanguage(), "english");
        EXPECT_EQ(dictionary.firstDictionaryWord("forward"), "forward");
        EXPECT_EQ(dictionary.setterPrefix(), "set");
    }

} // namespace
} // namespace velmora
