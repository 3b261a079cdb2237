// InterpreterState: everything one Logo process needs to evaluate, reached through thread-local
// storage.
//
// One record per process: its value stack, the flags that unwind "output", "stop" and tail calls,
// the object it runs as, its depth counters. Other subsystems add their fields here. The record is
// touched only by its own thread, and only while that thread holds the interpreter lock.
#pragma once

#include "interpreter/LastError.h"
#include "interpreter/LogoStack.h"
#include "interpreter/ProcDesc.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

class Icommander;
class tLogoLocaltab;
class tLogoprocess;
class tLogoTab;
class tLogoVarTab;

// What "test" last decided in the running procedure; "iftrue" and "iffalse" read it.
enum class TestResult : uint8_t { False = 0, True = 1, NotTested = 2 };

class InterpreterState {
public:
    // Upper limit of nested instruction-list runs; one more is error 195.
    static constexpr int32_t maximumDepth = 10000;

    explicit InterpreterState(tlogoobject* currentObject, tLogoVarTab* globalVariables);
    ~InterpreterState();
    InterpreterState(const InterpreterState&) = delete;
    InterpreterState& operator=(const InterpreterState&) = delete;

    // The state of the calling thread, or none outside Logo processes.
    static InterpreterState* current() { return t_current; }

    // Makes a state the calling thread's current one for its lifetime, and lets the thread use
    // the value pools.
    class Activation {
    public:
        explicit Activation(InterpreterState& state);
        ~Activation();
        Activation(const Activation&) = delete;
        Activation& operator=(const Activation&) = delete;

    private:
        InterpreterState* m_previous;
    };

    tLogoLocaltab* localTable; // local variables (dynamic scope); owned by the state
    tlogoobject* outputValue = nullptr; // the value of an "output" on its way out (one reference)
    uint8_t stopFlag = 0; // 1: "output", "stop" or a pending tail call unwinds the running body
    TestResult testFlag = TestResult::NotTested; // of the running procedure
    int32_t repeatCounter = 0; // "repcount" of the innermost loop; 0 outside loops
    tLogoStack valueStack; // inputs and results of the calls in progress
    tlogoobject* currentObject; // the object the process runs as; names resolve from it
    tLogoTab* currentTable = nullptr; // the table a process started with (a page's), or none
    tLogoVarTab* globalVariables; // the main object's global variables
    int32_t callLevel = 0; // lookup-chain position of the running procedure, for "usual"
    int32_t foundLevel = 0; // lookup-chain position where the name being called was found
    // Runs inside the running procedure body; 1 at a process's top level, so that only the last
    // instruction of a procedure body itself (where it is 1) makes a tail call.
    int32_t runNesting = 1;
    tProcDesc* pendingCall = nullptr; // a tail call left for the caller's tail-call loop
    int32_t pendingLevel = 0; // lookup-chain position of the pending call
    int32_t pendingArgCount = 0; // inputs of the pending call, on the value stack
    TestResult savedTestFlag = TestResult::NotTested; // restored when a tail-call chain ends
    int32_t depth = 0; // nested instruction-list runs; beyond `maximumDepth` is error 195
    tlogoobject* methodSelf = nullptr; // the value a dispatcher applies an operation to
    // Objects addressed by "tell" and "ask" (none: no who list). Objects are not held: an erased
    // object that a process may still name here is kept, unlinked, until the project ends.
    using WhoList = std::vector<tlogoobject*>;
    std::optional<WhoList> whoList;
    struct AskEntry {
        tlogoobject* object; // the current object before "ask" switched it
        tLogoTab* table; // and the current table
        std::optional<WhoList> whoList; // and the who list
    };
    std::vector<AskEntry> askStack; // one entry per "ask" in progress, innermost last
    uint64_t lastCreatedSerial = 0; // of the last object this process created ("lastObject")
    std::vector<std::string> catchTags; // of the active "catch"es, lower-cased, innermost last
    LastError lastError; // what "error" reports: the last error a "catch" caught
    tLogoprocess* process = nullptr; // the process that owns this state; none outside processes
    Icommander* commander = nullptr; // where errors and printed text go; none discards them
    void (*yieldHook)(InterpreterState&) = nullptr; // run at every yield point; set by processes

private:
    static constinit inline thread_local InterpreterState* t_current = nullptr;
};

} // namespace velmora
