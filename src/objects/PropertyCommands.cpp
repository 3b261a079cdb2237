#include "objects/PropertyCommands.h"

#include "interpreter/InterpreterState.h"
#include "objects/MultiObject.h"
#include "objects/RunningObject.h"

namespace velmora {

PropertyGetter::PropertyGetter(NameCode name)
    : tProcDesc(name, 0, false, etFun)
{
}

void PropertyGetter::call(int32_t, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    state.valueStack.push(read(runningObject()));
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
    set(runningObject(), value.get());
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
