#include "controls/QtMainThread.h"

#include "processes/InterpreterLock.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <system_error>

namespace velmora {

namespace {

    std::atomic<QtMainThread*> s_running { nullptr };

    int openWakeCounter()
    {
        const int counter = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        if (counter < 0)
            throw std::system_error(errno, std::generic_category(), "eventfd");
        return counter;
    }

} // namespace

QtMainThread::QtMainThread()
    : m_wakeCounter(openWakeCounter())
    , m_wakeNotifier(m_wakeCounter, QSocketNotifier::Read)
{
    QObject::connect(&m_wakeNotifier, &QSocketNotifier::activated, [this] { serveWindowThread(); });
    s_running = this;
}

QtMainThread::~QtMainThread()
{
    s_running = nullptr;
    m_wakeNotifier.setEnabled(false);
    ::close(m_wakeCounter);
}

QtMainThread* QtMainThread::running() { return s_running; }

void QtMainThread::call(const std::function<void()>& work)
{
    if (QThread::currentThread() == m_wakeNotifier.thread()) {
        work();
        return;
    }
    ReleasedLock released;
    m_windowCalls.call(work, [this] { wake(); });
}

void QtMainThread::post(std::function<void()> work)
{
    {
        std::lock_guard hold(m_postedLock);
        m_posted.push_back(std::move(work));
    }
    wake();
}

void QtMainThread::wake()
{
    const uint64_t one = 1;
    // The counter only fails to take one more when it is about to overflow: then it is read
    // anyway.
    [[maybe_unused]] const ssize_t written = ::write(m_wakeCounter, &one, sizeof one);
}

void QtMainThread::serveWindowThread()
{
    uint64_t wakes = 0;
    [[maybe_unused]] const ssize_t read = ::read(m_wakeCounter, &wakes, sizeof wakes);
    std::vector<std::function<void()>> posted;
    {
        std::lock_guard hold(m_postedLock);
        posted.swap(m_posted);
    }
    for (const std::function<void()>& work : posted)
        work();
    m_windowCalls.serve();
}

void closeWindow(QWidget* window)
{
    if (QPointer<QWidget> held = window)
        MainThreadCaller::current().call([held] { delete held.data(); });
}

} // namespace velmora
