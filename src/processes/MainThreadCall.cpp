#include "processes/MainThreadCall.h"

#include "interpreter/InterpreterState.h"
#include "processes/InterpreterLock.h"

namespace velmora {

namespace {
    // Without an installed facility the calling thread is taken to be the main thread.
    class DirectCall : public MainThreadCaller {
    public:
        void call(const std::function<void()>& work) override { work(); }
    };

}

PlatformService<MainThreadCaller>& mainThreadService()
{
    // Never destroyed: threads that end while the program exits still reach it.
    static auto* service = new PlatformService<MainThreadCaller>(*new DirectCall);
    return *service;
}

MainThreadCaller& MainThreadCaller::current() { return mainThreadService().get(); }

void HeadlessMainThread::call(const std::function<void()>& work)
{
    ReleasedLock released;
    Call call { &work };
    std::unique_lock guard(m_mutex);
    m_calls.push_back(&call);
    m_changed.notify_all();
    m_changed.wait(guard, [&] { return call.done; });
}

void HeadlessMainThread::serve()
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

void HeadlessMainThread::waitForWork(const std::function<bool()>& woken)
{
    std::unique_lock guard(m_mutex);
    m_changed.wait(guard, [&] { return !m_calls.empty() || woken(); });
}

void HeadlessMainThread::wake()
{
    std::lock_guard guard(m_mutex);
    m_changed.notify_all();
}

} // namespace velmora
