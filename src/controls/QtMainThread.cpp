#include "controls/QtMainThread.h"

#include "processes/InterpreterLock.h"

#include <QThread>

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

} // namespace velmora
