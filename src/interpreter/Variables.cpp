#include "interpreter/Variables.h"

#include "interpreter/LogoLocaltab.h"

namespace velmora {

namespace {

    ObjectVariableFinder s_objectVariableFinder = nullptr;

    // The local binding, else the running object's variable; none for the main object.
    tLogoVarDesc* boundVariable(InterpreterState& state, NameCode name)
    {
        if (tLogoVarDesc* local = state.localTable->binding(name))
            return local;
        if (state.currentObject == state.globalVariables->owner || !s_objectVariableFinder)
            return nullptr;
        return s_objectVariableFinder(state.currentObject, name);
    }

} // namespace

void setObjectVariableFinder(ObjectVariableFinder finder) { s_objectVariableFinder = finder; }

tlogoobject* readVariable(InterpreterState& state, NameCode name)
{
    if (tLogoVarDesc* bound = boundVariable(state, name)) {
        if (tlogoobject* value = bound->value())
            return value;
        throw eLogoException::withName(erNoVal, name);
    }
    return state.globalVariables->getValue(name);
}

void assignVariable(InterpreterState& state, NameCode name, tlogoobject* value)
{
    if (tLogoVarDesc* bound = boundVariable(state, name))
        bound->assign(value);
    else
        state.globalVariables->setVar(name, value);
}

} // namespace velmora
