// LoopVariable: the variable of "for" and "foreach", bound in the innermost local frame while the
// loop runs.
//
// Whatever binding the name had (a local of the running procedure, one of its inputs, a caller's
// local, a global) is saved when the loop starts and put back when it ends, also early through
// "stop" or an error, so the loop never takes a variable away from the code around it. Used under
// the interpreter lock only.
#pragma once

#include "interpreter/InterpreterState.h"
#include "interpreter/LogoLocaltab.h"

namespace velmora {

class LoopVariable {
public:
    LoopVariable(InterpreterState& state, NameCode name)
        : m_locals(*state.localTable)
        , m_name(name)
    {
        m_locals.bindUntilEnded(name);
    }
    ~LoopVariable() { m_locals.endLocal(m_name); }
    LoopVariable(const LoopVariable&) = delete;
    LoopVariable& operator=(const LoopVariable&) = delete;

    void set(tlogoobject* value) { m_locals.binding(m_name)->assign(value); }

private:
    tLogoLocaltab& m_locals;
    NameCode m_name;
};

} // namespace velmora
