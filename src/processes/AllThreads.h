// tallthreads: the list of all Logo processes, in creation order.
//
// A process is listed from its launch until its thread routine ends; the list holds it meanwhile,
// and so does the thread that runs it.
//
// Locking: the list has its own lock, always taken after the interpreter lock and never held
// while waiting for a process: operations that stop processes collect them under the list lock,
// then wait with no list lock held (and with the interpreter lock released by the waiter).
#pragma once

#include "processes/lThread.h"

#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace velmora {

enum class SpareProtected { No, Yes };

class tallthreads {
public:
    static tallthreads& instance();

    void add(std::shared_ptr<tLogoprocess> process);
    // Called by a process's own thread as it ends.
    void remove(tLogoprocess* process);
    std::vector<std::shared_ptr<tLogoprocess>> processes() const;

    // Stops every process but the caller (and, when spared, those named "%p%..."), waiting for
    // each.
    void stopAll(tLogoprocess* caller, SpareProtected spare);
    // Stops every other process of that name (case-insensitive), waiting for each; reports
    // whether the caller bears the name too.
    bool cancel(std::string_view name, tLogoprocess* caller);
    bool exists(std::string_view name) const;
    // Asks every process started as `owner`, but the caller, to stop, without waiting: the
    // object is going.
    void stopStartedAs(const tlogoobject* owner, const tLogoprocess* caller);
    // The name, or the name followed by the first of 1, 2, ... that makes it free.
    std::string uniqueName(const std::string& name) const;
    void pauseAll();
    void resumeAll();
    // Whether a process other than `except` is still running.
    bool anyRunningExcept(const tLogoprocess* except) const;

private:
    using List = std::list<std::shared_ptr<tLogoprocess>>;

    mutable std::mutex m_mutex;
    List m_running; // in creation order
    // Where each process stands in m_running, so that a process that ends leaves at no cost
    // however many run.
    std::unordered_map<const tLogoprocess*, List::iterator> m_positions;
};

} // namespace velmora
