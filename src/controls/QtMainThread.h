// QtMainThread: the main-thread call facility of the window programs. A call is queued for the
// window thread and the caller waits, with the interpreter lock let go, until it has run there;
// work that must not wait (a surface reporting a change) is posted to run there later.
//
// What crosses goes through the facility's own queues, under its own locks, and the window thread
// is woken through an event counter that its event loop watches: no data travels in Qt's event
// queue, which the thread sanitizer cannot see into.
//
// Once the program's event loop has ended, the window thread keeps processing events until the
// Logo processes have wound down, so that their last calls (closing windows) still run there. The
// rest of the headless facility (announcing changes to a waiting session) is kept.
#pragma once

#include "processes/MainThreadCall.h"

#include <QSocketNotifier>

#include <functional>
#include <mutex>
#include <vector>

class QWidget;

namespace velmora {

class QtMainThread : public HeadlessMainThread {
public:
    // Made in the window thread, before any Logo process, and gone after the last.
    QtMainThread();
    ~QtMainThread() override;
    QtMainThread(const QtMainThread&) = delete;
    QtMainThread& operator=(const QtMainThread&) = delete;

    void call(const std::function<void()>& work) override;
    // Runs `work` in the window thread later; from any thread.
    void post(std::function<void()> work);

    // The facility of the running window program, if any.
    static QtMainThread* running();

private:
    void wake();
    void serveWindowThread();

    int m_wakeCounter;
    QSocketNotifier m_wakeNotifier;
    CallQueue m_windowCalls;
    std::mutex m_postedLock;
    std::vector<std::function<void()>> m_posted;
};

// Deletes a window in the window thread, unless it has gone already; the objects that own
// windows close them so as they go.
void closeWindow(QWidget* window);

} // namespace velmora
