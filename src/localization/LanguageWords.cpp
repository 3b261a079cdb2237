#include "localization/LanguageWords.h"

#include "localization/NameComparison.h"

namespace velmora {

namespace {
    const std::string trueWord = "true";
    const std::string falseWord = "false";
    const std::string anyWord = "any";
}

bool isTrueWord(std::string_view word) { return currentNameComparison().equal(word, trueWord); }

bool isFalseWord(std::string_view word) { return currentNameComparison().equal(word, falseWord); }

bool isAnyWord(std::string_view word) { return currentNameComparison().equal(word, anyWord); }

const std::string& booleanWord(bool value) { return value ? trueWord : falseWord; }

std::string translateInternalName(std::string text) { return text; }

const std::string& usualPrefix()
{
    static const std::string prefix = "usual'";
    return prefix;
}

const std::string& mainClassName()
{
    static const std::string name = "main";
    return name;
}

std::string errorTemplate(std::string_view errorName) { return std::string(errorName) + ": #p #h"; }

std::string instanceDescription(std::string_view className)
{
    return "an instance of " + std::string(className);
}

} // namespace velmora
