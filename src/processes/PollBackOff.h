// PollBackOff: the pause between two looks at a condition that nothing signals ("waituntil").
//
// Each look is a yield point of its own: while other processes want the interpreter lock, the
// looks take turns with them, one look per turn, and see every change those processes make. When
// no process wants the lock, looking again at once would only hold a CPU; so would two polling
// processes handing the lock to each other. Then the process sleeps between looks, with the lock
// released, first for 50 microseconds and then twice as long each time up to a millisecond; a
// look that finds another process at work waiting for the lock starts the sleeps short again. A
// stop request ends the sleep at once (StopWake).
//
// To tell polling processes from the others among those that wait for the lock, it counts the
// polling processes that are not asleep: each of them that does not hold the lock waits for it (or
// is about to), so more waiters than that are processes at work.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velmora {

class tLogoprocess;

class PollBackOff {
public:
    // For the polls of one wait, in the process that waits.
    PollBackOff();
    ~PollBackOff();
    PollBackOff(const PollBackOff&) = delete;
    PollBackOff& operator=(const PollBackOff&) = delete;

    // Pauses before the next look, called under the interpreter lock; ends the process
    // (terminate exception) when it is told to stop. Outside a process it does not pause.
    void pause();

private:
    void sleep(const tLogoprocess& self);

    std::chrono::microseconds m_delay { 0 };
    std::mutex m_mutex;
    std::condition_variable m_woken;
};

} // namespace velmora
