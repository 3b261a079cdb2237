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

    // Local variables (dynamic scope); owned by the state.
    tLogoLocaltab* localTable;
    tlogoobject* outputValue = nullptr;
    uint8_t stopFlag = 0;
    uint8_t testFlag = 2;
    int32_t repeatCounter = 0;
    tLogoStack valueStack;
    tlogoobject* currentObject;
    tLogoTab* currentTable = nullptr;
    tLogoVarTab* globalVariables;
    int32_t callLevel = 0;
    int32_t foundLevel = 0;
    // Runs inside the running procedure body; 1 at a process's top level, so that only the last
    // instruction of a procedure body itself (where it is 1) makes a tail call.
    int32_t runNesting = 1;
    tProcDesc* pendingCall = nullptr;
    tlogoobject* pendingObject = nullptr;
    int32_t pendingLevel = 0;
    int32_t pendingArgCount = 0;
    uint8_t savedTestFlag = 2;
    int32_t depth = 0;
    int32_t lockNesting = 0;
    // The value a value-class operation is applied to, set by the dispatcher that calls it.
    tlogoobject* methodSelf = nullptr;
    // Objects addressed by "tell" and "ask" (none: no who list). Objects are not held: destroying
    // one clears it from every who list and ask stack.
    using WhoList = std::vector<tlogoobject*>;
    std::optional<WhoList> whoList;
    struct AskEntry {
        tlogoobject* object;
        tLogoTab* table;
        std::optional<WhoList> whoList;
    };
    std::vector<AskEntry> askStack;
    // The tags of the active "catch"es, lower-cased, innermost last.
    std::vector<std::string> catchTags;
    LastError lastError;
    // The process that owns this state; none outside processes.
    tLogoprocess* process = nullptr;
    // Where this process reports errors and sends printed text; none discards.
    Icommander* commander = nullptr;
    // Called at every yield point; the process machinery sets it.
    void (*yieldHook)(InterpreterState&) = nullptr;

private:
    static constinit inline thread_local InterpreterState* t_current = nullptr;
};

} // namespace velmora
