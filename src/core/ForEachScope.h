// ForEachScope: the loop variable of "foreach" over the characters of a word or the elements of a
// list, and the loop's repeat counter, which counts the steps from 1.
//
// On every way out (end, "stop", an error) the variable's earlier binding and the enclosing loop's
// repeat counter come back. Used under the interpreter lock only.
#pragma once

#include "core/LoopVariable.h"
#include "interpreter/RestoreOnExit.h"

namespace velmora {

class ForEachScope {
public:
    ForEachScope(InterpreterState& state, NameCode name)
        : m_state(state)
        , m_variable(state, name)
        , m_enclosingCount(state.repeatCounter)
    {
        state.repeatCounter = 0;
    }

    // Binds the name to the next item and counts the step.
    void next(tlogoobject* item)
    {
        ++m_state.repeatCounter;
        m_variable.set(item);
    }

private:
    InterpreterState& m_state;
    LoopVariable m_variable;
    RestoreOnExit<int32_t> m_enclosingCount;
};

} // namespace velmora
