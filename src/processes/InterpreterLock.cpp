#include "processes/InterpreterLock.h"

namespace velmora {

InterpreterLock& InterpreterLock::instance()
{
    static InterpreterLock lock;
    return lock;
}

void InterpreterLock::acquire()
{
    std::unique_lock guard(m_mutex);
    t_held = true;
    if (!m_held && m_queue.empty()) {
        m_held = true;
        return;
    }
    Waiter waiter;
    m_queue.push_back(&waiter);
    m_waiting.fetch_add(1, std::memory_order_relaxed);
    waiter.wake.wait(guard, [&] { return waiter.granted; });
}

void InterpreterLock::yield()
{
    std::unique_lock guard(m_mutex);
    if (m_queue.empty())
        return;
    handOver();
    Waiter waiter;
    m_queue.push_back(&waiter);
    m_waiting.fetch_add(1, std::memory_order_relaxed);
    waiter.wake.wait(guard, [&] { return waiter.granted; });
}

void InterpreterLock::handOver()
{
    Waiter* next = m_queue.front();
    m_queue.pop_front();
    m_waiting.fetch_sub(1, std::memory_order_relaxed);
    next->granted = true;
    next->wake.notify_one();
}

void InterpreterLock::release()
{
    std::lock_guard guard(m_mutex);
    t_held = false;
    if (m_queue.empty()) {
        m_held = false;
        return;
    }
    // Hand the lock straight to the longest waiter: it stays held throughout.
    handOver();
}

ReleasedLock::ReleasedLock()
    : m_held(InterpreterLock::heldByThisThread())
{
    if (m_held)
        InterpreterLock::instance().release();
}

ReleasedLock::~ReleasedLock()
{
    if (m_held)
        InterpreterLock::instance().acquire();
}

} // namespace velmora
