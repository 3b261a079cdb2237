// RunThread: a thread with a Logo process's stack that runs the fuzzer's jobs one at a time.
//
// Logo code expects the stack of a process thread (deep enough for 10,000 nested runs under the
// sanitizers), which the fuzzer's own thread does not have. Starting a thread of that size for
// every input would cost more than most programs take to run, so one thread is kept and handed
// the jobs; the caller waits until each is done.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <pthread.h>

namespace velmora::fuzzing {

class RunThread {
public:
    explicit RunThread(size_t stackSize);
    ~RunThread();
    RunThread(const RunThread&) = delete;
    RunThread& operator=(const RunThread&) = delete;

    // Runs the job on the thread and returns when it has run.
    void run(const std::function<void()>& job);

private:
    static void* routine(void* self);
    void serve();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    const std::function<void()>* m_job = nullptr; // the job handed over, until it has run
    bool m_closing = false;
    pthread_t m_thread;
};

} // namespace velmora::fuzzing
