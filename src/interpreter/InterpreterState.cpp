#include "interpreter/InterpreterState.h"

#include "interpreter/LogoLocaltab.h"
#include "values/NativeStack.h"
#include "values/ValueFactory.h"

namespace velmora {

InterpreterState::InterpreterState(tlogoobject* object, tLogoVarTab* globals)
    : localTable(new tLogoLocaltab)
    , currentObject(object)
    , globalVariables(globals)
{
}

InterpreterState::~InterpreterState()
{
    release(outputValue);
    delete localTable;
}

InterpreterState::Activation::Activation(InterpreterState& state)
    : m_previous(t_current)
{
    t_current = &state;
    PoolAccess::allow(true);
    NativeStack::learnBoundsOfThisThread();
}

InterpreterState::Activation::~Activation()
{
    t_current = m_previous;
    PoolAccess::allow(m_previous != nullptr);
}

} // namespace velmora
