// The interpreter lock: the one lock every Logo process holds while it runs Logo code.
//
// Locking rules
// - Values, reference counts, the value pools, code caches, name tables, objects and every
//   per-process interpreter state are touched only by the thread that holds this lock.
// - Lock order: the interpreter lock first, then any narrower lock (the list of all processes,
//   the table order lock, a window's keyboard lock, ...). Never take this lock while holding one
//   of those.
// - A thread never blocks while holding it: every wait (for time, a key, another process, a
//   critical section, a call into the window thread) releases it first (see ReleasedLock).
// - The lock hands over fairly: a thread that releases it while others wait gives it directly to
//   the longest waiter and queues behind the others if it wants it back, so a process that
//   yields cannot win the lock straight back and starve the rest. With nobody waiting, a yield
//   costs one atomic load.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace velmora {

class InterpreterLock {
public:
    static InterpreterLock& instance();

    void acquire();
    void release();
    // Lets every thread waiting now run before the caller goes on: hands the lock to the longest
    // waiter and queues the caller behind the others in one step, so that no scheduling delay of
    // the caller can cost it its place. Returns at once when nobody waits.
    void yield();
    // Whether another thread waits for the lock (read without locking; a hint for yield points).
    bool contended() const { return waiters() > 0; }
    // How many threads wait for the lock (read without locking; a hint).
    int waiters() const { return m_waiting.load(std::memory_order_relaxed); }
    // Whether the calling thread holds the lock.
    static bool heldByThisThread() { return t_held; }

private:
    struct Waiter {
        std::condition_variable wake;
        bool granted = false;
    };

    // Gives the lock to the longest waiter; m_mutex held, queue not empty.
    void handOver();

    std::mutex m_mutex;
    bool m_held = false;
    std::deque<Waiter*> m_queue;
    std::atomic<int> m_waiting { 0 };
    static constinit inline thread_local bool t_held = false;
};

// Holds the interpreter lock for a scope (start-up work of the window thread, tests).
class HeldLock {
public:
    HeldLock() { InterpreterLock::instance().acquire(); }
    ~HeldLock() { InterpreterLock::instance().release(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
};

// Holds the lock for a scope unless the calling thread holds it already: for work that arrives
// both from outside Logo (the window thread) and from code that runs under the lock.
class HeldLockUnlessHeld {
public:
    HeldLockUnlessHeld()
        : m_taken(!InterpreterLock::heldByThisThread())
    {
        if (m_taken)
            InterpreterLock::instance().acquire();
    }
    ~HeldLockUnlessHeld()
    {
        if (m_taken)
            InterpreterLock::instance().release();
    }
    HeldLockUnlessHeld(const HeldLockUnlessHeld&) = delete;
    HeldLockUnlessHeld& operator=(const HeldLockUnlessHeld&) = delete;

private:
    bool m_taken;
};

// Gives the lock up for a blocking wait and takes it back afterwards, also when the wait throws.
// Only a thread that holds the lock gives it up; elsewhere it does nothing.
class ReleasedLock {
public:
    ReleasedLock();
    ~ReleasedLock();
    ReleasedLock(const ReleasedLock&) = delete;
    ReleasedLock& operator=(const ReleasedLock&) = delete;

private:
    bool m_held;
};

} // namespace velmora
