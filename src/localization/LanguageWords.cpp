#include "localization/LanguageWords.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameTranslation.h"

namespace velmora {

bool isTrueWord(std::string_view word) { return languageDictionary().isTrueWord(word); }

bool isFalseWord(std::string_view word) { return languageDictionary().isFalseWord(word); }

bool isAnyWord(std::string_view word) { return isAnySynonym(word); }

std::string booleanWord(bool value) { return languageDictionary().booleanWord(value); }

std::string translateInternalName(std::string text) { return normalize(text); }

const std::string& usualPrefix() { return languageDictionary().defaultParameterWord(); }

std::string mainClassName() { return languageDictionary().firstWord("class", "main"); }

std::string errorTemplate(std::string_view errorName)
{
    const std::string text
        = languageDictionary().getString("errors", errorName, MissingEntry::Report);
    return replaceAll(text, "\\n", "\r\n", LetterCase::Either);
}

std::string instanceDescription(std::string_view className)
{
    return languageDictionary().message("anistanceof", className);
}

} // namespace velmora
