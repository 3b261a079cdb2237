#include "startup/ConsoleSession.h"

#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "interpreter/SystemCodes.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"

#include <utility>

namespace velmora {

namespace {

    std::string_view trimmed(std::string_view line)
    {
        const size_t begin = line.find_first_not_of(" \t\r\n");
        if (begin == std::string_view::npos)
            return {};
        const size_t end = line.find_last_not_of(" \t\r\n");
        return line.substr(begin, end - begin + 1);
    }

    std::string_view firstWord(std::string_view line)
    {
        return line.substr(0, line.find_first_of(" \t"));
    }

    bool isWord(std::string_view word, std::string_view expected)
    {
        return currentNameComparison().equal(word, expected);
    }

} // namespace

ConsoleSession::ConsoleSession(Icommander& commander)
    : m_commander(commander)
    , m_main(new tMainLogoObject)
    , m_state(m_main.get(), &static_cast<tMainLogoObject*>(m_main.get())->globals())
    , m_activation(m_state)
    , m_toWord(languageDictionary().firstWord("other", "to"))
    , m_endWord(languageDictionary().firstWord("other", "end"))
{
    m_state.commander = &commander;
}

ConsoleSession::~ConsoleSession() = default;

void ConsoleSession::feedLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (collectingDefinition()) {
        m_definition += std::string(line) + "\r\n";
        if (isWord(text, m_endWord))
            define(std::exchange(m_definition, {}));
        return;
    }
    if (text.empty() || text[0] == ';')
        return;
    if (isWord(firstWord(text), m_toWord)) {
        m_definition = std::string(line) + "\r\n";
        return;
    }
    runLine(text);
}

void ConsoleSession::finish()
{
    if (collectingDefinition()) {
        m_definition.clear();
        report(eLogoException(erMissingTO));
    }
}

void ConsoleSession::define(const std::string& definition)
{
    try {
        defineFromText(m_main.get(), definition);
    } catch (const eLogoException& error) {
        report(error);
    }
}

void ConsoleSession::runLine(std::string_view line)
{
    try {
        evaluator::runText(m_state, line);
        if (m_state.stopFlag) {
            const bool output = m_state.outputValue != nullptr;
            m_state.stopFlag = 0;
            release(takeFromHolder(m_state.outputValue));
            if (output)
                throw eLogoException::withName(erWrongPlace, SystemCodes::instance().output);
        }
    } catch (const eLogoException& error) {
        m_state.stopFlag = 0;
        report(error);
    } catch (const eTerminateException&) {
        // "throw "toplevel" and stops end the line quietly.
        m_state.stopFlag = 0;
    }
}

void ConsoleSession::report(const eLogoException& error)
{
    ++m_errorCount;
    m_commander.reportError(error);
}

} // namespace velmora
