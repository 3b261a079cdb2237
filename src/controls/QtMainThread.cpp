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
    QMetaObject::invokeMethod(
        &m_receiver, [&work] { work(); }, Qt::BlockingQueuedConnection);
}

void closeWindow(QWidget* window)
{
    if (QPointer<QWidget> held = window)
        MainThreadCaller::current().call([held] { delete held.data(); });
}

} // namespace velmora
