#include "RunThread.h"

#include <cstdio>
#include <cstdlib>

namespace velmora::fuzzing {

RunThread::RunThread(size_t stackSize)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackSize);
    const int failure = pthread_create(&m_thread, &attributes, routine, this);
    pthread_attr_destroy(&attributes);
    if (failure) {
        std::fprintf(stderr, "RunThread: no thread\n");
        std::abort();
    }
}

RunThread::~RunThread()
{
    {
        std::lock_guard guard(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    pthread_join(m_thread, nullptr);
}

void RunThread::run(const std::function<void()>& job)
{
    std::unique_lock guard(m_mutex);
    m_job = &job;
    m_changed.notify_all();
    m_changed.wait(guard, [this] { return m_job == nullptr; });
}

void* RunThread::routine(void* self)
{
    static_cast<RunThread*>(self)->serve();
    return nullptr;
}

void RunThread::serve()
{
    std::unique_lock guard(m_mutex);
    for (;;) {
        m_changed.wait(guard, [this] { return m_job != nullptr || m_closing; });
        if (m_closing)
            return;
        const std::function<void()>* job = m_job;
        guard.unlock();
        (*job)();
        guard.lock();
        m_job = nullptr;
        m_changed.notify_all();
    }
}

} // namespace velmora::fuzzing
