// Named critical sections of "runcritical": a process-wide set of sections, each held by at most
// one thread at a time, created on first use of its name and kept until the program ends.
//
// A section is re-entrant for its holder: a process that runs "runcritical" inside its own
// section (a recursive procedure) goes on at once, and the section is free again when the
// outermost of its holds ends. Other threads wait until then.
//
// Locking: the names are looked up under the interpreter lock; waiting for a section happens with
// the interpreter lock released, under the sections' own lock, and ends early when the waiting
// process is told to stop (the waiter registers `wakeWaiters` with StopWake).
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

class CriticalSections {
public:
    static CriticalSections& instance();

    // The section of a name (case-insensitive), created when new. Under the interpreter lock.
    size_t sectionOf(std::string_view name);
    // Takes the section for the calling thread: at once when the thread holds it already, else
    // once it is free; false when `stopped` turned true first.
    bool acquire(size_t section, const std::function<bool()>& stopped);
    // Ends one hold of the calling thread, which holds the section.
    void release(size_t section);
    // Lets waiters look at their stop requests.
    void wakeWaiters();

private:
    struct Section {
        std::string name;
        std::thread::id holder; // no thread while free
        int holds = 0; // how many runs of the holder hold it
    };

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Section> m_sections;
};

} // namespace velmora
