// The main-thread call facility: work that must happen in the window thread (creating controls,
// media and socket calls, dialogs) is handed over as a function and run there while the calling
// process waits with the interpreter lock released. Only plain data crosses: the function must
// not touch Logo values.
//
// The player installs a Qt implementation; the console runner and the tests install the headless
// one, whose queue the main thread serves (PlatformService.h says who owns what and when it may
// be swapped).
#pragma once

#include "processes/PlatformService.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace velmora {

class MainThreadCaller {
public:
    virtual ~MainThreadCaller() = default;
    // Runs `work` in the main thread and returns when it has run.
    virtual void call(const std::function<void()>& work) = 0;
    // Tells the main thread that a process changed state (a command completed, a process
    // ended), so that a main thread waiting for that looks again.
    virtual void wake() { }

    // The installed facility.
    static MainThreadCaller& current();
};

PlatformService<MainThreadCaller>& mainThreadService();

// Runs calls when the main thread serves its queue.
class HeadlessMainThread : public MainThreadCaller {
public:
    void call(const std::function<void()>& work) override;
    // Runs the calls waiting now; the main thread calls it in its loop.
    void serve();
    // Waits until a call arrives or `woken` says the main thread has other work.
    void waitForWork(const std::function<bool()>& woken);
    void wake() override;

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
