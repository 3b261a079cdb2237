#include "processes/CallQueue.h"

namespace velmora {

void CallQueue::call(const std::function<void()>& work, const std::function<void()>& wake)
{
    Call call { &work };
    std::unique_lock guard(m_mutex);
    m_calls.push_back(&call);
    m_changed.notify_all();
    if (wake) {
        guard.unlock();
        wake();
        guard.lock();
    }
    m_changed.wait(guard, [&] { return call.done; });
}

void CallQueue::serve()
{
    std::unique_lock guard(m_mutex);
    while (!m_calls.empty()) {
        Call* call = m_calls.front();
        m_calls.pop_front();
        guard.unlock();
        (*call->work)();
        guard.lock();
        call->done = true;
        m_changed.notify_all();
    }
}

void CallQueue::waitForWork(const std::function<bool()>& woken)
{
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [&] { return !m_calls.empty() || woken(); });
}

void CallQueue::announce(const std::function<void()>& change)
{
    std::lock_guard guard(m_mutex);
    change();
    m_changed.notify_all();
}

} // namespace velmora
