#include "processes/CommanderProcess.h"

#include "interpreter/Evaluator.h"
#include "interpreter/ProcedureDefinition.h"
#include "processes/InterpreterLock.h"
#include "processes/MainThreadCall.h"

namespace velmora {

tLogoCommanderProcess::tLogoCommanderProcess(ProcessStart start)
    : tLogoprocess(std::move(start))
{
}

void tLogoCommanderProcess::submit(Command command)
{
    {
        std::lock_guard guard(m_mutex);
        m_commands.push_back(std::move(command));
        ++m_submitted;
    }
    m_changed.notify_all();
}

bool tLogoCommanderProcess::idle() const
{
    std::lock_guard guard(m_mutex);
    return m_completed == m_submitted || ended();
}

void tLogoCommanderProcess::waitUntilIdle()
{
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [this] { return m_completed == m_submitted || ended(); });
}

void tLogoCommanderProcess::close()
{
    {
        std::lock_guard guard(m_mutex);
        m_closed = true;
    }
    requestStop();
    m_changed.notify_all();
}

// Its thread does not end when its command is stopped: waiting for it means waiting for the
// running command, if any, to stop.
void tLogoCommanderProcess::waitFor()
{
    ReleasedLock released;
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [this] { return !m_running || ended(); });
}

bool tLogoCommanderProcess::runsAgain() const
{
    std::lock_guard guard(m_mutex);
    return !m_closed;
}

std::optional<Command> tLogoCommanderProcess::next()
{
    ReleasedLock released;
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [this] { return !m_commands.empty() || m_closed; });
    if (m_closed)
        return std::nullopt;
    Command command = std::move(m_commands.front());
    m_commands.pop_front();
    m_running = true;
    return command;
}

// A command counts as done once its error, if any, has been reported.
void tLogoCommanderProcess::stepEnded()
{
    {
        std::lock_guard guard(m_mutex);
        if (!m_running)
            return;
        m_running = false;
        ++m_completed;
    }
    m_changed.notify_all();
    MainThreadCaller::current().wake();
}

void tLogoCommanderProcess::body(InterpreterState& state)
{
    const std::optional<Command> command = next();
    if (!command)
        return;
    // A stop request that came while the command line was idle concerns no command; nor does a
    // pause: the command line is how a user resumes paused processes, so it never stays paused
    // when it takes a line.
    clearStopRequest();
    resume();
    state.valueStack.cutBackTo(0);
    if (command->kind == Command::Kind::Define)
        defineFromText(state.currentObject, command->text);
    else
        evaluator::runText(state, command->text);
}

} // namespace velmora
