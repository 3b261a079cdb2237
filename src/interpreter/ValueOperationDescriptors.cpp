#include "interpreter/ValueOperationDescriptors.h"

#include "interpreter/ClassTables.h"
#include "interpreter/RestoreOnExit.h"
#include "values/LogoNumber.h"

namespace velmora {

namespace {

    // A value's operations are the entries of its class table, found without the virtual
    // lookup that objects need; whatever is missing there takes the full lookup and its error.
    tProcDesc* methodOf(tlogoobject* self, NameCode name)
    {
        if (tLogoTab* table = ClassTables::of(self->kind()))
            if (tProcDesc* method = table->findProc(name))
                return method;
        return self->findProc(name);
    }

} // namespace

void refuseDirectCall(NameCode name)
{
    throw eLogoException::withPrimitive(erInternExecuteF, name);
}

tObjectProcDesc::tObjectProcDesc(NameCode name, ElementTypes funtype, bool varpar, int32_t defpar,
    DispatchOn on, int32_t below, IntegerShortcut shortcut)
    : tProcDesc(name, defpar, varpar, funtype)
    , m_on(on)
    , m_below(below)
    , m_shortcut(shortcut)
{
}

bool tObjectProcDesc::tryShortcut(tLogoStack& stack) const
{
    tlogoobject* a = stack.lookAt(1);
    tlogoobject* b = stack.lookAt(0);
    if (a->kind() != ValueKind::Integer || b->kind() != ValueKind::Integer)
        return false;
    tlogoobject* result
        = m_shortcut(static_cast<tLogoInt*>(a)->value(), static_cast<tLogoInt*>(b)->value());
    if (!result)
        return false;
    stack.drop(2);
    stack.push(result);
    return true;
}

void tObjectProcDesc::call(int32_t inputCount, CallForm, CallRoute)
{
    InterpreterState& state = *InterpreterState::current();
    tLogoStack& stack = state.valueStack;
    if (m_shortcut && inputCount == 2 && tryShortcut(stack))
        return;
    if (inputCount < 1)
        throw eLogoException::withPrimitive(erNotEnoughInputs, name);
    const int32_t position = m_on == DispatchOn::FirstInput ? inputCount - 1
        : m_on == DispatchOn::LastInput                     ? 0
                                                            : m_below;
    // The chosen input leaves the stack; the others stay in their order for the method.
    const ValueRef self = stack.takeAt(position);
    tProcDesc* method = methodOf(self.get(), name);
    // The value is handed over as self for the duration of the method call.
    RestoreOnExit<tlogoobject*> enclosingSelf(state.methodSelf);
    state.methodSelf = self.get();
    method->callMethod(inputCount - 1);
}

} // namespace velmora
