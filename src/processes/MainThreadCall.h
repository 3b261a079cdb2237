// The main-thread call facility: work that must happen in the window thread (creating controls,
// media and socket calls, dialogs) is handed over as a function and run there while the calling
// process waits with the interpreter lock released. Only plain data crosses: the function must
// not touch Logo values.
//
// The player installs a Qt implementation; the console runner and the tests install the headless
// one, whose queue the main thread serves (PlatformService.h says who owns what and when it may
// be swapped).
#pragma once

#include "processes/CallQueue.h"
#include "processes/PlatformService.h"

#include <functional>

namespace velmora {

class MainThreadCaller {
public:
    virtual ~MainThreadCaller() = default;
    // Runs `work` in the main thread and returns when it has run.
    virtual void call(const std::function<void()>& work) = 0;
    // Makes a change of state that the main thread may be waiting for (a command completed, a
    // process ended) and wakes it to look again. The change is made under the lock the main
    // thread looks under, so that once it can see the change the caller has let go of the
    // facility: the main thread may then tear it down.
    virtual void announce(const std::function<void()>& change) { change(); }

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
    void announce(const std::function<void()>& change) override;

private:
    CallQueue m_calls;
};

} // namespace velmora
