#include "core/ColourWords.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"

namespace velmora {

std::vector<std::string> colourWords(std::string_view key, WordForm form)
{
    const std::string_view entry = languageDictionary().entry("colors", key, MissingEntry::Report);
    const size_t bar = entry.find('|');
    const std::string_view first = entry.substr(0, bar);
    const std::string_view second = bar == std::string_view::npos ? first : entry.substr(bar + 1);
    return split(trimmed(form == WordForm::First ? first : second), ' ');
}

std::string mainColourWord(std::string_view key, WordForm form)
{
    const std::vector<std::string> words = colourWords(key, form);
    if (words.empty())
        return std::string(1, '@').append(key).append(1, '@');
    return words.front();
}

std::optional<size_t> firstFormPosition(std::string_view key, std::string_view word)
{
    const NameComparison& comparison = currentNameComparison();
    const std::vector<std::string> words = colourWords(key, WordForm::First);
    for (size_t position = 0; position < words.size(); ++position)
        if (comparison.equal(words[position], word))
            return position;
    return std::nullopt;
}

} // namespace velmora
