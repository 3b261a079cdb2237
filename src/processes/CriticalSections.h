// Named critical sections of "runcritical": a process-wide set of sections, each held by at most
// one process at a time, created on first use of its name and kept until the program ends.
//
// Locking: the names are looked up under the interpreter lock; waiting for a section happens with
// the interpreter lock released, under the sections' own lock, and ends early when the waiting
// process is told to stop.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace velmora {

class CriticalSections {
public:
    static CriticalSections& instance();

    // The section of a name (case-insensitive), created when new. Under the interpreter lock.
    size_t sectionOf(std::string_view name);
    // Waits until the section is free and takes it; false when `stopped` turned true first.
    bool acquire(size_t section, const std::function<bool()>& stopped);
    void release(size_t section);
    // Lets waiters look at their stop requests.
    void wakeWaiters();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_names;
    std::vector<bool> m_busy;
};

} // namespace velmora
