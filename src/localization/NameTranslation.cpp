#include "localization/NameTranslation.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"
#include "values/Characters.h"

#include <cstdio>

namespace velmora {

namespace {

    std::function<void(const std::string&)>& messageSink()
    {
        static std::function<void(const std::string&)> sink
            = [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); };
        return sink;
    }

    void show(const std::string& message) { messageSink()(message); }

    std::string_view firstOf(std::string_view synonyms)
    {
        return synonyms.substr(0, synonyms.find(' '));
    }

    bool isInternalNameCharacter(char c)
    {
        return c == '!' || c == '.' || c == '?' || c == '_' || c == middleDot
            || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }

    enum class Found { Word, NotFound };

    // The localized word for the rest of an internal name (without its dot): a "dict" key, a
    // setter ("set" + key) or "section·key". Which of the three failed is told by `failure`.
    Found translateRest(std::string_view rest, std::string& word, int& failure)
    {
        const LanguageDictionary& dictionary = languageDictionary();
        const std::string entry = dictionary.getString("dict", rest, MissingEntry::Ignore);
        if (!entry.empty()) {
            word = firstOf(entry);
            return Found::Word;
        }
        if (rest.starts_with("set")) {
            const std::string setter
                = dictionary.getString("dict", rest.substr(3), MissingEntry::Ignore);
            failure = 1;
            if (setter.empty())
                return Found::NotFound;
            word = setterForm(firstOf(setter));
            return Found::Word;
        }
        const size_t dot = rest.find(middleDot);
        failure = dot == std::string_view::npos ? 3 : 2;
        if (failure == 3)
            return Found::NotFound;
        word = dictionary.firstWordOrEmpty(rest.substr(0, dot), rest.substr(dot + 1));
        return word.empty() ? Found::NotFound : Found::Word;
    }

    std::vector<std::string> splitAtBlanks(std::string_view text)
    {
        std::vector<std::string> pieces;
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = std::min(text.find(' ', start), text.size());
            if (end > start)
                pieces.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
        return pieces;
    }

    bool isOperatorName(std::string_view name)
    {
        if (name == "*")
            return true;
        return !name.empty() && !std::isalpha(static_cast<unsigned char>(name[0])) && name[0] != '*'
            && name[0] != middleDot;
    }

    std::string entryOrMarked(std::string_view key)
    {
        std::string entry = languageDictionary().dictionaryWord(key);
        if (entry.empty())
            entry.append(1, '@').append(key).append(1, '@');
        return entry;
    }

} // namespace

void setTranslationMessageSink(std::function<void(const std::string&)> sink)
{
    messageSink() = std::move(sink);
}

std::string normalize(std::string_view word, Reporting reporting)
{
    if (word.size() < 2 || word[0] != middleDot)
        return std::string(word);
    const size_t apostrophe = word.find('\'');
    const std::string_view suffix
        = apostrophe == std::string_view::npos ? std::string_view() : word.substr(apostrophe);
    const std::string_view name = word.substr(0, word.size() - suffix.size());
    std::string translated;
    int failure = 0;
    if (translateRest(name.substr(1), translated, failure) == Found::Word)
        return translated + std::string(suffix);
    if (reporting == Reporting::ShowMessages)
        show(std::string("???").append(name));
    return std::string(word);
}

std::string translateText(std::string_view text)
{
    std::string result;
    size_t position = 0;
    for (size_t dot; (dot = text.find(middleDot, position)) != std::string_view::npos;) {
        result.append(text.substr(position, dot - position));
        size_t end = dot + 1;
        while (end < text.size() && isInternalNameCharacter(text[end]))
            ++end;
        const std::string_view token = text.substr(dot, end - dot);
        std::string word;
        int failure = 0;
        if (translateRest(token.substr(1), word, failure) == Found::Word) {
            result += word;
        } else {
            show(std::string("word???")
                     .append(std::to_string(failure))
                     .append(1, ' ')
                     .append(token));
            result.append(token);
        }
        position = end;
    }
    result.append(text.substr(position));
    return result;
}

std::string setterForm(std::string_view word)
{
    const LanguageDictionary& dictionary = languageDictionary();
    return dictionary.setterPrefix() + std::string(firstOf(word)) + dictionary.setterSuffix();
}

std::vector<NameCode> codesOf(std::string_view internalName)
{
    NameCodes& codes = NameCodes::instance();
    if (isOperatorName(internalName))
        return { codes.intern(internalName) };
    std::vector<std::string> spellings;
    if (internalName.starts_with("set*")) {
        const std::string_view rest = internalName.substr(4);
        for (const std::string& synonym : splitAtBlanks(entryOrMarked(rest)))
            spellings.push_back(setterForm(synonym));
        for (std::string& extra : splitAtBlanks(languageDictionary().setterWords(rest)))
            spellings.push_back(std::move(extra));
    } else if (internalName.starts_with("*")) {
        const std::string_view rest = internalName.substr(1);
        spellings = splitAtBlanks(entryOrMarked(rest));
        for (std::string& extra : splitAtBlanks(languageDictionary().getterWords(rest)))
            spellings.push_back(std::move(extra));
    } else {
        spellings = splitAtBlanks(entryOrMarked(internalName));
    }
    std::vector<NameCode> result;
    for (const std::string& spelling : spellings)
        result.push_back(codes.intern(spelling));
    return result;
}

bool isAnySynonym(std::string_view word)
{
    const std::string entry = languageDictionary().getString("dict", "any", MissingEntry::Ignore);
    for (const std::string& synonym : splitAtBlanks(entry.empty() ? "any" : entry))
        if (currentNameComparison().equal(word, synonym))
            return true;
    return false;
}

} // namespace velmora
