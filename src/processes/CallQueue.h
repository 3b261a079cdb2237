// CallQueue: calls handed from other threads to one serving thread, each caller waiting until its
// call has run. Every hand-over goes through this queue's own mutex, so the thread sanitizer sees
// what the caller wrote before the call as written before the call runs, whatever woke the
// serving thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace velmora {

class CallQueue {
public:
    // Queues `work`, runs `wake` so that the serving thread comes to serve, and waits until the
    // work has run.
    void call(const std::function<void()>& work, const std::function<void()>& wake = {});
    // Runs the calls waiting now; the serving thread calls it.
    void serve();
    // Waits until a call arrives or `woken` says the serving thread has other work.
    void waitForWork(const std::function<bool()>& woken);
    // Makes a change under the lock the serving thread looks under, and wakes it to look again.
    void announce(const std::function<void()>& change);

private:
    struct Call {
        const std::function<void()>* work;
        bool done = false;
    };
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Call*> m_calls;
};

} // namespace velmora
