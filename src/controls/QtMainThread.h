// QtMainThread: the main-thread call facility of the window programs. A call is queued for the
// window thread, which Qt's event loop is asked to serve, and the caller waits, with the
// interpreter lock let go, until it has run there. The queue is the facility's own rather than
// Qt's blocking connection, so that the hand-over is seen by the thread sanitizer. Once the program's event loop has ended, the window thread keeps processing
// events until the Logo processes have wound down, so that their last calls (closing windows)
// still run there. The rest of the headless facility (announcing changes to a waiting session)
// is kept.
#pragma once

#include "processes/MainThreadCall.h"

#include <QObject>

class QWidget;

namespace velmora {

class QtMainThread : public HeadlessMainThread {
public:
    void call(const std::function<void()>& work) override;

private:
    QObject m_receiver; // lives in the window thread: what is posted to it runs there
    CallQueue m_windowCalls;
};

// Deletes a window in the window thread, unless it has gone already; the objects that own
// windows close them so as they go.
void closeWindow(QWidget* window);

} // namespace velmora
