#include "processes/ProcessThreadPool.h"

#include <bit>
#include <memory>
#include <pthread.h>
#include <system_error>
#include <utility>

namespace velmora {

namespace {

    // Measured: a recursive procedure needs about 650 bytes of native stack per nested
    // instruction-list run (2.3 KB under AddressSanitizer), so the 10,000 nested runs the
    // recursion limit allows take 7 MB (24 MB). The stack leaves room for programs that nest nine
    // times as deeply within each run (two and a half times under the sanitizer); deeper nesting
    // meets the native stack guard, error 195. The stack is reserved, not committed: an idle
    // process costs the pages it has touched.
    constexpr size_t processStackSize = size_t(64) << 20;

    // Processes often come in waves (a loop that launches, "every", events): a thread idle this
    // long is likely to be wanted again soon. Longer would keep the threads of a past burst, and
    // the stack pages they touched, for little gain: creating a thread costs milliseconds at most.
    constexpr std::chrono::milliseconds idleThreadLifetime = std::chrono::seconds(5);

    int createDetachedThread(size_t stackSize, void* (*entry)(void*), void* argument)
    {
        pthread_attr_t attributes;
        int error = pthread_attr_init(&attributes);
        if (error != 0)
            return error;
        error = pthread_attr_setstacksize(&attributes, stackSize);
        if (error == 0)
            error = pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
        pthread_t thread;
        if (error == 0)
            error = pthread_create(&thread, &attributes, entry, argument);
        pthread_attr_destroy(&attributes);
        return error;
    }

} // namespace

// A thread of the pool; lives on the thread's own stack. `node` holds the thread's one entry of
// the idle list while it runs a job; `self` points at that entry wherever it is.
struct ProcessThreadPool::Worker {
    std::condition_variable wake;
    Job job;
    IdleList node;
    IdleList::iterator self;
};

// What a new thread is handed: its first job, and its idle-list entry made before the thread, so
// that a thread never allocates outside its jobs.
struct ProcessThreadPool::ThreadStart {
    ProcessThreadPool* pool;
    Job job;
    IdleList node;
};

ProcessThreadPool& processThreads()
{
    // Never destroyed: threads may still finish their jobs or wait idle while the program ends.
    static auto* pool = new ProcessThreadPool(processStackSize, idleThreadLifetime);
    return *pool;
}

ProcessThreadPool::ProcessThreadPool(size_t stackSize, std::chrono::milliseconds idleTimeout)
    : m_stackSize(stackSize)
    , m_idleTimeout(idleTimeout)
{
}

ProcessThreadPool::~ProcessThreadPool()
{
    std::unique_lock guard(m_mutex);
    m_closing = true;
    for (Worker* worker : m_idle)
        worker->wake.notify_one();
    m_countsChanged.wait(guard, [this] { return m_threads == 0; });
}

void ProcessThreadPool::run(Job job)
{
    if (!handToIdleThread(job))
        startThread(std::move(job));
}

ProcessThreadPool::Counts ProcessThreadPool::counts() const
{
    std::lock_guard guard(m_mutex);
    return { m_threads, m_idle.size() };
}

bool ProcessThreadPool::waitForCounts(
    const std::function<bool(const Counts&)>& reached, std::chrono::milliseconds timeout) const
{
    std::unique_lock guard(m_mutex);
    return m_countsChanged.wait_for(guard, timeout, [&] {
        return reached(Counts { m_threads, m_idle.size() });
    });
}

// The thread that went idle last takes the job: its stack and caches are the warmest, and the
// threads idle longest are left to time out when fewer are needed.
bool ProcessThreadPool::handToIdleThread(Job& job)
{
    std::lock_guard guard(m_mutex);
    if (m_idle.empty())
        return false;
    Worker* worker = m_idle.back();
    worker->node.splice(worker->node.end(), m_idle, worker->self);
    worker->job = std::move(job);
    worker->wake.notify_one();
    m_countsChanged.notify_all();
    return true;
}

void ProcessThreadPool::startThread(Job job)
{
    auto start = std::make_unique<ThreadStart>(ThreadStart { this, std::move(job), IdleList(1) });
    size_t threads = 0;
    {
        std::lock_guard guard(m_mutex);
        threads = ++m_threads;
    }
    if (m_growthHook && threads >= 64 && std::has_single_bit(threads))
        m_growthHook(threads);
    const int error = createDetachedThread(m_stackSize, threadEntry, start.get());
    if (error != 0) {
        std::lock_guard guard(m_mutex);
        retire();
        throw std::system_error(error, std::generic_category(), "no thread for a process");
    }
    start.release();
}

void* ProcessThreadPool::threadEntry(void* argument)
{
    std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(argument));
    ProcessThreadPool& pool = *start->pool;
    Job job = std::move(start->job);
    IdleList node = std::move(start->node);
    start.reset();
    pool.serve(std::move(job), std::move(node));
    return nullptr;
}

void ProcessThreadPool::serve(Job job, IdleList node) noexcept
{
    Worker worker { {}, {}, std::move(node), {} };
    worker.self = worker.node.begin();
    *worker.self = &worker;
    for (;;) {
        job();
        // What the job held (its process) goes before the thread is offered again.
        job = nullptr;
        std::unique_lock guard(m_mutex);
        if (!waitForJob(worker, guard)) {
            retire();
            return;
        }
        job = std::exchange(worker.job, nullptr);
    }
}

bool ProcessThreadPool::waitForJob(Worker& worker, std::unique_lock<std::mutex>& guard)
{
    if (m_closing)
        return false;
    m_idle.splice(m_idle.end(), worker.node, worker.self);
    m_countsChanged.notify_all();
    worker.wake.wait_for(guard, m_idleTimeout, [&] { return worker.job || m_closing; });
    if (worker.job)
        return true;
    // Not taken: a job is only ever handed over together with the thread's entry.
    worker.node.splice(worker.node.end(), m_idle, worker.self);
    return false;
}

void ProcessThreadPool::retire()
{
    --m_threads;
    // Under the lock: a pool being destroyed goes on only once this thread has let go of it.
    m_countsChanged.notify_all();
}

} // namespace velmora
