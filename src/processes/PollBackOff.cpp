#include "processes/PollBackOff.h"

#include "processes/InterpreterLock.h"
#include "processes/StopWake.h"
#include "processes/lThread.h"
#include "values/Errors.h"

#include <algorithm>
#include <atomic>

namespace velmora {

namespace {

    constexpr std::chrono::microseconds shortestSleep { 50 };
    constexpr std::chrono::microseconds longestSleep { 1000 };

    // Polling processes that are not asleep.
    std::atomic<int> awakePollers { 0 };

    // Whether a process other than a polling one waits for the lock; the caller holds it.
    bool workWaits() { return InterpreterLock::instance().waiters() > awakePollers.load() - 1; }

    // Counts the caller asleep for a scope that ends before it queues for the lock again.
    class Asleep {
    public:
        Asleep() { --awakePollers; }
        ~Asleep() { ++awakePollers; }
        Asleep(const Asleep&) = delete;
        Asleep& operator=(const Asleep&) = delete;
    };

} // namespace

PollBackOff::PollBackOff() { ++awakePollers; }

PollBackOff::~PollBackOff() { --awakePollers; }

void PollBackOff::pause()
{
    const tLogoprocess* self = tLogoprocess::current();
    if (!self || workWaits()) {
        m_delay = std::chrono::microseconds::zero();
        return;
    }
    m_delay = std::clamp(m_delay * 2, shortestSleep, longestSleep);
    sleep(*self);
}

void PollBackOff::sleep(const tLogoprocess& self)
{
    const auto stopped = [&self] { return self.stopRequested(); };
    {
        ReleasedLock released;
        Asleep asleep;
        StopWake wake(&self, [this] {
            std::lock_guard guard(m_mutex);
            m_woken.notify_all();
        });
        std::unique_lock guard(m_mutex);
        m_woken.wait_for(guard, m_delay, stopped);
    }
    if (stopped())
        throw eTerminateException();
}

} // namespace velmora
