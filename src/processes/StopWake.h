// StopWake: ends a process's blocking wait when the process is told to stop.
//
// Waits on the process's own stop event ("wait", the intervals of "every" and "after") end by
// themselves. A wait for something else (a key, a critical section) waits on a condition of its
// own, which a stop request does not know: for the length of such a wait the process registers
// here how to wake it, and a stop request of that process calls it. The wait must look at the
// process's stop request under the lock that the waking function takes before it notifies: then a
// request either comes before the look, which sees it, or finds the waiter asleep and wakes it.
//
// Locking: the registry has its own lock. Stop requests are made under the list lock of all
// processes, so the order is: the list lock, the registry's lock, then the lock that a waking
// function takes. A waking function runs under the registry's lock and so must not register.
#pragma once

#include <functional>

namespace velmora {

class tLogoprocess;

class StopWake {
public:
    // Registers `wake` for the waits of `process` until the end of the scope; with no process
    // (a thread that is not a Logo process cannot be told to stop) it does nothing.
    StopWake(const tLogoprocess* process, std::function<void()> wake);
    ~StopWake();
    StopWake(const StopWake&) = delete;
    StopWake& operator=(const StopWake&) = delete;

    // Wakes the registered waits of the process. Called once its stop request is visible.
    static void wakeWaitsOf(const tLogoprocess* process);

private:
    const tLogoprocess* m_process;
    std::function<void()> m_wake;
};

} // namespace velmora
