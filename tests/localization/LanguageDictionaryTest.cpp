#include "localization/LanguageDictionary.h"

#include <gtest/gtest.h>

#include <map>

namespace velmora {
namespace {

    // "\xE1no" is the Slovak word for yes: its first letter carries an accent.
    const std::string slovakText = "[dict]\n"
                                   "forward = forward fd fw\n"
                                   "back = back bk\n"
                                   "[set]\n"
                                   "pos = setxy\n"
                                   "[get]\n"
                                   "pos = xy\n"
                                   "[text]\n"
                                   "plain = Hello\n"
                                   "lines = one\\ntwo\\Nthree\n"
                                   "one = Value: %s!\n"
                                   "upper = Value: %S!\n"
                                   "two = %s2 after %s1\n"
                                   "empty =\n"
                                   "[other]\n"
                                   "true = \xE1no yes\n"
                                   "false = nie no\n"
                                   "[param]\n"
                                   "usual = default\n"
                                   "[system]\n"
                                   "setfix = put*now\n";

    std::unique_ptr<TDTables> parsed(std::string_view text)
    {
        auto tables = std::make_unique<TDTables>();
        tables->parseText(text);
        return tables;
    }

    class LanguageDictionaryTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            m_dictionary.setMessageSink(
                [this](const std::string& text) { m_reports.push_back(text); });
            m_dictionary.install(parsed(slovakText), "Slovak");
        }

        LanguageDictionary m_dictionary;
        std::vector<std::string> m_reports;
    };

    TEST_F(LanguageDictionaryTest, GetStringReportsOnlyWhenAskedAndOnlyWhenMissing)
    {
        EXPECT_EQ(m_dictionary.getString("Dict", "BACK", MissingEntry::Report), "back bk");
        EXPECT_EQ(m_dictionary.getString("text", "empty", MissingEntry::Report), "");
        EXPECT_EQ(m_dictionary.getString("dict", "nothing", MissingEntry::Ignore), "");
        EXPECT_TRUE(m_reports.empty());
        EXPECT_EQ(m_dictionary.getString("dict", "nothing", MissingEntry::Report), "");
        EXPECT_EQ(m_reports,
            std::vector<std::string> {
                "Translation Error - Unknown language string: dict-nothing" });
    }

    TEST_F(LanguageDictionaryTest, WordLookups)
    {
        struct Case {
            const char* name;
            std::string actual;
            std::string expected;
        };
        const Case cases[] = {
            { "first dictionary word", m_dictionary.firstDictionaryWord("forward"), "forward" },
            { "missing first dictionary word", m_dictionary.firstDictionaryWord("jump"), "@jump@" },
            { "first word", m_dictionary.firstWord("other", "false"), "nie" },
            { "missing first word", m_dictionary.firstWord("other", "clipboard"), "@clipboard@" },
            { "missing first word or empty", m_dictionary.firstWordOrEmpty("other", "to"), "" },
            { "setter words", std::string(m_dictionary.setterWords("pos")), "setxy" },
            { "getter words", std::string(m_dictionary.getterWords("pos")), "xy" },
            { "missing setter words", std::string(m_dictionary.setterWords("heading")), "" },
        };
        for (const auto& test : cases)
            EXPECT_EQ(test.actual, test.expected) << test.name;
        // Only the dictionary word looked up in "dict" reports what it misses.
        EXPECT_EQ(m_reports,
            std::vector<std::string> { "Translation Error - Unknown language string: dict-jump" });
    }

    TEST_F(LanguageDictionaryTest, Messages)
    {
        struct Case {
            const char* name;
            std::string actual;
            std::string expected;
        };
        const Case cases[] = {
            { "plain", m_dictionary.message("plain"), "Hello" },
            { "line breaks in either case", m_dictionary.message("lines"), "one\r\ntwo\r\nthree" },
            { "missing", m_dictionary.message("gone"), "@gone@" },
            { "empty", m_dictionary.message("empty"), "@empty@" },
            { "one argument", m_dictionary.message("one", "x"), "Value: x!" },
            { "one argument, capital S", m_dictionary.message("upper", "x"), "Value: x!" },
            { "two arguments", m_dictionary.message("two", "a", "b"), "b after a" },
            { "missing with an argument", m_dictionary.message("gone", "x"), "@gone@" },
        };
        for (const auto& test : cases)
            EXPECT_EQ(test.actual, test.expected) << test.name;
        EXPECT_TRUE(m_reports.empty());
    }

    TEST_F(LanguageDictionaryTest, SynonymsCompareUnderTheNameComparison)
    {
        struct Case {
            const char* key;
            const char* word;
            bool expected;
        };
        const Case cases[] = {
            { "forward", "FD", true },
            { "forward", "forward", true },
            { "forward", "bk", false },
            { "forward", "f", false },
            { "jump", "@jump@", true },
        };
        for (const auto& test : cases)
            EXPECT_EQ(m_dictionary.isSynonym(test.key, test.word), test.expected)
                << test.key << " " << test.word;
        EXPECT_TRUE(m_dictionary.isSynonymInSection("other", "false", "NO"));
        EXPECT_EQ(
            m_dictionary.synonyms("forward"), (std::vector<std::string> { "forward", "fd", "fw" }));
        EXPECT_TRUE(m_dictionary.synonyms("jump").empty());
    }

    TEST_F(LanguageDictionaryTest, BooleanWords)
    {
        EXPECT_TRUE(m_dictionary.isTrueWord("YES"));
        EXPECT_FALSE(m_dictionary.isTrueWord("no"));
        EXPECT_TRUE(m_dictionary.isFalseWord("no"));
        EXPECT_FALSE(m_dictionary.isFalseWord("true"));
        EXPECT_EQ(m_dictionary.booleanWord(true), "\xE1no");
        EXPECT_EQ(m_dictionary.booleanWord(false), "nie");
        m_dictionary.setAnsiOption(true);
        EXPECT_EQ(m_dictionary.booleanWord(true), "ano");
    }

    TEST_F(LanguageDictionaryTest, SettingsComeFromTheDictionaryOrTheirDefaults)
    {
        EXPECT_EQ(m_dictionary.currentLanguage(), "slovak");
        EXPECT_EQ(m_dictionary.defaultParameterWord(), "default'");
        EXPECT_EQ(m_dictionary.setterPrefix(), "put");
        EXPECT_EQ(m_dictionary.setterSuffix(), "now");

        m_dictionary.install(parsed("[system]\nsetfix = set\n"), "plain");
        EXPECT_EQ(m_dictionary.trueWords(), "true");
        EXPECT_EQ(m_dictionary.falseWords(), "false");
        EXPECT_EQ(m_dictionary.defaultParameterWord(), "usual'");
        EXPECT_EQ(m_dictionary.setterPrefix(), "set");
        EXPECT_EQ(m_dictionary.setterSuffix(), "");
    }

    class LanguageSwitchTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            m_dictionary.setLoader(
                [this](const std::string& language) -> std::unique_ptr<TDTables> {
                    m_loaded.push_back(language);
                    const auto text = m_texts.find(language);
                    return text == m_texts.end() ? nullptr : parsed(text->second);
                });
            m_dictionary.addSwitchHook(
                [this] { m_switchedTo.push_back(m_dictionary.currentLanguage()); });
        }

        const std::map<std::string, std::string> m_texts = {
            { "english", "[dict]\nforward = forward fd\n" },
            { "slovak", "[dict]\nforward = dopredu dp\n" },
        };
        LanguageDictionary m_dictionary;
        std::vector<std::string> m_loaded;
        std::vector<std::string> m_switchedTo;
    };

    TEST_F(LanguageSwitchTest, StarAndEmptyMeanEnglish)
    {
        for (const char* name : { "*", "", "ENGLISH" }) {
            LanguageDictionary dictionary;
            dictionary.setLoader(
                [this](const std::string& language) { return parsed(m_texts.at(language)); });
            EXPECT_TRUE(dictionary.loadLanguage(name)) << name;
            EXPECT_EQ(dictionary.currentLanguage(), "english") << name;
            EXPECT_TRUE(dictionary.isCurrentLanguage("*")) << name;
            EXPECT_TRUE(dictionary.isCurrentLanguage("English")) << name;
        }
    }

    TEST_F(LanguageSwitchTest, SwitchingReplacesTheDictionaryAndRunsTheHooks)
    {
        ASSERT_TRUE(m_dictionary.loadLanguage("english"));
        ASSERT_TRUE(m_dictionary.loadLanguage("Slovak"));
        EXPECT_EQ(m_dictionary.firstDictionaryWord("forward"), "dopredu");
        EXPECT_EQ(m_switchedTo, (std::vector<std::string> { "english", "slovak" }));
    }

    TEST_F(LanguageSwitchTest, TheCurrentLanguageIsNotLoadedAgain)
    {
        ASSERT_TRUE(m_dictionary.loadLanguage("english"));
        EXPECT_TRUE(m_dictionary.loadLanguage("*"));
        EXPECT_EQ(m_loaded, std::vector<std::string> { "english" });
    }

    TEST_F(LanguageSwitchTest, FailureLeavesTheCurrentDictionary)
    {
        ASSERT_TRUE(m_dictionary.loadLanguage("english"));
        EXPECT_FALSE(m_dictionary.loadLanguage("klingon"));
        EXPECT_EQ(m_dictionary.currentLanguage(), "english");
        EXPECT_EQ(m_dictionary.firstDictionaryWord("forward"), "forward");
    }

    TEST_F(LanguageSwitchTest, TestOnlyLoadingKeepsTheCurrentDictionary)
    {
        ASSERT_TRUE(m_dictionary.loadLanguage("english"));
        EXPECT_TRUE(m_dictionary.loadLanguage("slovak", LoadMode::TestOnly));
        EXPECT_FALSE(m_dictionary.loadLanguage("klingon", LoadMode::TestOnly));
        EXPECT_EQ(m_dictionary.currentLanguage(), "english");
        EXPECT_EQ(m_dictionary.firstDictionaryWord("forward"), "forward");
        EXPECT_EQ(m_switchedTo, std::vector<std::string> { "english" });
    }

    TEST(LanguageDictionaryDeathTest, LookupBeforeLoadingEndsTheProgram)
    {
        LanguageDictionary dictionary;
        EXPECT_DEATH(dictionary.dictionaryWord("forward"),
            "Internal error - Dictionary not initialised in getStr");
    }

} // namespace
} // namespace velmora
