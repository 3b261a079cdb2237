#include "startup/ConsoleSession.h"

#include "core/MainObj.h"
#include "processes/AllThreads.h"
#include "processes/InterpreterLock.h"

#include <utility>

namespace velmora {

void ConsoleSession::SessionCommander::reportError(const eLogoException& error)
{
    ++m_count;
    m_target.reportError(error);
}

// "bye" in any process: the main thread, waiting for a command or for the processes to end,
// looks again and finds the session closing.
void ConsoleSession::SessionCommander::closeRequested()
{
    m_target.closeRequested();
    m_session.m_mainThread.announce([this] { m_session.m_closing = true; });
}

ConsoleSession::ConsoleSession(
    Icommander& commander, HeadlessMainThread* mainThread, const Setup& setup)
    : m_errors(*this, commander)
    , m_mainThread(mainThread ? *mainThread : m_ownMainThread)
    , m_mainThreadInstallation(mainThreadService().install(m_mainThread))
    , m_defaultCommanderInstallation(defaultCommanderService().install(m_errors))
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
    if (setup)
        setup(*main, start);
    m_commandLine = std::make_shared<tLogoCommanderProcess>(std::move(start));
    tLogoprocess::launch(m_commandLine);
}

ConsoleSession::~ConsoleSession()
{
    tallthreads::instance().stopAll(nullptr, SpareProtected::No);
    m_commandLine->close();
    // Every process, not only the command line: a stopped one still tells the main thread that
    // it has ended, through the facility this session is about to take away.
    serveUntil([] { return tLogoprocess::allEnded(); });
    m_commandLine.reset();
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
    serveUntil([this] { return closing() || m_commandLine->idle(); });
}

void ConsoleSession::feedLine(std::string_view line)
{
    if (closing())
        return;
    if (std::optional<Command> command = m_lines.take(line))
        run(std::move(*command));
}

void ConsoleSession::finish()
{
    if (std::optional<Command> command = m_lines.finish())
        run(std::move(*command));
    serveUntil([this] {
        return closing() || !tallthreads::instance().anyRunningExcept(m_commandLine.get());
    });
}

} // namespace velmora
