#include "interpreter/PrimitiveDescriptors.h"

#include "values/ValueFactory.h"

namespace velmora {

tlogoobject* resultValue(tlogoobject* value) { return value; }

tlogoobject* resultValue(bool value) { return makeBool(value); }

tlogoobject* resultValue(int32_t value) { return makeInteger(value); }

tMainPasProcDesc::tMainPasProcDesc(
    NameCode name, ElementTypes funtype, int32_t defpar, Handler handler, tlogoobject* owner)
    : tProcDesc(name, defpar, true, funtype)
    , m_handler(handler)
    , m_owner(owner)
{
}

void tMainPasProcDesc::call(int32_t inputCount, CallForm form, CallRoute)
{
    tLogoStack& stack = currentValueStack();
    const int32_t base = stack.height() - inputCount;
    ValueRef result(m_handler(m_owner, stack, inputCount, form));
    stack.cutBackTo(base);
    stack.push(result.get());
}

tOutput::tOutput(NameCode name)
    : tProcDesc(name, 1, false, etIfFun)
{
    procKind = ProcKind::Output;
}

void tOutput::call(int32_t, CallForm, CallRoute)
{
    ValueRef value = currentValueStack().pop();
    throw eOutputException(value.get());
}

tStop::tStop(NameCode name)
    : tProcDesc(name, 0, false, etIfFun)
{
    procKind = ProcKind::Stop;
}

void tStop::call(int32_t, CallForm, CallRoute) { throw eOutputException(); }

} // namespace velmora
