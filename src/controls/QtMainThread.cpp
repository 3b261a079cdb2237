#include "controls/QtMainThread.h"

#include "processes/InterpreterLock.h"

#include <QCoreApplication>
#include <QThread>

namespace velmora {

QtMainThread::QtMainThread() = default;

void QtMainThread::call(const std::function<void()>& work)
{
    if (QThread::currentThread() == m_receiver.thread()) {
        work();
        return;
    }
    if (!m_loopRunning) {
        HeadlessMainThread::call(work);
        return;
    }
    ReleasedLock released;
    QMetaObject::invokeMethod(
        &m_receiver, [&work] { work(); }, Qt::BlockingQueuedConnection);
}

} // namespace velmora
