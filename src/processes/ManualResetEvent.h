// ManualResetEvent: a flag that threads can wait for, with a time-out; it stays set until reset.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velmora {

class ManualResetEvent {
public:
    explicit ManualResetEvent(bool set = false)
        : m_set(set)
    {
    }

    // Notifies under the lock: a waiter that sees the event set may destroy it at once.
    void set()
    {
        std::lock_guard guard(m_mutex);
        m_set = true;
        m_changed.notify_all();
    }
    void reset()
    {
        std::lock_guard guard(m_mutex);
        m_set = false;
    }
    bool isSet() const
    {
        std::lock_guard guard(m_mutex);
        return m_set;
    }
    void wait()
    {
        std::unique_lock guard(m_mutex);
        m_changed.wait(guard, [this] { return m_set; });
    }
    // True when the event was set before the time ran out.
    bool waitFor(std::chrono::milliseconds timeout)
    {
        std::unique_lock guard(m_mutex);
        return m_changed.wait_for(guard, timeout, [this] { return m_set; });
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_set;
};

} // namespace velmora
