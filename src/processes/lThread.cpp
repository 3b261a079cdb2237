#include "processes/lThread.h"

#include "interpreter/ErrorText.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/SystemCodes.h"
#include "processes/AllThreads.h"
#include "processes/InterpreterLock.h"
#include "processes/MainThreadCall.h"
#include "processes/StopWake.h"
#include "values/ValueFactory.h"

#include <mutex>
#include <pthread.h>

namespace velmora {

namespace {

    // Deep enough for 10,000 nested instruction-list runs, sanitizer builds included; the stack is
    // reserved, not committed, so idle processes cost little memory.
    constexpr size_t processStackSize = size_t(256) << 20;

    void sizeThreadStacks()
    {
        static std::once_flag once;
        std::call_once(once, [] {
            pthread_attr_t attributes;
            pthread_attr_init(&attributes);
            pthread_attr_setstacksize(&attributes, processStackSize);
            pthread_setattr_default_np(&attributes);
            pthread_attr_destroy(&attributes);
        });
    }

    tInprocType placeKindOf(ProcessKind kind)
    {
        switch (kind) {
        case ProcessKind::Event:
            return ipEvent;
        case ProcessKind::Menu:
            return ipMenu;
        case ProcessKind::Media:
            return ipMCINotify;
        case ProcessKind::Voice:
            return ipVoiceMenu;
        case ProcessKind::Receive:
            return ipNetworkRun;
        case ProcessKind::Main:
            return ipInitialLoad;
        case ProcessKind::Launch:
            return ipLaunch;
        case ProcessKind::Forever:
            return ipForever;
        case ProcessKind::Every:
            return ipEvery;
        case ProcessKind::After:
            return ipAfter;
        case ProcessKind::Drag:
            return ipAutoDrag;
        case ProcessKind::Clean:
            return ipCleaning;
        default:
            return ipNone;
        }
    }

    thread_local tLogoprocess* t_currentProcess = nullptr;

} // namespace

tLogoprocess::tLogoprocess(ProcessStart start)
    : m_list(start.list)
    , m_name(std::move(start.name))
    , m_kind(start.kind)
    , m_start(std::move(start))
{
}

tLogoprocess::~tLogoprocess()
{
    if (m_thread.joinable())
        m_thread.join();
    delete m_start.locals;
}

tLogoprocess* tLogoprocess::current() { return t_currentProcess; }

std::shared_ptr<tLogoprocess> tLogoprocess::launch(std::shared_ptr<tLogoprocess> process)
{
    sizeThreadStacks();
    tallthreads::instance().reap();
    tallthreads::instance().add(process);
    process->m_thread = std::thread([raw = process.get()] { raw->threadRoutine(); });
    return process;
}

tlogoobject* tLogoprocess::nameValue() const { return makeWord(m_name); }

void tLogoprocess::requestStop()
{
    m_finished = true;
    m_stopEvent.set();
    m_paused = false;
    m_runEvent.set();
    StopWake::wakeWaitsOf(this);
}

void tLogoprocess::waitFor()
{
    ReleasedLock released;
    m_ended.wait();
}

void tLogoprocess::clearStopRequest()
{
    m_finished = false;
    m_stopEvent.reset();
}

void tLogoprocess::pause()
{
    m_runEvent.reset();
    m_paused = true;
}

void tLogoprocess::resume()
{
    m_paused = false;
    m_runEvent.set();
}

void tLogoprocess::sleep(int64_t milliseconds)
{
    bool stopped = false;
    {
        ReleasedLock released;
        stopped
            = m_stopEvent.waitFor(std::chrono::milliseconds(std::max<int64_t>(0, milliseconds)));
    }
    if (stopped)
        throw eTerminateException();
}

// Gives the lock to waiting processes, waits while paused, and ends a process told to stop.
void tLogoprocess::yieldPoint(InterpreterState& state)
{
    tLogoprocess* self = state.process;
    if (self->m_finished.load(std::memory_order_relaxed))
        throw eTerminateException();
    InterpreterLock& lock = InterpreterLock::instance();
    if (!self->m_paused.load(std::memory_order_relaxed)) {
        if (lock.contended())
            lock.yield();
    } else {
        ReleasedLock released;
        self->m_runEvent.wait();
    }
    if (self->m_finished.load(std::memory_order_relaxed))
        throw eTerminateException();
}

void tLogoprocess::threadRoutine()
{
    t_currentProcess = this;
    InterpreterLock::instance().acquire();
    {
        InterpreterState state(m_start.owner, m_start.globals);
        if (m_start.locals) {
            delete state.localTable;
            state.localTable = std::exchange(m_start.locals, nullptr);
        }
        state.currentTable = m_start.table;
        state.whoList = std::move(m_start.whoList);
        state.commander = m_start.commander;
        state.process = this;
        state.yieldHook = yieldPoint;
        InterpreterState::Activation activation(state);
        do
            step(state);
        while (runsAgain());
        finish(state);
    }
    tallthreads::instance().remove(this);
    InterpreterLock::instance().release();
    if (m_start.onTerminate)
        MainThreadCaller::current().call(m_start.onTerminate);
    t_currentProcess = nullptr;
    m_ended.set();
    MainThreadCaller::current().wake();
}

void tLogoprocess::finish(InterpreterState& state)
{
    m_finished = true;
    state.valueStack.cutBackTo(0);
    releaseLogoValues();
}

void tLogoprocess::body(InterpreterState& state) { runList(state); }

void tLogoprocess::runList(InterpreterState& state)
{
    if (m_list)
        evaluator::runValue(state, m_list.get());
}

// One run of the body inside the process's error handling.
void tLogoprocess::step(InterpreterState& state)
{
    try {
        body(state);
        if (state.stopFlag) {
            const bool output = state.outputValue != nullptr;
            state.stopFlag = 0;
            release(takeFromHolder(state.outputValue));
            if (output)
                throw eLogoException::withName(erWrongPlace, SystemCodes::instance().output);
        }
    } catch (const eTerminateException&) {
        stepStopped();
    } catch (eLogoException& error) {
        report(state, error);
        if (endsOnError())
            m_finished = true;
    }
    state.stopFlag = 0;
    state.pendingCall = nullptr;
    stepEnded();
}

void tLogoprocess::report(InterpreterState& state, const eLogoException& error)
{
    eLogoException placed = error;
    if (placeKindOf(m_kind) != ipNone)
        placed.recordPlace(m_name, m_start.owner, -1, placeKindOf(m_kind));
    if (state.commander)
        state.commander->reportError(placed);
}

tLogouserProcess::tLogouserProcess(ProcessStart start, tlogoobject* nameValue)
    : tLogoprocess(std::move(start))
    , m_nameValue(nameValue)
{
}

tlogoobject* tLogouserProcess::nameValue() const { return m_nameValue.get(); }

void tLogouserProcess::releaseLogoValues()
{
    tLogoprocess::releaseLogoValues();
    m_nameValue = nullptr;
}

tLogoEveryProcess::tLogoEveryProcess(ProcessStart start, tlogoobject* nameValue, int64_t interval)
    : tLogouserProcess(std::move(start), nameValue)
    , m_interval(interval)
{
}

void tLogoEveryProcess::body(InterpreterState& state)
{
    runList(state);
    sleep(m_interval);
}

tLogoAfterProcess::tLogoAfterProcess(ProcessStart start, tlogoobject* nameValue, int64_t interval)
    : tLogouserProcess(std::move(start), nameValue)
    , m_interval(interval)
{
}

void tLogoAfterProcess::body(InterpreterState& state)
{
    sleep(m_interval);
    runList(state);
}

} // namespace velmora
