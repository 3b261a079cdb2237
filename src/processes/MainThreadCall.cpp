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
    m_calls.call(work);
}

void HeadlessMainThread::serve() { m_calls.serve(); }

void HeadlessMainThread::waitForWork(const std::function<bool()>& woken)
{
    m_calls.waitForWork(woken);
}

void HeadlessMainThread::announce(const std::function<void()>& change) { m_calls.announce(change); }

} // namespace velmora
