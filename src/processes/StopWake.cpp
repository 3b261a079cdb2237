#include "processes/StopWake.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace velmora {

namespace {

    struct Registry {
        std::mutex mutex;
        std::vector<const StopWake*> waits;
    };

    // Never destroyed: processes may still stop while the program ends.
    Registry& registry()
    {
        static Registry* waits = new Registry;
        return *waits;
    }

} // namespace

StopWake::StopWake(const tLogoprocess* process, std::function<void()> wake)
    : m_process(process)
    , m_wake(std::move(wake))
{
    if (!m_process)
        return;
    Registry& waits = registry();
    std::lock_guard guard(waits.mutex);
    waits.waits.push_back(this);
}

StopWake::~StopWake()
{
    if (!m_process)
        return;
    Registry& waits = registry();
    std::lock_guard guard(waits.mutex);
    waits.waits.erase(std::find(waits.waits.begin(), waits.waits.end(), this));
}

void StopWake::wakeWaitsOf(const tLogoprocess* process)
{
    Registry& waits = registry();
    std::lock_guard guard(waits.mutex);
    for (const StopWake* wait : waits.waits) {
        if (wait->m_process == process)
            wait->m_wake();
    }
}

} // namespace velmora
