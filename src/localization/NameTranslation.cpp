#include "localization/NameTranslation.h"

#include "localization/Characters.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "localization/NameComparison.h"

#include <algorithm>
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
        const std::string_view entry = dictionary.entry("dict", rest, MissingEntry::Ignore);
        if (!entry.empty()) {
            word = firstOf(entry);
            return Found::Word;
        }
        if (rest.starts_with("set")) {
            const std::string_view setter
                = dictionary.entry("dict", rest.substr(3), MissingEntry::Ignore);
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

    // Calls visit with every piece of text between spaces, empty pieces left out.
    template <typename Visit> void forEachWord(std::string_view text, const Visit& visit)
    {
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = std::min(text.find(' ', start), text.size());
            if (end > start)
                visit(text.substr(start, end - start));
            start = end + 1;
        }
    }

    bool isOperatorName(std::string_view name)
    {
        if (name == "*")
            return true;
        return !name.empty() && !std::isalpha(static_cast<unsigned char>(name[0])) && name[0] != '*'
            && name[0] != middleDot;
    }

    // The "dict" entry of key, or "@key@" written into spare so that a missing translation
    // shows up.
    std::string_view entryOrMarked(std::string_view key, std::string& spare)
    {
        const std::string_view entry = languageDictionary().dictionaryWord(key);
        if (!entry.empty())
            return entry;
        spare.assign(1, '@').append(key).append(1, '@');
        return spare;
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

// Every lookup is made before the first spelling is visited, so that a missing entry is reported
// before anything the visitor does with the spellings.
void forEachSpellingOf(
    std::string_view internalName, const std::function<void(std::string_view)>& visit)
{
    if (isOperatorName(internalName)) {
        visit(internalName);
        return;
    }
    const LanguageDictionary& dictionary = languageDictionary();
    std::string spare;
    std::string_view synonyms, extras;
    bool setters = false;
    if (internalName.starts_with("set*")) {
        synonyms = entryOrMarked(internalName.substr(4), spare);
        extras = dictionary.setterWords(internalName.substr(4));
        setters = true;
    } else if (internalName.starts_with("*")) {
        synonyms = entryOrMarked(internalName.substr(1), spare);
        extras = dictionary.getterWords(internalName.substr(1));
    } else {
        synonyms = entryOrMarked(internalName, spare);
    }
    if (setters)
        forEachWord(synonyms, [&](std::string_view synonym) { visit(setterForm(synonym)); });
    else
        forEachWord(synonyms, visit);
    forEachWord(extras, visit);
}

std::vector<NameCode> codesOf(std::string_view internalName)
{
    std::vector<NameCode> codes;
    forEachSpellingOf(internalName, [&codes](std::string_view spelling) {
        codes.push_back(NameCodes::instance().intern(spelling));
    });
    return codes;
}

bool isSpellingOf(NameCode name, std::string_view internalName)
{
    const std::vector<NameCode> spellings = codesOf(internalName);
    return std::find(spellings.begin(), spellings.end(), name) != spellings.end();
}

bool isAnySynonym(std::string_view word)
{
    bool found = false;
    forEachWord(languageDictionary().anyWords(), [&](std::string_view synonym) {
        found = found || currentNameComparison().equal(word, synonym);
    });
    return found;
}

} // namespace velmora
