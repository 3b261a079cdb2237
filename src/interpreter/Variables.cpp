#include "interpreter/Variables.h"

#include "interpreter/LogoLocaltab.h"

namespace velmora {

namespace {

    ObjectVariableFinder s_objectVariableFinder = nullptr;

    bool runsAsMainObject(const InterpreterState& state)
    {
        return state.currentObject == state.globalVariables->owner || !s_objectVariableFinder;
    }

    tlogoobject* valueOf(tLogoVarDesc& variable, NameCode name)
    {
        if (tlogoobject* value = variable.value())
            return value;
        throw eLogoException::withName(erNoVal, name);
    }

    // Out of line, so that the paths of code running as the main object stay calls in tail
    // position that save no registers.
    [[gnu::noinline]] tlogoobject* readObjectVariable(InterpreterState& state, NameCode name)
    {
        if (tLogoVarDesc* variable = s_objectVariableFinder(state.currentObject, name))
            return valueOf(*variable, name);
        return state.globalVariables->getValue(name);
    }

    [[gnu::noinline]] void assignObjectVariable(
        InterpreterState& state, NameCode name, tlogoobject* value)
    {
        if (tLogoVarDesc* variable = s_objectVariableFinder(state.currentObject, name))
            variable->assign(value);
        else
            state.globalVariables->setVar(name, value);
    }

} // namespace

void setObjectVariableFinder(ObjectVariableFinder finder) { s_objectVariableFinder = finder; }

tlogoobject* readVariable(InterpreterState& state, NameCode name)
{
    if (tLogoVarDesc* local = state.localTable->binding(name))
        return valueOf(*local, name);
    if (!runsAsMainObject(state))
        return readObjectVariable(state, name);
    return state.globalVariables->getValue(name);
}

void assignVariable(InterpreterState& state, NameCode name, tlogoobject* value)
{
    if (tLogoVarDesc* local = state.localTable->binding(name))
        local->assign(value);
    else if (!runsAsMainObject(state))
        assignObjectVariable(state, name, value);
    else
        state.globalVariables->setVar(name, value);
}

} // namespace velmora
