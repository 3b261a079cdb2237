#include "interpreter/ValueOperationDescriptors.h"

#include "interpreter/ClassTables.h"
#include "values/LogoNumber.h"

namespace velmora {

namespace {

    void refuse(void* data, int32_t)
    {
        throw eLogoException::withPrimitive(erInternExecuteF, static_cast<tProcDesc*>(data)->name);
    }

    // Hands a value over as self for the duration of a method call.
    class SelfScope {
    public:
        SelfScope(InterpreterState& state, tlogoobject* self)
            : m_state(state)
            , m_saved(state.methodSelf)
        {
            state.methodSelf = self;
        }
        ~SelfScope() { m_state.methodSelf = m_saved; }
        SelfScope(const SelfScope&) = delete;
        SelfScope& operator=(const SelfScope&) = delete;

    private:
        InterpreterState& m_state;
        tlogoobject* m_saved;
    };

    // A value's operations are the entries of its class table, found without the virtual
    // lookup that objects need; whatever is missing there takes the full lookup and its error.
    tProcDesc* methodOf(tlogoobject* self, NameCode name, int32_t level)
    {
        if (tLogoTab* table = ClassTables::of(self->kind()))
            if (tProcDesc* method = table->findProc(name))
                return method;
        return self->findProc(name, level);
    }

} // namespace

void refuseDirectCalls(tProcDesc& desc) { desc.setCallEntries({ refuse, &desc }); }

tObjectProcDesc::tObjectProcDesc(NameCode name, ElementTypes funtype, bool varpar, int32_t defpar,
    DispatchOn on, int32_t below, IntegerShortcut shortcut)
    : tProcDesc(name, defpar, varpar, funtype)
    , m_on(on)
    , m_below(below)
    , m_shortcut(shortcut)
{
    setCallEntries({ dispatch, this });
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

void tObjectProcDesc::dispatch(void* data, int32_t inputCount)
{
    auto* desc = static_cast<tObjectProcDesc*>(data);
    InterpreterState& state = *InterpreterState::current();
    tLogoStack& stack = state.valueStack;
    if (desc->m_shortcut && inputCount == 2 && desc->tryShortcut(stack))
        return;
    if (inputCount < 1)
        throw eLogoException::withPrimitive(erNotEnoughInputs, desc->name);
    const int32_t position = desc->m_on == DispatchOn::FirstInput ? inputCount - 1
        : desc->m_on == DispatchOn::LastInput                     ? 0
                                                                  : desc->m_below;
    // The chosen input leaves the stack; the others stay in their order for the method.
    const ValueRef self = stack.takeAt(position);
    tProcDesc* method = methodOf(self.get(), desc->name, state.foundLevel);
    SelfScope scope(state, self.get());
    method->firstMethod(inputCount - 1);
}

} // namespace velmora
