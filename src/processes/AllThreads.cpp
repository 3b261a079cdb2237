#include "processes/AllThreads.h"

#include "localization/NameComparison.h"

#include <algorithm>

namespace velmora {

namespace {

    bool isProtected(const std::string& name) { return name.starts_with("%p%"); }

    // The number that `suffix` spells as a name made unique would (1, 2, ... without leading
    // zeros; 0 for none), or -1.
    int64_t uniqueNameNumber(std::string_view suffix)
    {
        if (suffix.empty())
            return 0;
        if (suffix.size() > 18 || suffix[0] == '0')
            return -1;
        int64_t number = 0;
        for (char digit : suffix) {
            if (digit < '0' || digit > '9')
                return -1;
            number = number * 10 + (digit - '0');
        }
        return number;
    }

} // namespace

tallthreads& tallthreads::instance()
{
    // Never destroyed: threads may still remove themselves while the program ends.
    static tallthreads* list = new tallthreads;
    return *list;
}

void tallthreads::add(std::shared_ptr<tLogoprocess> process)
{
    std::lock_guard guard(m_mutex);
    const tLogoprocess* key = process.get();
    m_running.push_back(std::move(process));
    m_positions.emplace(key, std::prev(m_running.end()));
}

void tallthreads::remove(tLogoprocess* process)
{
    std::lock_guard guard(m_mutex);
    const auto found = m_positions.find(process);
    if (found == m_positions.end())
        return;
    m_running.erase(found->second);
    m_positions.erase(found);
}

std::vector<std::shared_ptr<tLogoprocess>> tallthreads::processes() const
{
    std::lock_guard guard(m_mutex);
    return { m_running.begin(), m_running.end() };
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

void tallthreads::stopStartedAs(const tlogoobject* owner, const tLogoprocess* caller)
{
    std::lock_guard guard(m_mutex);
    for (const auto& process : m_running)
        if (process->owner() == owner && process.get() != caller)
            process->requestStop();
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

// One pass over the processes: the numbers their names take after `name`. Of n processes at most
// n numbers are taken, so the first free one is at most n + 1.
std::string tallthreads::uniqueName(const std::string& name) const
{
    const NameComparison& comparison = currentNameComparison();
    std::vector<bool> taken;
    {
        std::lock_guard guard(m_mutex);
        taken.resize(m_running.size() + 2);
        for (const auto& process : m_running) {
            const std::string_view other = process->name();
            if (other.size() < name.size() || !comparison.equal(other.substr(0, name.size()), name))
                continue;
            const int64_t number = uniqueNameNumber(other.substr(name.size()));
            if (number >= 0 && number < static_cast<int64_t>(taken.size()))
                taken[static_cast<size_t>(number)] = true;
        }
    }
    const size_t free
        = static_cast<size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
    return free == 0 ? name : name + std::to_string(free);
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
