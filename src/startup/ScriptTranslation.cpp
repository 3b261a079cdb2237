#include "startup/ScriptTranslation.h"

#include "localization/CodePageConverter.h"
#include "localization/DictionarySources.h"
#include "values/CharacterClasses.h"

namespace velmora {

namespace {

    // The reader ends words at its delimiters; a text file also breaks lines with line feeds
    // and may hold tabs.
    bool endsWord(char c) { return isDelimiter(c) || c == '\n' || c == '\t'; }

    // Where the word starting at start ends: at a delimiter outside bars, a backslash taking
    // the character after it along.
    size_t wordEnd(std::string_view text, size_t start)
    {
        bool inBars = false;
        size_t i = start;
        while (i < text.size()) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size()) {
                i += 2;
                continue;
            }
            if (c == '|')
                inBars = !inBars;
            else if (!inBars && endsWord(c))
                break;
            ++i;
        }
        return i;
    }

    // A quoted word takes any one character after the mark, as the reader does, then runs on
    // as a word.
    size_t quotedWordEnd(std::string_view text, size_t mark)
    {
        const size_t first = mark + 1;
        if (first >= text.size())
            return first;
        const char c = text[first];
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '[' || c == ']')
            return first;
        if (c == '|' || c == '\\')
            return wordEnd(text, first);
        return wordEnd(text, first + 1);
    }

    size_t lineEnd(std::string_view text, size_t start)
    {
        const size_t end = text.find_first_of("\r\n", start);
        return end == std::string_view::npos ? text.size() : end;
    }

    class Translator {
    public:
        Translator(const LanguageVocabulary& from, const LanguageVocabulary& to)
            : m_from(from)
            , m_to(to)
        {
        }

        // "to" and "end" are words of the language only where they open and close a
        // definition, first on their line, or where a definition would take them for its name
        // ("to end"); elsewhere they are data ("[a b end]").
        std::string word(std::string_view word, bool asDefinitionWord = false) const
        {
            if (word.empty() || isDigit(word[0])
                || word.find_first_of("|\\") != std::string_view::npos)
                return std::string(word);
            if (word[0] == ':')
                return std::string(1, ':').append(variable(word.substr(1)));
            const size_t apostrophe = word.find('\'');
            if (apostrophe != std::string_view::npos && apostrophe > 0) {
                // Before the apostrophe stands a "param" word ("own'", "usual'") or an object: its
                // name, or a primitive that reports it ("lastobject'").
                const std::string_view prefix = word.substr(0, apostrophe);
                const auto parameter = m_from.findPrefix(prefix);
                std::string translated
                    = parameter ? inOtherLanguage(prefix, *parameter) : this->word(prefix);
                return translated.append(1, '\'').append(this->word(word.substr(apostrophe + 1)));
            }
            const auto meant = m_from.find(word);
            if (!meant || (isDefinitionWord(*meant) && !asDefinitionWord))
                return std::string(word);
            return inOtherLanguage(word, *meant);
        }

        // A variable is the user's, unless the system itself reads it (":initList").
        std::string variable(std::string_view name) const
        {
            const auto meant = m_from.find(name);
            return meant && meant->kind == WordKind::SystemName ? inOtherLanguage(name, *meant)
                                                                : std::string(name);
        }

        // A quoted word stays as written, unless it is a word of the language itself ("true,
        // "false, "error): Logo has no other way to write a truth value or the catch-all tag,
        // which the other language reads only in its own words.
        std::string quotedWord(std::string_view word) const
        {
            const auto meant = m_from.findOfKind(word, WordKind::Other);
            return meant ? inOtherLanguage(word, *meant) : std::string(word);
        }

    private:
    public:
        bool opensDefinition(std::string_view word) const
        {
            const auto meant = m_from.find(word);
            return meant && meant->kind == WordKind::Other && meant->key == "to";
        }

    private:
        static bool isDefinitionWord(const InternalWord& word)
        {
            return word.kind == WordKind::Other && (word.key == "to" || word.key == "end");
        }

        // The other language's spelling, in the letter case the word was written in: as the
        // dictionary spells it, in capitals, in small letters, or capitalised.
        std::string inOtherLanguage(std::string_view written, const InternalWord& meant) const
        {
            const std::string spelling = m_to.spell(meant);
            if (spelling.empty())
                return std::string(written);
            const std::string usual = m_from.spell(meant);
            if (written == usual)
                return spelling;
            if (!m_from.hasSmallLetter(written))
                return m_to.uppered(spelling);
            if (!m_from.hasCapital(written))
                return m_to.lowered(spelling);
            if (!m_from.hasSmallLetter(written.substr(0, 1))
                && !m_from.hasCapital(written.substr(1)))
                return m_to.uppered(spelling.substr(0, 1)) + m_to.lowered(spelling.substr(1));
            return spelling;
        }

        const LanguageVocabulary& m_from;
        const LanguageVocabulary& m_to;
    };

} // namespace

std::string translateScript(
    std::string_view text, const LanguageVocabulary& from, const LanguageVocabulary& to)
{
    const Translator translator(from, to);
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    bool firstOnLine = true;
    bool afterTo = false; // the word after a "to" that opens a definition: its name
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        size_t end = i + 1;
        if (c == ';') {
            end = lineEnd(text, i);
            result.append(text.substr(i, end - i));
        } else if (c == '"') {
            end = quotedWordEnd(text, i);
            result.append(1, '"').append(translator.quotedWord(text.substr(i + 1, end - i - 1)));
            firstOnLine = afterTo = false;
        } else if (endsWord(c)) {
            result += c;
            if (c == '\r' || c == '\n') {
                firstOnLine = true;
                afterTo = false;
            } else if (c != ' ' && c != '\t') {
                firstOnLine = afterTo = false;
            }
        } else {
            end = wordEnd(text, i);
            const std::string_view word = text.substr(i, end - i);
            result += translator.word(word, firstOnLine || afterTo);
            afterTo = firstOnLine && translator.opensDefinition(word);
            firstOnLine = false;
        }
        i = end;
    }
    return result;
}

namespace {

    // The text in the code page, or nothing when a character of it has no place there.
    std::optional<std::string> faithfully(
        std::string_view text, const std::string& to, const std::string& from)
    {
        std::string converted = CodePageConverter(to, from).convert(text);
        if (CodePageConverter(from, to).convert(converted) != text)
            return std::nullopt;
        return converted;
    }

} // namespace

std::optional<ScriptTranslator> ScriptTranslator::between(
    std::string_view from, std::string_view to, std::string& problem)
{
    ScriptTranslator translator;
    for (auto [side, language] :
        { std::pair { &translator.m_from, from }, std::pair { &translator.m_to, to } }) {
        side->language = languageOrDefault(language);
        LoadedDictionary loaded = createLanguageDictionary(side->language);
        const auto tell = [&problem](const std::string& line) {
            problem += (problem.empty() ? "" : "\n") + line;
        };
        if (!loaded.warning.empty())
            tell(loaded.warning);
        if (!loaded.dictionary) {
            tell("there is no dictionary for the language " + std::string(language));
            return std::nullopt;
        }
        side->dictionary = std::move(loaded.dictionary);
        side->codePage = iconvCodePageOf(side->language);
        side->vocabulary = std::make_unique<LanguageVocabulary>(*side->dictionary, side->language);
    }
    return translator;
}

std::optional<std::string> ScriptTranslator::translate(std::string_view utf8) const
{
    const auto source = faithfully(utf8, m_from.codePage, "UTF-8");
    if (!source)
        return std::nullopt;
    const std::string translated = translateScript(*source, *m_from.vocabulary, *m_to.vocabulary);
    return faithfully(translated, "UTF-8", m_to.codePage);
}

} // namespace velmora
