#include "localization/LanguageDictionary.h"

#include "localization/DictionarySources.h"
#include "localization/DictionaryText.h"
#include "localization/NameComparison.h"
#include "localization/NameTranslation.h"

#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

    constexpr std::string_view unknownStringMessage
        = "Translation Error - Unknown language string: ";
    constexpr std::string_view notInitialisedMessage
        = "Internal error - Dictionary not initialised in getStr";

    // Where a word is needed, a missing one shows up as "@key@".
    std::string orMarked(std::string word, std::string_view key)
    {
        if (!word.empty())
            return word;
        word.append(1, '@').append(key).append(1, '@');
        return word;
    }

    void writeToStandardError(const std::string& message)
    {
        std::fputs(message.c_str(), stderr);
        std::fputc('\n', stderr);
    }

} // namespace

LanguageDictionary::LanguageDictionary()
    : m_messageSink(writeToStandardError)
    , m_loader([this](const std::string& language) {
        LoadedDictionary loaded = createLanguageDictionary(language);
        if (!loaded.warning.empty())
            report(loaded.warning);
        return std::move(loaded.dictionary);
    })
{
}

const TDTables& LanguageDictionary::dictionary() const
{
    if (!m_dictionary) {
        report(std::string(notInitialisedMessage));
        std::abort();
    }
    return *m_dictionary;
}

std::string LanguageDictionary::getString(
    std::string_view section, std::string_view key, MissingEntry missing) const
{
    return std::string(entry(section, key, missing));
}

std::string_view LanguageDictionary::entry(
    std::string_view section, std::string_view key, MissingEntry missing) const
{
    return entryIn(dictionary().findSection(section), section, key, missing);
}

std::string_view LanguageDictionary::entryIn(const TDTable* table, std::string_view section,
    std::string_view key, MissingEntry missing) const
{
    if (table) {
        if (const auto value = table->find(key, LetterCase::Either))
            return *value;
    }
    if (missing == MissingEntry::Report)
        report(std::string(unknownStringMessage) + std::string(section) + "-" + std::string(key));
    return {};
}

const TDTable* LanguageDictionary::installedSection(const TDTable* section) const
{
    dictionary();
    return section;
}

std::string_view LanguageDictionary::dictionaryWord(std::string_view key) const
{
    return entryIn(installedSection(m_dictSection), "dict", key, MissingEntry::Report);
}

std::string_view LanguageDictionary::setterWords(std::string_view key) const
{
    return entryIn(installedSection(m_setSection), "set", key, MissingEntry::Ignore);
}

std::string_view LanguageDictionary::getterWords(std::string_view key) const
{
    return entryIn(installedSection(m_getSection), "get", key, MissingEntry::Ignore);
}

std::string LanguageDictionary::firstDictionaryWord(std::string_view key) const
{
    return orMarked(std::string(firstSynonym(dictionaryWord(key))), key);
}

std::string LanguageDictionary::firstWord(std::string_view section, std::string_view key) const
{
    return orMarked(firstWordOrEmpty(section, key), key);
}

std::string LanguageDictionary::firstWordOrEmpty(
    std::string_view section, std::string_view key) const
{
    return std::string(firstSynonym(entry(section, key, MissingEntry::Ignore)));
}

std::vector<std::string> LanguageDictionary::synonyms(std::string_view key) const
{
    return split(dictionaryWord(key), ' ');
}

std::string LanguageDictionary::message(std::string_view key) const
{
    const std::string text = orMarked(getString("text", key, MissingEntry::Ignore), key);
    return replaceAll(text, "\\n", "\r\n", LetterCase::Either);
}

std::string LanguageDictionary::message(std::string_view key, std::string_view text) const
{
    return replaceFirst(message(key), "%s", text, LetterCase::Either);
}

std::string LanguageDictionary::message(
    std::string_view key, std::string_view text1, std::string_view text2) const
{
    return replaceFirst(replaceFirst(message(key), "%s1", text1), "%s2", text2);
}

bool LanguageDictionary::isOneOf(std::string_view synonymList, std::string_view word) const
{
    const std::string normalized = normalizeForSynonym(word);
    for (const std::string& synonym : split(synonymList, ' '))
        if (currentNameComparison().equal(synonym, normalized))
            return true;
    return false;
}

bool LanguageDictionary::isSynonym(std::string_view key, std::string_view word) const
{
    return isSynonymInSection("dict", key, word);
}

bool LanguageDictionary::isSynonymInSection(
    std::string_view section, std::string_view key, std::string_view word) const
{
    return isOneOf(orMarked(getString(section, key, MissingEntry::Report), key), word);
}

bool LanguageDictionary::isTrueWord(std::string_view word) const
{
    return isOneOf(m_trueWords, word);
}

bool LanguageDictionary::isFalseWord(std::string_view word) const
{
    return isOneOf(m_falseWords, word);
}

std::string LanguageDictionary::booleanWord(bool flag) const
{
    const std::string word(firstSynonym(flag ? m_trueWords : m_falseWords));
    return m_ansiOption ? withoutAccents(word, codePageOfLanguage(m_language)) : word;
}

bool LanguageDictionary::isCurrentLanguage(std::string_view name) const
{
    return languageOrDefault(name) == m_language;
}

bool LanguageDictionary::loadLanguage(std::string_view name, LoadMode mode)
{
    // The name alone is not enough: "english" is current by default before anything is loaded.
    const std::string language = languageOrDefault(name);
    if (m_dictionary && language == m_language)
        return true;
    auto dictionary = m_loader(language);
    if (!dictionary)
        return false;
    if (mode == LoadMode::Switch)
        install(std::move(dictionary), language);
    return true;
}

void LanguageDictionary::install(std::unique_ptr<TDTables> dictionary, std::string_view language)
{
    m_language = languageOrDefault(language);
    m_dictionary = std::move(dictionary);
    m_dictSection = m_dictionary->findSection("dict");
    m_setSection = m_dictionary->findSection("set");
    m_getSection = m_dictionary->findSection("get");
    readSettings();
    for (const auto& hook : m_switchHooks)
        hook();
}

void LanguageDictionary::readSettings()
{
    const auto valueOr
        = [this](std::string_view section, std::string_view key, std::string_view fallback) {
              std::string value = getString(section, key, MissingEntry::Ignore);
              return value.empty() ? std::string(fallback) : value;
          };
    m_trueWords = valueOr("other", "true", "true");
    m_falseWords = valueOr("other", "false", "false");
    m_anyWords = valueOr("dict", "any", "any");
    m_defaultParameterWord = valueOr("param", "usual", "usual") + "'";
    // A dictionary without a setter template names setters as English does.
    const std::string setterTemplate = valueOr("system", "setfix", "set*");
    const size_t star = setterTemplate.find('*');
    m_setterPrefix = setterTemplate.substr(0, star);
    m_setterSuffix = star == std::string::npos ? "" : setterTemplate.substr(star + 1);
}

LanguageDictionary& languageDictionary()
{
    static LanguageDictionary dictionary;
    return dictionary;
}

std::string normalizeForSynonym(std::string_view word) { return normalize(word); }

} // namespace velmora
