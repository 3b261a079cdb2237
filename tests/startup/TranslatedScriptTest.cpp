// The golden scripts of tests/logo carried into every other language with a built-in dictionary:
// translated back they are the original byte for byte, and run in that language they print
// what the English expectations say. The expectations stay in the scripts' comments, which
// translation keeps, so the printed text is carried back into English before it is compared:
// what the system prints in words of the language (true and false, names of primitives) then
// reads as in English, while the words the script itself made up pass unchanged, and so does a
// printed word whose English reading no expectation of the script holds. Where that is still
// ambiguous, a word of the language printed as data ("h", a short form, as the first letter of
// "hello"), the expectation carried into the language decides: data prints alike in both. Errors
// are compared by number, which no language changes.
//
// A line bound to English (EnglishBoundLines) runs without its expectation checked; in Czech that
// leaves 560 of the 899 expectations checked.
#include "localization/BuiltInLanguages.h"
#include "startup/GoldenScriptRunner.h"
#include "startup/ScriptTranslation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace velmora {
namespace {

    struct TranslatedScript {
        std::string language;
        std::string path;
    };

    std::vector<TranslatedScript> translatedScripts()
    {
        std::vector<TranslatedScript> all;
        for (const std::string& language : builtInLanguages())
            if (language != "english")
                for (const std::string& path : goldenScripts())
                    all.push_back({ language, path });
        return all;
    }

    ScriptTranslator translatorBetween(const std::string& from, const std::string& to)
    {
        std::string problem;
        auto translator = ScriptTranslator::between(from, to, problem);
        EXPECT_TRUE(translator) << problem;
        return std::move(*translator);
    }

    // The first line where two texts differ, for a failure that can be read.
    std::string firstDifference(const std::string& expected, const std::string& actual)
    {
        std::istringstream a(expected), b(actual);
        std::string lineA, lineB;
        for (int number = 1;; ++number) {
            const bool moreA = static_cast<bool>(std::getline(a, lineA));
            const bool moreB = static_cast<bool>(std::getline(b, lineB));
            if (!moreA && !moreB)
                return "the same lines, other line ends";
            if (lineA != lineB || moreA != moreB)
                return "line " + std::to_string(number) + ":\n  " + lineA + "\n  became\n  "
                    + lineB;
        }
    }

    // Lower case, without the digits of a colour's shade ("red6").
    std::string plainWord(std::string_view word)
    {
        std::string plain = asciiLowered(word);
        while (!plain.empty() && plain.back() >= '0' && plain.back() <= '9')
            plain.pop_back();
        return plain;
    }

    // The English words of the sections whose words a script may quote or the system print.
    std::set<std::string> englishWords(std::initializer_list<std::string_view> sections)
    {
        static const auto english = builtInDictionary("english");
        std::set<std::string> words;
        for (std::string_view name : sections)
            if (const TDTable* section = english->findSection(name))
                for (const DictionaryEntry& entry : section->entries())
                    for (const std::string& word : split(replaceAll(entry.value, "|", " "), ' '))
                        if (const std::string plain = plainWord(word); !plain.empty())
                            words.insert(plain);
        return words;
    }

    // The words of a line's code, as the translation sees them.
    std::vector<std::string> wordsOf(std::string_view code)
    {
        std::string spaced(code);
        for (char& c : spaced)
            if (std::string_view("[]()\t").find(c) != std::string_view::npos)
                c = ' ';
        return split(spaced, ' ');
    }

    // The name a word stands for, without its quotation mark or colon, lower case.
    std::string nameOf(std::string_view word)
    {
        while (!word.empty() && (word.front() == '"' || word.front() == ':'))
            word.remove_prefix(1);
        return plainWord(word);
    }

    // Which lines hold their expectation only in English: a line that quotes a word only English
    // reads ("red, "onClick, "print: quoted words are not translated, except "true, "false and
    // "error), that sets an own variable (its setter is made by the language's template), or that
    // expects printed text no translation carries back (colour and object names, messages). What
    // such a line quotes (objects, classes, procedures) and the procedure it is part of behave
    // otherwise in the other language too, and so does "lastObject" after it created one: a later
    // line that names them again is bound as well.
    class EnglishBoundLines {
    public:
        explicit EnglishBoundLines(const std::string& script)
        {
            std::istringstream lines(script);
            std::string line;
            std::string definition; // the procedure being defined, while in "to" .. "end"
            for (int number = 1; std::getline(lines, line); ++number) {
                const std::vector<std::string> words
                    = wordsOf(std::string_view(line).substr(0, line.find(';')));
                if (words.size() > 1 && plainWord(words[0]) == "to")
                    definition = nameOf(words[1]);
                bool bound
                    = std::any_of(words.begin(), words.end(), [this](const std::string& word) {
                          return quotesOnlyEnglish(word) || setsOwnVariable(word)
                              || namesTainted(word);
                      });
                const size_t expectation = line.find("; expect: ");
                if (expectation != std::string::npos)
                    bound = bound || printsOnlyEnglish(line.substr(expectation + 10));
                if (bound) {
                    m_bound.insert(number);
                    taintNamesOf(words);
                    if (!definition.empty())
                        m_tainted.insert(definition);
                }
                if (!words.empty() && plainWord(words[0]) == "end")
                    definition.clear();
            }
        }

        bool contains(int number) const { return m_bound.contains(number); }

        // The printed text without the words that bound lines made up in the other language:
        // a primitive's name quoted for a definition is a new procedure there ("define "print).
        std::string withoutMadeUpWords(const std::string& printed) const
        {
            std::string result;
            size_t start = 0;
            while (start <= printed.size()) {
                const size_t end = std::min(printed.find_first_of(" []\n", start), printed.size());
                const std::string word = printed.substr(start, end - start);
                const bool madeUp = m_madeUp.contains(nameOf(word));
                if (!madeUp)
                    result += word;
                if (end < printed.size() && !(madeUp && printed[end] == ' '))
                    result += printed[end];
                start = end + 1;
            }
            return result;
        }

    private:
        static const std::set<std::string>& quotable()
        {
            static const std::set<std::string> words = [] {
                auto all = englishWords({ "dict", "class", "prefix", "colors", "keynames", "option",
                    "param", "pathnames", "name", "InstrumentNames" });
                // A letter is data far more often than a property ("x).
                std::erase_if(all, [](const std::string& word) { return word.size() < 2; });
                // Quoted words of the language itself are translated.
                for (const std::string& word : englishWords({ "other" }))
                    all.erase(word);
                return all;
            }();
            return words;
        }

        static bool quotesOnlyEnglish(const std::string& word)
        {
            if (word.size() < 2 || word[0] != '"')
                return false;
            const std::vector<std::string> parts = split(replaceAll(word.substr(1), "'", " "), ' ');
            return std::any_of(parts.begin(), parts.end(),
                [](const std::string& part) { return quotable().contains(nameOf(part)); });
        }

        static bool setsOwnVariable(const std::string& word)
        {
            static const std::set<std::string> known = englishWords({ "dict", "set" });
            const std::string plain = plainWord(word.substr(word.find('\'') + 1));
            return plain.starts_with("set") && !known.contains(plain);
        }

        static bool printsOnlyEnglish(const std::string& expectation)
        {
            if (printsAnEnglishMessage(expectation))
                return true;
            static const std::set<std::string> printable = englishWords(
                { "prefix", "colors", "keynames", "option", "param", "pathnames", "name" });
            const std::vector<std::string> words = wordsOf(expectation);
            return std::any_of(words.begin(), words.end(),
                [](const std::string& word) { return printable.contains(plainWord(word)); });
        }

        bool namesTainted(const std::string& word) const
        {
            const std::vector<std::string> parts = split(replaceAll(word, "'", " "), ' ');
            return std::any_of(parts.begin(), parts.end(),
                [this](const std::string& part) { return m_tainted.contains(nameOf(part)); });
        }

        // Messages are printed in the language: an expectation holding the fixed text of an
        // error message.
        static bool printsAnEnglishMessage(const std::string& expectation)
        {
            static const std::vector<std::string> fixedTexts = [] {
                std::vector<std::string> texts;
                const auto english = builtInDictionary("english");
                for (std::string_view section : { "errors", "text" })
                    for (const DictionaryEntry& entry : english->findSection(section)->entries()) {
                        // The pieces between placeholders, up to the hint after a line break.
                        const std::string_view text
                            = entry.value.substr(0, entry.value.find("\\n"));
                        std::string piece;
                        for (size_t i = 0; i <= text.size(); ++i) {
                            const bool placeholder
                                = i < text.size() && (text[i] == '#' || text.substr(i, 2) == "%s");
                            if (i < text.size() && !placeholder) {
                                piece += text[i];
                                continue;
                            }
                            if (piece.size() >= 8)
                                texts.push_back(piece);
                            piece.clear();
                            ++i; // the placeholder's letter
                            while (i + 1 < text.size()
                                && isdigit(static_cast<unsigned char>(text[i + 1])))
                                ++i;
                        }
                    }
                return texts;
            }();
            return std::any_of(fixedTexts.begin(), fixedTexts.end(), [&](const std::string& text) {
                return expectation.find(text) != std::string::npos;
            });
        }

        // What a bound line quotes it defines or changes, the objects it addresses included, and
        // the object it creates is the last one.
        void taintNamesOf(const std::vector<std::string>& words)
        {
            if (!words.empty() && (nameOf(words[0]) == "new" || nameOf(words[0]) == ".new"))
                m_tainted.insert("lastobject");
            for (size_t i = 0; i < words.size(); ++i) {
                const std::string before = i > 0 ? plainWord(words[i - 1]) : "";
                const bool defines = before == "define";
                for (const std::string& part : split(replaceAll(words[i], "'", " "), ' ')) {
                    const std::string name = nameOf(part);
                    if (defines && quotesOnlyEnglish(part))
                        m_madeUp.insert(name);
                    // An own variable's setter names the variable.
                    if (setsOwnVariable(part))
                        m_tainted.insert(name.substr(3));
                    if (part.starts_with('"') && !name.empty() && !quotable().contains(name))
                        m_tainted.insert(name);
                }
            }
        }

        std::set<int> m_bound;
        std::set<std::string> m_tainted;
        std::set<std::string> m_madeUp;
    };

    // The pieces of a text between blanks, brackets and line breaks, each with the character
    // that ends it.
    std::vector<std::pair<std::string, char>> piecesOf(const std::string& text)
    {
        std::vector<std::pair<std::string, char>> pieces;
        size_t start = 0;
        while (start <= text.size()) {
            const size_t end = std::min(text.find_first_of(" []()\t\r\n", start), text.size());
            pieces.emplace_back(text.substr(start, end - start), end < text.size() ? text[end] : 0);
            start = end + 1;
        }
        return pieces;
    }

    // The words the English expectations of a script hold, lower case.
    std::set<std::string> expectedWords(const std::string& script)
    {
        std::set<std::string> words;
        std::istringstream lines(script);
        for (std::string line; std::getline(lines, line);) {
            const size_t expectation = line.find("; expect: ");
            if (expectation == std::string::npos)
                continue;
            for (const auto& [word, end] :
                piecesOf(replaceAll(line.substr(expectation + 10), "\\n", "\n")))
                words.insert(asciiLowered(word));
        }
        return words;
    }

    // The printed text carried back into English a word at a time: a word of the language turns
    // into its English word only where that English word is one the script's expectations hold.
    // Any other printed word is data that only looks like a word of the language (the second
    // letter of "hello" is "e", which Portuguese reads as "and"), and it stays as printed.
    std::string carriedBack(const std::string& printed, const std::string& translated,
        const std::set<std::string>& expected)
    {
        const auto before = piecesOf(printed);
        const auto after = piecesOf(translated);
        if (before.size() != after.size())
            return translated;
        std::string result;
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i].second != after[i].second)
                return translated;
            const bool meant = expected.contains(asciiLowered(after[i].first));
            result += meant ? after[i].first : before[i].first;
            if (after[i].second)
                result += after[i].second;
        }
        return result;
    }

    void PrintTo(const TranslatedScript& script, std::ostream* out)
    {
        *out << script.path << " in " << script.language;
    }

    class TranslatedGoldenScript : public testing::TestWithParam<TranslatedScript> { };

    TEST_P(TranslatedGoldenScript, ComesBackUnchangedAndRunsAsInEnglish)
    {
        const auto& [language, path] = GetParam();
        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << path;
        const std::string original { std::istreambuf_iterator<char>(file), {} };
        const ScriptTranslator there = translatorBetween("english", language);
        const ScriptTranslator back = translatorBetween(language, "english");

        const std::optional<std::string> translated = there.translate(original);
        ASSERT_TRUE(translated) << path << " has characters that " << language << " cannot hold";
        const std::optional<std::string> returned = back.translate(*translated);
        ASSERT_TRUE(returned);
        EXPECT_TRUE(*returned == original)
            << path << " translated into " << language << " and back differs at "
            << firstDifference(original, *returned);

        const EnglishBoundLines bound(original);
        std::istringstream lines(*translated);
        GoldenScriptLanguage run { language };
        const std::set<std::string> expected = expectedWords(original);
        run.inExpectationsLanguage = [&back, &bound, &expected](const std::string& printed) {
            const std::string translated = back.translate(printed).value_or(printed);
            return bound.withoutMadeUpWords(carriedBack(printed, translated, expected));
        };
        run.printsInItsWords
            = [&there, &bound](const std::string& printed, const std::string& expected) {
                  const std::optional<std::string> carried = there.translate(expected);
                  return carried && bound.withoutMadeUpWords(printed) == *carried;
              };
        run.checksLine = [&bound](int number) { return !bound.contains(number); };
        runGoldenScript(path + " in " + language, lines, run);
    }

    INSTANTIATE_TEST_SUITE_P(Logo, TranslatedGoldenScript, testing::ValuesIn(translatedScripts()),
        [](const testing::TestParamInfo<TranslatedScript>& info) {
            return info.param.language + "_" + goldenScriptName(info.param.path);
        });

} // namespace
} // namespace velmora
