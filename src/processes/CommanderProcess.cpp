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

void tLogoCommanderProcess::close()
{
    std::lock_guard guard(m_mutex);
    m_closed = true;
    tLogoprocess::requestStop();
    m_changed.notify_all();
}

void tLogoCommanderProcess::requestStop()
{
    std::lock_guard guard(m_mutex);
    m_stopTarget = m_taken;
    if (running())
        tLogoprocess::requestStop();
}

// Its thread does not end when its command is stopped.
void tLogoCommanderProcess::waitFor()
{
    ReleasedLock released;
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [this] { return m_completed >= m_stopTarget || ended(); });
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
    ++m_taken;
    return command;
}

// A command counts as done once its error, if any, has been reported; a stop request made while
// it ran goes with it.
void tLogoCommanderProcess::stepEnded()
{
    MainThreadCaller::current().announce([this] {
        std::lock_guard guard(m_mutex);
        if (!running())
            return;
        ++m_completed;
        clearStopRequest();
        m_changed.notify_all();
    });
}

void tLogoCommanderProcess::body(InterpreterState& state)
{
    const std::optional<Command> command = next();
    if (!command)
        return;
    // A pause does not hold the command line: it is how a user resumes paused processes, so it
    // never stays paused when it takes a line.
    resume();
    state.valueStack.cutBackTo(0);
    if (command->kind == Command::Kind::Define)
        defineFromText(state.currentObject, command->text);
    else
        evaluator::runText(state, command->text);
}

} // namespace velmora
