#include "processes/CriticalSections.h"

#include "localization/NameComparison.h"

namespace velmora {

CriticalSections& CriticalSections::instance()
{
    static CriticalSections* sections = new CriticalSections;
    return *sections;
}

size_t CriticalSections::sectionOf(std::string_view name)
{
    std::lock_guard guard(m_mutex);
    for (size_t i = 0; i < m_names.size(); ++i)
        if (currentNameComparison().equal(m_names[i], name))
            return i;
    m_names.emplace_back(name);
    m_busy.push_back(false);
    return m_names.size() - 1;
}

bool CriticalSections::acquire(size_t section, const std::function<bool()>& stopped)
{
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [&] { return !m_busy[section] || stopped(); });
    if (m_busy[section])
        return false;
    m_busy[section] = true;
    return true;
}

void CriticalSections::release(size_t section)
{
    {
        std::lock_guard guard(m_mutex);
        m_busy[section] = false;
    }
    m_changed.notify_all();
}

void CriticalSections::wakeWaiters()
{
    std::lock_guard guard(m_mutex);
    m_changed.notify_all();
}

} // namespace velmora
