#include "processes/lThread.h"

#include "interpreter/ErrorText.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/SystemCodes.h"
#include "processes/AllThreads.h"
#include "processes/InterpreterLock.h"
#include "processes/MainThreadCall.h"
#include "processes/MemoryReserve.h"
#include "processes/ProcessThreadPool.h"
#include "processes/StopWake.h"
#include "values/ValueFactory.h"

#include <new>
#include <system_error>

namespace velmora {

namespace {

    thread_local tLogoprocess* t_currentProcess = nullptr;

    // Processes started whose end the main thread cannot see yet: their threads may still touch
    // the main-thread facility.
    std::atomic<int> s_unendedProcesses { 0 };

    // Makes a process the calling thread's current one for a scope: the threads of the processes
    // run one process after another.
    class CurrentProcess {
    public:
        explicit CurrentProcess(tLogoprocess* process) { t_currentProcess = process; }
        ~CurrentProcess() { t_currentProcess = nullptr; }
        CurrentProcess(const CurrentProcess&) = delete;
        CurrentProcess& operator=(const CurrentProcess&) = delete;
    };

    // Lists a process for the time of its start: one that cannot be started leaves the list
    // again, or stopping all processes would wait for it for ever.
    class Listing {
    public:
        explicit Listing(std::shared_ptr<tLogoprocess> process)
            : m_process(process.get())
        {
            tallthreads::instance().add(std::move(process));
        }
        ~Listing()
        {
            if (m_process)
                tallthreads::instance().remove(m_process);
        }
        Listing(const Listing&) = delete;
        Listing& operator=(const Listing&) = delete;
        void keep() { m_process = nullptr; }

    private:
        tLogoprocess* m_process;
    };

} // namespace

tLogoprocess::tLogoprocess(ProcessStart start)
    : m_list(start.list)
    , m_name(std::move(start.name))
    , m_kind(start.kind)
    , m_start(std::move(start))
{
}

tLogoprocess::~tLogoprocess() { delete m_start.locals; }

tLogoprocess* tLogoprocess::current() { return t_currentProcess; }

std::shared_ptr<tLogoprocess> tLogoprocess::launch(std::shared_ptr<tLogoprocess> process)
{
    Listing listing(process);
    ++s_unendedProcesses;
    try {
        processThreads().run([process] { process->threadRoutine(); });
    } catch (const std::system_error&) {
        --s_unendedProcesses;
        // No thread to run it (the address space or the thread limit is used up): an error of
        // the process that asked, which goes on.
        throw eLogoException(erUnexpected);
    }
    listing.keep();
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
    const CurrentProcess current(this);
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
    // The last touch of the process and of the main-thread facility: once the end can be seen,
    // waiters let go of the process and the main thread may tear the facility down.
    MainThreadCaller::current().announce([this] {
        m_ended.set();
        --s_unendedProcesses;
    });
}

bool tLogoprocess::allEnded() { return s_unendedProcesses == 0; }

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
    MemoryReserve::instance().replenish();
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
        fail(state, error);
    } catch (const std::bad_alloc&) {
        // Memory ran out for what this process asked: its error, not the program's end.
        MemoryReserve::instance().spend();
        fail(state, eLogoException(erUnexpected));
    }
    state.stopFlag = 0;
    state.pendingCall = nullptr;
    stepEnded();
}

void tLogoprocess::fail(InterpreterState& state, const eLogoException& error)
{
    report(state, error);
    if (endsOnError())
        m_finished = true;
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
