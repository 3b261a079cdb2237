#include "processes/AllThreads.h"

#include "localization/NameComparison.h"

#include <algorithm>

namespace velmora {

namespace {
    bool isProtected(const std::string& name) { return name.starts_with("%p%"); }
}

tallthreads& tallthreads::instance()
{
    // Never destroyed: threads may still remove themselves while the program ends.
    static tallthreads* list = new tallthreads;
    return *list;
}

void tallthreads::add(std::shared_ptr<tLogoprocess> process)
{
    std::lock_guard guard(m_mutex);
    m_running.push_back(std::move(process));
}

void tallthreads::remove(tLogoprocess* process)
{
    std::lock_guard guard(m_mutex);
    auto found = std::find_if(m_running.begin(), m_running.end(),
        [process](const auto& running) { return running.get() == process; });
    if (found != m_running.end())
        m_running.erase(found);
}

std::vector<std::shared_ptr<tLogoprocess>> tallthreads::processes() const
{
    std::lock_guard guard(m_mutex);
    return m_running;
}

void tallthreads::stopAll(tLogoprocess* caller, SpareProtected spare)
{
    std::vector<std::shared_ptr<tLogoprocess>> stopped;
    {
        std::lock_guard guard(m_mutex);
        for (const auto& process : m_running) {
            if (process.get() == caller
                || (spare == SpareProtected::Yes && isProtected(process->name())))
                continue;
            process->requestStop();
            stopped.push_back(process);
        }
    }
    for (auto it = stopped.rbegin(); it != stopped.rend(); ++it)
        (*it)->waitFor();
}

bool tallthreads::cancel(std::string_view name, tLogoprocess* caller)
{
    const NameComparison& comparison = currentNameComparison();
    std::vector<std::shared_ptr<tLogoprocess>> stopped;
    bool callerBearsName = false;
    {
        std::lock_guard guard(m_mutex);
        for (const auto& process : m_running) {
            if (!comparison.equal(process->name(), name))
                continue;
            if (process.get() == caller) {
                callerBearsName = true;
                continue;
            }
            process->requestStop();
            stopped.push_back(process);
        }
    }
    for (const auto& process : stopped)
        process->waitFor();
    return callerBearsName;
}

bool tallthreads::exists(std::string_view name) const
{
    std::lock_guard guard(m_mutex);
    return std::any_of(m_running.begin(), m_running.end(),
        [&](const auto& process) { return currentNameComparison().equal(process->name(), name); });
}

std::string tallthreads::uniqueName(const std::string& name) const
{
    if (!exists(name))
        return name;
    for (int suffix = 1;; ++suffix) {
        std::string candidate = name + std::to_string(suffix);
        if (!exists(candidate))
            return candidate;
    }
}

void tallthreads::pauseAll()
{
    std::lock_guard guard(m_mutex);
    for (const auto& process : m_running)
        process->pause();
}

void tallthreads::resumeAll()
{
    std::lock_guard guard(m_mutex);
    for (const auto& process : m_running)
        process->resume();
}

bool tallthreads::anyRunningExcept(const tLogoprocess* except) const
{
    std::lock_guard guard(m_mutex);
    return std::any_of(m_running.begin(), m_running.end(),
        [except](const auto& process) { return process.get() != except; });
}

} // namespace velmora
