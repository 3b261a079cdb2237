#include "controls/QtMainThread.h"

#include "processes/InterpreterLock.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

namespace velmora {

void QtMainThread::call(const std::function<void()>& work)
{
    if (QThread::currentThread() == m_receiver.thread()) {
        work();
        return;
    }
    ReleasedLock released;
    m_windowCalls.call(work,
        [this] { QMetaObject::invokeMethod(&m_receiver, [this] { m_windowCalls.serve(); }); });
}

void closeWindow(QWidget* window)
{
    if (QPointer<QWidget> held = window)
        MainThreadCaller::current().call([held] { delete held.data(); });
}

} // namespace velmora
