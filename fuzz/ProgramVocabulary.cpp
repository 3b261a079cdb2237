#include "ProgramVocabulary.h"

#include "interpreter/ProcDesc.h"
#include "localization/DictionarySources.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"

#include <algorithm>
#include <array>

namespace velmora::fuzzing {

namespace {

    using namespace std::string_view_literals;

    // Each kind's edges: the ends of 32 bits and one past them, reals that overflow or underflow
    // the extended type, texts that only look like numbers, and numbers that keep their text.
    constexpr std::array numberTokens = { "0"sv, "1"sv, "-1"sv, "2"sv, "3"sv, "7"sv, "10"sv,
        "-10"sv, "100"sv, "255"sv, "256"sv, "1000"sv, "65535"sv, "2147483647"sv, "-2147483648"sv,
        "2147483648"sv, "-2147483649"sv, "4294967296"sv, "99999999999999999999"sv, "0.5"sv,
        "-0.5"sv, "2.5"sv, "-2.5"sv, "3.14159"sv, "1e5"sv, "1E20"sv, "1e308"sv, "1e4932"sv,
        "1e5000"sv, "-1e5000"sv, "1e-5000"sv, "1e-320"sv, "0.000001"sv, "007"sv, "1e"sv, "1e+"sv,
        "-0"sv, "0.0"sv, "12abc"sv, "1."sv, ".5"sv };

    // Words with escapes, bars, the pilcrow (0xB6), the middle dot of internal names (0xB7),
    // apostrophes, template inputs, control and accented characters.
    constexpr std::array wordTokens
        = { "a"sv, "b"sv, "abc"sv, "Abc"sv, "hello"sv, "TRUE"sv, "toplevel"sv, "Object1"sv, "%"sv,
              "%1"sv, "%2"sv, "?"sv, "a\\ b"sv, "|a b|"sv, "\\65.b"sv, "\\"sv, "a\xB6\x62"sv,
              "\xB6"sv, "\xB7"sv, "\xB7print"sv, "\xB7param\xB7usual'print"sv, "x'y"sv, "a'b'c"sv,
              "'"sv, "''"sv, "\xFF\xFE"sv, "\x01"sv, "caf\xE9"sv, "@commander"sv, "%p%1"sv };

    constexpr std::array procedureTokens = { "f"sv, "g"sv, "h"sv };
    constexpr std::array variableTokens = { "x"sv, "y"sv, "z"sv, "n"sv };

    constexpr std::array punctuationTokens = { "["sv, "]"sv, "("sv, ")"sv, "\""sv, ":"sv, ";"sv,
        "\\"sv, "|"sv, "'"sv, "\xB6"sv, "\xB7"sv, "\t"sv, "\x7F"sv };

    constexpr std::array operatorTokens
        = { "+"sv, "-"sv, "*"sv, "/"sv, "="sv, "<"sv, ">"sv, "<="sv, ">="sv, "<>"sv };

    constexpr std::array prefixTokens = { "'"sv, "usual'"sv, "receiver'"sv, "main'"sv, "Main'"sv,
        "x'"sv, "f'"sv, "t1'"sv, "a'b'"sv, "\xB7param\xB7usual'"sv };

    // The sections whose words programs name as data: truth values, keywords, options, system
    // names, classes.
    constexpr std::array keywordSections
        = { "other"sv, "param"sv, "option"sv, "name"sv, "class"sv, "prefix"sv };

    void addWordsOf(const TDTable& section, std::vector<std::string>& words)
    {
        for (const DictionaryEntry& entry : section.entries())
            for (std::string& word : split(entry.value, ' '))
                words.push_back(std::move(word));
    }

    void sortUnique(std::vector<std::string>& words)
    {
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
    }

} // namespace

ProgramVocabulary::ProgramVocabulary(tlogoobject* main)
{
    const std::unique_ptr<TDTables> dictionary
        = createLanguageDictionary(languageDictionary().currentLanguage()).dictionary;
    if (const TDTable* dict = dictionary->findSection("dict"))
        addWordsOf(*dict, m_spellings);
    for (std::string_view name : keywordSections)
        if (const TDTable* section = dictionary->findSection(name))
            addWordsOf(*section, m_keywords);
    sortUnique(m_spellings);
    sortUnique(m_keywords);
    for (const std::string& spelling : m_spellings)
        if (tProcDesc* desc = main->tryProc(NameCodes::instance().intern(spelling)))
            m_primitives.push_back({ spelling, desc->defpar, desc->varpar != 0 });
}

std::span<const std::string_view> ProgramVocabulary::numbers() { return numberTokens; }
std::span<const std::string_view> ProgramVocabulary::words() { return wordTokens; }
std::span<const std::string_view> ProgramVocabulary::procedureNames() { return procedureTokens; }
std::span<const std::string_view> ProgramVocabulary::variableNames() { return variableTokens; }
std::span<const std::string_view> ProgramVocabulary::punctuation() { return punctuationTokens; }
std::span<const std::string_view> ProgramVocabulary::operators() { return operatorTokens; }
std::span<const std::string_view> ProgramVocabulary::prefixes() { return prefixTokens; }

} // namespace velmora::fuzzing
