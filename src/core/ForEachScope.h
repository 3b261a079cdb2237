// ForEachScope: the loop variable of "foreach" over the characters of a word or the elements of a
// list.
//
// The name is bound in the innermost local frame, so the body sees it as a local; the repeat
// counter counts the steps from 1. On every way out (end, "stop", an error) the binding is ended
// and the enclosing loop's repeat counter put back. Used under the interpreter lock only.
#pragma once

#include "interpreter/InterpreterState.h"
#include "interpreter/LogoLocaltab.h"

namespace velmora {

class ForEachScope {
public:
    ForEachScope(InterpreterState& state, NameCode name)
        : m_state(state)
        , m_name(name)
        , m_savedCounter(state.repeatCounter)
    {
        state.localTable->declare(name);
        state.repeatCounter = 0;
    }
    ~ForEachScope()
    {
        m_state.localTable->endLocal(m_name);
        m_state.repeatCounter = m_savedCounter;
    }
    ForEachScope(const ForEachScope&) = delete;
    ForEachScope& operator=(const ForEachScope&) = delete;

    // Binds the name to the next item and counts the step.
    void next(tlogoobject* item)
    {
        ++m_state.repeatCounter;
        m_state.localTable->binding(m_name)->assign(item);
    }

private:
    InterpreterState& m_state;
    NameCode m_name;
    int32_t m_savedCounter;
};

} // namespace velmora
