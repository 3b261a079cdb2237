#include "startup/ConsoleSession.h"

#include "core/MainObj.h"
#include "localization/DictionaryText.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameComparison.h"
#include "processes/AllThreads.h"
#include "processes/InterpreterLock.h"

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

void ConsoleSession::CountingCommander::reportError(const eLogoException& error)
{
    ++m_count;
    m_target.reportError(error);
}

ConsoleSession::ConsoleSession(Icommander& commander)
    : m_errors(commander)
    , m_mainThreadInstallation(mainThreadService().install(m_mainThread))
    , m_toWord(languageDictionary().firstWord("other", "to"))
    , m_endWord(languageDictionary().firstWord("other", "end"))
{
    HeldLock lock;
    auto* main = new tMainLogoObject;
    m_main = main;
    ProcessStart start;
    start.name = "@commander";
    start.kind = ProcessKind::Commander;
    start.owner = main;
    start.globals = &main->globals();
    start.commander = &m_errors;
    m_commandLine = std::make_shared<tLogoCommanderProcess>(std::move(start));
    tLogoprocess::launch(m_commandLine);
}

ConsoleSession::~ConsoleSession()
{
    tallthreads::instance().stopAll(nullptr, SpareProtected::No);
    m_commandLine->close();
    serveUntil([this] { return m_commandLine->ended(); });
    m_commandLine.reset();
    tallthreads::instance().reap();
    HeldLock lock;
    m_main = nullptr;
}

void ConsoleSession::serveUntil(const std::function<bool()>& done)
{
    while (!done()) {
        m_mainThread.serve();
        m_mainThread.waitForWork(done);
    }
    m_mainThread.serve();
}

void ConsoleSession::run(Command command)
{
    m_commandLine->submit(std::move(command));
    serveUntil([this] { return m_commandLine->idle(); });
}

void ConsoleSession::feedLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (collectingDefinition()) {
        m_definition.append(line).append("\r\n");
        if (isWord(text, m_endWord))
            run({ Command::Kind::Define, std::exchange(m_definition, {}) });
        return;
    }
    if (text.empty() || text[0] == ';')
        return;
    if (isWord(firstWord(text), m_toWord)) {
        m_definition = std::string(line).append("\r\n");
        return;
    }
    run({ Command::Kind::Run, std::string(text) });
}

void ConsoleSession::finish()
{
    // A definition the input ends inside is defined as it stands: its "end" is optional.
    if (collectingDefinition())
        run({ Command::Kind::Define, std::exchange(m_definition, {}) });
    serveUntil([this] { return !tallthreads::instance().anyRunningExcept(m_commandLine.get()); });
}

} // namespace velmora
