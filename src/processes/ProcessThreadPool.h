// ProcessThreadPool: operating-system threads kept for reuse by Logo processes.
//
// Creating a thread is most of what starting a process costs: a process stack is too large for the
// C library's cache of stacks, so it is mapped afresh every time, and the new thread's static
// thread-local block (large under the sanitizers) is cleared page by page. So a thread whose job is
// done waits for the next job instead of ending: a new job takes the thread that went idle last, or
// a new thread when none is idle. A new thread is given the pool's stack size at its creation, on
// that thread alone. A thread left idle for the pool's idle time-out ends, so that the threads and
// stacks of a burst of processes are given back soon after it.
//
// Threads are detached. A pool that is destroyed waits until every thread has ended (its job done,
// idle threads at once); the pool of the Logo processes is never destroyed, so that a thread still
// running or idle while the program ends never touches a destroyed pool, and the program's exit
// simply ends the idle ones.
//
// Locking: the pool's lock guards the idle list and the counts. Nothing else is taken while it is
// held, so any thread may start a job, with or without the interpreter lock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <list>
#include <mutex>

namespace velmora {

class ProcessThreadPool {
public:
    // Runs on a pool thread; must not throw. A job leaves the thread-local state it set as it
    // found it: the next job on the thread is another process.
    using Job = std::function<void()>;

    ProcessThreadPool(size_t stackSize, std::chrono::milliseconds idleTimeout);
    ~ProcessThreadPool();
    ProcessThreadPool(const ProcessThreadPool&) = delete;
    ProcessThreadPool& operator=(const ProcessThreadPool&) = delete;

    // Runs `job` on an idle thread, or on a new one. Throws std::system_error, the job not run,
    // when no thread is idle and none can be created.
    void run(Job job);

    // The program's hook for a pool that has grown to a power of two of threads (64 and up): it
    // may prepare the system for that many. Called by the thread that starts the job, outside the
    // pool's lock. Set before the first job.
    using GrowthHook = void (*)(size_t threads);
    void setGrowthHook(GrowthHook hook) { m_growthHook = hook; }

    struct Counts {
        size_t threads = 0; // alive, running a job or idle
        size_t idle = 0; // waiting for a job
    };
    Counts counts() const;
    // Waits until `reached(counts())` holds or `timeout` has passed; true when it holds.
    bool waitForCounts(
        const std::function<bool(const Counts&)>& reached, std::chrono::milliseconds timeout) const;

private:
    struct Worker;
    using IdleList = std::list<Worker*>;
    struct ThreadStart;

    bool handToIdleThread(Job& job);
    void startThread(Job job);
    static void* threadEntry(void* start);
    void serve(Job job, IdleList node) noexcept;
    // Waits idle for the next job; false when the thread is to end instead.
    bool waitForJob(Worker& worker, std::unique_lock<std::mutex>& guard);
    // The thread ends; m_mutex held.
    void retire();

    const size_t m_stackSize;
    const std::chrono::milliseconds m_idleTimeout;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_countsChanged;
    IdleList m_idle; // the thread that went idle last at the back
    size_t m_threads = 0;
    bool m_closing = false;
    GrowthHook m_growthHook = nullptr;
};

// The threads of the Logo processes, each with the process stack size. Never destroyed.
ProcessThreadPool& processThreads();

} // namespace velmora
