// Every built-in language dictionary against English, the reference: the same keys in every
// section (and in the user-interface table) with the same placeholders, words that the reader
// takes as one word, a word shared by two names exactly where English shares one between the
// same two, and a start in the language that misses no word. Languages without a dictionary text in
// the tree are simply not checked.
#include "localization/BuiltInLanguages.h"

#include "core/EngineStartup.h"
#include "core/MainObj.h"
#include "localization/CodePageConverter.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"
#include "localization/PropertyRows.h"
#include "values/Reader.h"
#include "values/ValueFixture.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include <gtest/gtest.h>

namespace velmora {
namespace {

    // "#p", "#h", ... as the error templates and captions use them; each is replaced wherever
    // it stands, so only which ones occur matters.
    std::set<std::string> errorPlaceholders(std::string_view text)
    {
        std::set<std::string> found;
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '#'
                && std::string_view("FHLPabchp").find(text[i + 1]) != std::string_view::npos)
                found.insert(std::string(text.substr(i, 2)));
        return found;
    }

    // "%s", "%s1", "%s2" as the messages use them; each is replaced once, so how often counts.
    std::multiset<std::string> textPlaceholders(std::string_view text)
    {
        std::multiset<std::string> found;
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '%' || (text[i + 1] != 's' && text[i + 1] != 'S'))
                continue;
            std::string placeholder = "%s";
            if (i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9')
                placeholder += text[i + 2];
            found.insert(placeholder);
        }
        return found;
    }

    std::string joined(const auto& placeholders)
    {
        std::string text;
        for (const std::string& placeholder : placeholders)
            text += placeholder + " ";
        return text;
    }

    // Every key of every section of the reference is in the translation, not empty where the
    // reference is not, with the reference's placeholders and the colours' two forms.
    void expectSameKeys(
        const TDTables& reference, const TDTables& translation, const std::string& where)
    {
        for (const TDTable& section : reference.sections()) {
            const TDTable* translated = translation.findSection(section.name());
            if (!translated) {
                ADD_FAILURE() << where << " has no section [" << section.name() << "]";
                continue;
            }
            const bool errors = section.name() == "errors" || section.name() == "errorcaptions";
            for (const DictionaryEntry& entry : section.entries()) {
                const std::string place
                    = where + " [" + std::string(section.name()) + "] " + std::string(entry.key);
                const auto value = translated->find(entry.key);
                if (!value) {
                    ADD_FAILURE() << place << ": missing";
                    continue;
                }
                if (value->empty() != entry.value.empty())
                    ADD_FAILURE() << place << ": empty where English is not, or the other way";
                if (errors && errorPlaceholders(*value) != errorPlaceholders(entry.value))
                    ADD_FAILURE() << place << ": placeholders " << joined(errorPlaceholders(*value))
                                  << "where English has " << joined(errorPlaceholders(entry.value));
                if (!errors && textPlaceholders(*value) != textPlaceholders(entry.value))
                    ADD_FAILURE() << place << ": placeholders " << joined(textPlaceholders(*value))
                                  << "where English has " << joined(textPlaceholders(entry.value));
                if (section.name() == "colors"
                    && (value->find('|') == std::string_view::npos)
                        != (entry.value.find('|') == std::string_view::npos))
                    ADD_FAILURE() << place << ": needs its second form after \"|\"";
            }
        }
    }

    // A word the user types for a name: which name it belongs to ("dict:forward", "class:page",
    // "other:true") and whether it is that name's main word.
    struct Spelling {
        std::string owner;
        std::string word;
        bool main;
    };

    void addWords(std::vector<Spelling>& spellings, std::string owner, std::string_view words,
        bool firstIsMain, const std::string& prefix = {}, const std::string& suffix = {})
    {
        bool first = firstIsMain;
        for (const std::string& word : split(words, ' ')) {
            if (word.empty())
                continue;
            spellings.push_back({ owner, prefix + word + suffix, first });
            first = false;
        }
    }

    std::string section(const TDTables& dictionary, std::string_view name, std::string_view key)
    {
        return std::string(dictionary.find(name, asciiLowered(key)).value_or(""));
    }

    // Every word that names something in the dictionary: the synonyms of primitives,
    // properties and events with the setters they make and the extra setter and getter
    // spellings, the words of "other" that the reader treats specially, and the class names.
    std::vector<Spelling> spellingsOf(const TDTables& dictionary)
    {
        std::vector<Spelling> spellings;
        if (const TDTable* dict = dictionary.findSection("dict"))
            for (const DictionaryEntry& entry : dict->entries())
                addWords(spellings, "dict:" + std::string(entry.key), entry.value, true);
        const std::string setter = section(dictionary, "system", "setfix");
        const size_t star = setter.find('*');
        const std::string prefix = setter.substr(0, star);
        const std::string suffix = star == std::string::npos ? "" : setter.substr(star + 1);
        for (int32_t property = 0; property < propertyCount; ++property) {
            const std::string key = asciiLowered(PropertyRows::internalName(property));
            if (key.empty())
                continue;
            addWords(
                spellings, "dict:" + key, section(dictionary, "dict", key), false, prefix, suffix);
        }
        for (std::string_view extra : { "set", "get" })
            if (const TDTable* table = dictionary.findSection(extra))
                for (const DictionaryEntry& entry : table->entries())
                    addWords(spellings, "dict:" + std::string(entry.key), entry.value, false);
        for (std::string_view key : { "true", "false", "to", "end" })
            addWords(
                spellings, "other:" + std::string(key), section(dictionary, "other", key), true);
        if (const TDTable* classes = dictionary.findSection("class"))
            for (const DictionaryEntry& entry : classes->entries())
                addWords(spellings, "class:" + std::string(entry.key), entry.value, true);
        return spellings;
    }

    NameComparison comparisonOf(const TDTables& dictionary, const std::string& language)
    {
        return NameComparison::ofLanguage(language, !section(dictionary, "system", "ansi").empty());
    }

    // Two names sharing a word, in a fixed order.
    using NamePair = std::pair<std::string, std::string>;

    // Which names share which word, under the language's name comparison.
    std::map<NamePair, std::string> sharedWords(
        const TDTables& dictionary, const std::string& language)
    {
        const NameComparison comparison = comparisonOf(dictionary, language);
        std::map<std::string, std::vector<Spelling>> byWord;
        for (Spelling& spelling : spellingsOf(dictionary))
            byWord[comparison.folded(spelling.word)].push_back(std::move(spelling));
        std::map<NamePair, std::string> shared;
        for (const auto& [folded, spellings] : byWord)
            for (const Spelling& a : spellings)
                for (const Spelling& b : spellings)
                    if (a.owner < b.owner)
                        shared.emplace(NamePair { a.owner, b.owner },
                            a.word + (a.main ? " (main word of " : " (synonym of ") + a.owner
                                + ") = " + b.word + (b.main ? " (main word of " : " (synonym of ")
                                + b.owner + ")");
        return shared;
    }

    // A text of the language's code page as a failure message shows it, in UTF-8.
    std::string readable(const std::string& language, const std::string& text)
    {
        CodePageConverter toUtf8("UTF-8", iconvCodePageOf(language));
        return toUtf8.convert(text);
    }

    // Why the word cannot be typed as one word; empty when it can.
    std::string whyNotOneWord(const std::string& word)
    {
        if (word.empty())
            return "it is empty";
        if (word[0] >= '0' && word[0] <= '9')
            return "it starts with a digit";
        for (char c : word)
            if (static_cast<unsigned char>(c) <= ' '
                || std::string_view("[](){}\":;=+-*/<>|").find(c) != std::string_view::npos)
                return std::string("it holds \"") + c + "\"";
        ValueRef read(readList(word));
        auto* list = static_cast<tLogoList*>(read.get());
        if (list->count() != 1 || !list->first()->isWord() || list->first()->text() != word)
            return "the reader does not give it back as one word";
        return {};
    }

    class LanguageDictionaries : public ValueFixture,
                                 public testing::WithParamInterface<std::string> {
    protected:
        static const TDTables& english()
        {
            static const auto dictionary = builtInDictionary("english");
            return *dictionary;
        }
    };

    TEST_P(LanguageDictionaries, HoldEveryKeyOfEnglishWithItsPlaceholders)
    {
        const auto dictionary = builtInDictionary(GetParam());
        ASSERT_TRUE(dictionary) << GetParam();
        expectSameKeys(english(), *dictionary, GetParam());
    }

    TEST_P(LanguageDictionaries, HaveAUserInterfaceTableWithEveryKeyOfEnglish)
    {
        const auto englishTable = builtInInterfaceTable("english");
        ASSERT_TRUE(englishTable);
        const auto table = builtInInterfaceTable(GetParam());
        ASSERT_TRUE(table) << GetParam() << " has no user-interface table (" << GetParam()
                           << "-ui.txt)";
        expectSameKeys(*englishTable, *table, GetParam() + "-ui");
    }

    TEST_P(LanguageDictionaries, ShareWordsBetweenNamesOnlyWhereEnglishDoes)
    {
        const auto dictionary = builtInDictionary(GetParam());
        ASSERT_TRUE(dictionary);
        static const auto allowed = sharedWords(english(), "english");
        for (const auto& [names, words] : sharedWords(*dictionary, GetParam()))
            if (!allowed.contains(names))
                ADD_FAILURE() << GetParam() << ": " << readable(GetParam(), words)
                              << ", two names that English keeps apart";
    }

    // Where English gives two names one word, a text cannot tell which of them it means: the other
    // language must give them a word in common too, or a translation would have to guess.
    TEST_P(LanguageDictionaries, ShareWordsBetweenNamesWhereEnglishDoes)
    {
        const auto dictionary = builtInDictionary(GetParam());
        ASSERT_TRUE(dictionary);
        static const auto english = sharedWords(LanguageDictionaries::english(), "english");
        const auto shared = sharedWords(*dictionary, GetParam());
        for (const auto& [names, words] : english)
            if (!shared.contains(names))
                ADD_FAILURE() << GetParam() << ": " << names.first << " and " << names.second
                              << " have no word in common, where English has " << words;
    }

    TEST_P(LanguageDictionaries, GiveEveryWordAsOneWordOfTheReader)
    {
        const auto dictionary = builtInDictionary(GetParam());
        ASSERT_TRUE(dictionary);
        for (const Spelling& spelling : spellingsOf(*dictionary)) {
            const std::string why = whyNotOneWord(spelling.word);
            if (!why.empty())
                ADD_FAILURE() << GetParam() << " " << spelling.owner << ": \""
                              << readable(GetParam(), spelling.word)
                              << "\" is not one word: " << why;
        }
    }

    INSTANTIATE_TEST_SUITE_P(BuiltIn, LanguageDictionaries, testing::ValuesIn(builtInLanguages()),
        [](const testing::TestParamInfo<std::string>& info) { return info.param; });

    // Starting in a language interns every registered name through its dictionary, the
    // primitives when the first name is looked up: a word it lacks is reported as a translation
    // error or an internal name shown with "???".
    class LanguageStart : public testing::TestWithParam<std::string> {
    protected:
        void TearDown() override
        {
            auto toStandardError
                = [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); };
            languageDictionary().setMessageSink(toStandardError);
            setTranslationMessageSink(toStandardError);
            startEngine("english");
        }
    };

    TEST_P(LanguageStart, FindsEveryWordItLooksUp)
    {
        std::vector<std::string> messages;
        auto collect = [&](const std::string& message) { messages.push_back(message); };
        languageDictionary().setMessageSink(collect);
        setTranslationMessageSink(collect);
        ASSERT_TRUE(startEngine(GetParam()));
        {
            ValueRef main(new tMainLogoObject);
            main->tryProc(NameCodes::instance().intern("nameOfNoProcedure"));
            for (int32_t property = 0; property < propertyCount; ++property)
                PropertyRows::instance().row(property);
        }
        for (const std::string& message : messages)
            ADD_FAILURE() << GetParam() << ": " << readable(GetParam(), message);
    }

    INSTANTIATE_TEST_SUITE_P(BuiltIn, LanguageStart, testing::ValuesIn(builtInLanguages()),
        [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
} // namespace velmora
