// Logo processes: every piece of Logo code runs in one, and every one runs on an operating-system
// thread of its own (one of the process threads, ProcessThreadPool.h), running Logo code only
// while it holds the interpreter lock.
//
// tLogoprocess runs its instruction list once; tLogouserProcess is started by "launch" and keeps
// the name value it was given; the forever, every and after processes repeat or delay their list.
// A process takes the lock when its thread starts it, creates its interpreter state, runs its body
// in steps until it is finished, and gives the lock up at every yield point (so others run) and
// around every blocking wait. Stopping a process sets its finished flag and wakes it from any wait;
// it ends at its next yield point or wait by the terminate exception. Its thread holds it while it
// runs, and hands itself back to the process threads once the process has ended.
//
// Locking: the fields below marked "under the lock" are touched only with the interpreter lock
// held; `m_finished` and `m_paused` are atomics read at yield points; the events synchronise
// waits across threads.
#pragma once

#include "interpreter/Commander.h"
#include "interpreter/InterpreterState.h"
#include "processes/ManualResetEvent.h"
#include "processes/ProcessKind.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

class tLogoLocaltab;

// What a new process starts with.
struct ProcessStart {
    std::string name;
    ProcessKind kind = ProcessKind::Launch;
    tlogoobject* owner = nullptr; // becomes the current object
    tLogoVarTab* globals = nullptr;
    tLogoTab* table = nullptr;
    tLogoLocaltab* locals = nullptr; // taken over; a new table when none
    std::optional<InterpreterState::WhoList> whoList;
    tlogoobject* list = nullptr; // referenced by the process
    Icommander* commander = nullptr;
    NameCode eventCode = 0;
    // Called in the main thread when the thread ends.
    std::function<void()> onTerminate;
};

class tLogoprocess {
public:
    explicit tLogoprocess(ProcessStart start);
    virtual ~tLogoprocess();
    tLogoprocess(const tLogoprocess&) = delete;
    tLogoprocess& operator=(const tLogoprocess&) = delete;

    // Adds the process to the list of all processes and starts it on a thread of the process
    // threads, which holds it until it has ended. Under the lock. When no thread can be had the
    // process is not started: error 0.
    static std::shared_ptr<tLogoprocess> launch(std::shared_ptr<tLogoprocess> process);

    const std::string& name() const { return m_name; }
    ProcessKind kind() const { return m_kind; }
    // The object the process was started as.
    const tlogoobject* owner() const { return m_start.owner; }
    // The name value of user processes; the name as a word for the others. Under the lock.
    virtual tlogoobject* nameValue() const;

    // Asks the process to end at its next yield point or wait.
    virtual void requestStop();
    bool stopRequested() const { return m_finished.load(std::memory_order_relaxed); }
    // Waits until the process has ended (a commander process: until its command has stopped),
    // releasing the interpreter lock when the caller holds it.
    virtual void waitFor();
    void pause();
    void resume();
    bool ended() const { return m_ended.isSet(); }
    // Whether every process started has ended and let go of the main-thread facility, which may
    // then be torn down.
    static bool allEnded();

    // Waits `milliseconds` with the lock released; ends the process (terminate exception) when
    // it is told to stop meanwhile.
    void sleep(int64_t milliseconds);

    // The process whose thread calls, or none.
    static tLogoprocess* current();

protected:
    // Runs the list once; subclasses repeat or delay it.
    virtual void body(InterpreterState& state);
    void runList(InterpreterState& state);
    // Whether the body runs again: processes that run until stopped say so.
    virtual bool runsAgain() const { return false; }
    // Reports an error; a commander process goes on afterwards.
    virtual bool endsOnError() const { return true; }
    // Drops the Logo values the process holds; called under the lock as its thread ends.
    virtual void releaseLogoValues() { m_list = nullptr; }
    // A terminate exception ended the running step (stopme, a stop request, stopall).
    virtual void stepStopped() { m_finished = true; }
    // The step is over, its error (if any) reported.
    virtual void stepEnded() { }
    void clearStopRequest();

    ValueRef m_list;

private:
    void threadRoutine();
    void step(InterpreterState& state);
    // Reports an error of the running step; the process ends unless it goes on after errors.
    void fail(InterpreterState& state, const eLogoException& error);
    void report(InterpreterState& state, const eLogoException& error);
    static void yieldPoint(InterpreterState& state);
    void finish(InterpreterState& state);

    std::string m_name;
    ProcessKind m_kind;
    ProcessStart m_start;
    std::atomic<bool> m_finished { false };
    std::atomic<bool> m_paused { false };
    ManualResetEvent m_stopEvent;
    ManualResetEvent m_runEvent { true };
    ManualResetEvent m_ended;
};

// A process started by a user primitive; "allprocesses" reports the name value it was given.
class tLogouserProcess : public tLogoprocess {
public:
    tLogouserProcess(ProcessStart start, tlogoobject* nameValue);
    tlogoobject* nameValue() const override;

protected:
    void releaseLogoValues() override;

private:
    ValueRef m_nameValue;
};

class tLogoForeverProcess : public tLogouserProcess {
public:
    using tLogouserProcess::tLogouserProcess;

protected:
    bool runsAgain() const override { return !stopRequested(); }
};

// Runs its list, then waits its interval, until stopped.
class tLogoEveryProcess : public tLogouserProcess {
public:
    tLogoEveryProcess(ProcessStart start, tlogoobject* nameValue, int64_t intervalMilliseconds);

protected:
    void body(InterpreterState& state) override;
    bool runsAgain() const override { return !stopRequested(); }

private:
    int64_t m_interval;
};

// Waits its interval, then runs its list once.
class tLogoAfterProcess : public tLogouserProcess {
public:
    tLogoAfterProcess(ProcessStart start, tlogoobject* nameValue, int64_t intervalMilliseconds);

protected:
    void body(InterpreterState& state) override;

private:
    int64_t m_interval;
};

} // namespace velmora
