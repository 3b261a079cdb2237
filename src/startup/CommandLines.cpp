#include "startup/CommandLines.h"

#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"

#include <utility>

namespace velmora {

namespace {

    std::string_view firstWord(std::string_view line)
    {
        return line.substr(0, line.find_first_of(" \t"));
    }

    bool isWord(std::string_view word, std::string_view expected)
    {
        return currentNameComparison().equal(word, expected);
    }

} // namespace

CommandLines::CommandLines()
    : m_toWord(languageDictionary().firstWord("other", "to"))
    , m_endWord(languageDictionary().firstWord("other", "end"))
{
}

std::optional<Command> CommandLines::take(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (collectingDefinition()) {
        m_definition.append(line).append("\r\n");
        if (isWord(text, m_endWord))
            return Command { Command::Kind::Define, std::exchange(m_definition, {}) };
        return std::nullopt;
    }
    if (text.empty() || text[0] == ';')
        return std::nullopt;
    if (isWord(firstWord(text), m_toWord)) {
        m_definition = std::string(line).append("\r\n");
        return std::nullopt;
    }
    return Command { Command::Kind::Run, std::string(text) };
}

std::optional<Command> CommandLines::finish()
{
    if (!collectingDefinition())
        return std::nullopt;
    return Command { Command::Kind::Define, std::exchange(m_definition, {}) };
}

} // namespace velmora
