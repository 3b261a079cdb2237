#include "objects/PropertyCommands.h"

#include "interpreter/InterpreterState.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {

    tmultiobject& currentObject(InterpreterState& state)
    {
        return *static_cast<tmultiobject*>(state.currentObject);
    }

} // namespace

PropertyGetter::PropertyGetter(NameCode name)
    : tProcDesc(name, 0, false, etFun)
{
}

void PropertyGetter::call(int32_t, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    state.valueStack.push(read(currentObject(state)));
}

tPseudoVarCommand::tPseudoVarCommand(NameCode name, std::vector<NameCode> changes)
    : tProcDesc(name, 1, false, etFun)
    , m_changes(std::move(changes))
{
}

void tPseudoVarCommand::call(int32_t, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    const ValueRef value = state.valueStack.pop();
    set(currentObject(state), value.get());
    state.valueStack.push(nullptr);
}

void clearDoNotSave(tmultiobject& object, std::span<const NameCode> properties)
{
    for (NameCode property : properties)
        if (tTabDesc* variable = object.varTable().find(property))
            variable->flags &= static_cast<uint8_t>(~donotsavenow);
}

void tPseudoVarCommand::set(tmultiobject& object, tlogoobject* value)
{
    clearDoNotSave(object, m_changes);
    write(object, value);
}

tObjProcDesc::tObjProcDesc(NameCode name, GetterRoutine routine)
    : PropertyGetter(name)
    , m_routine(routine)
{
}

tPseudoVarObjCommand::tPseudoVarObjCommand(
    NameCode name, std::vector<NameCode> changes, SetterRoutine routine)
    : tPseudoVarCommand(name, std::move(changes))
    , m_routine(routine)
{
}

} // namespace velmora
