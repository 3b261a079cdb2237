#include "interpreter/Variables.h"

#include "interpreter/LogoLocaltab.h"

namespace velmora {

tlogoobject* readVariable(InterpreterState& state, NameCode name)
{
    if (tLogoVarDesc* local = state.localTable->binding(name)) {
        if (tlogoobject* value = local->value())
            return value;
        throw eLogoException::withName(erNoVal, name);
    }
    return state.globalVariables->getValue(name);
}

void assignVariable(InterpreterState& state, NameCode name, tlogoobject* value)
{
    if (tLogoVarDesc* local = state.localTable->binding(name))
        local->assign(value);
    else
        state.globalVariables->setVar(name, value);
}

} // namespace velmora
