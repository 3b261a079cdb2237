// QtMainThread: the main-thread call facility of the window programs. While Qt's event loop runs,
// a call is posted to it and the caller waits for it to have run; once the loop has ended, calls
// queue up as in the headless facility and the main thread serves them while the Logo processes
// wind down.
#pragma once

#include "processes/MainThreadCall.h"

#include <QObject>

#include <atomic>

namespace velmora {

class QtMainThread : public HeadlessMainThread {
public:
    QtMainThread();
    void call(const std::function<void()>& work) override;
    // From now on calls wait for `serve`: the event loop no longer runs.
    void loopEnded() { m_loopRunning = false; }

private:
    QObject m_receiver; // lives in the window thread: what is posted to it runs there
    std::atomic<bool> m_loopRunning { true };
};

} // namespace velmora
