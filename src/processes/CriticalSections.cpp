#include "processes/CriticalSections.h"

#include "localization/NameComparison.h"

#include <cassert>

namespace velmora {

CriticalSections& CriticalSections::instance()
{
    static CriticalSections* sections = new CriticalSections;
    return *sections;
}

size_t CriticalSections::sectionOf(std::string_view name)
{
    std::lock_guard guard(m_mutex);
    for (size_t i = 0; i < m_sections.size(); ++i)
        if (currentNameComparison().equal(m_sections[i].name, name))
            return i;
    m_sections.push_back({ std::string(name), {}, 0 });
    return m_sections.size() - 1;
}

bool CriticalSections::acquire(size_t section, const std::function<bool()>& stopped)
{
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock guard(m_mutex);
    // Indexed afresh after the wait: a new name may have moved the sections meanwhile.
    const auto held = [&] { return m_sections[section].holds > 0; };
    if (held() && m_sections[section].holder == self) {
        ++m_sections[section].holds;
        return true;
    }
    m_changed.wait(guard, [&] { return !held() || stopped(); });
    if (held())
        return false;
    m_sections[section].holder = self;
    m_sections[section].holds = 1;
    return true;
}

void CriticalSections::release(size_t section)
{
    {
        std::lock_guard guard(m_mutex);
        Section& released = m_sections[section];
        assert(released.holds > 0 && released.holder == std::this_thread::get_id());
        if (--released.holds > 0)
            return;
        released.holder = {};
    }
    m_changed.notify_all();
}

void CriticalSections::wakeWaiters()
{
    std::lock_guard guard(m_mutex);
    m_changed.notify_all();
}

} // namespace velmora
