#include "interpreter/ObjectDescriptors.h"

namespace velmora {

tObjProcDesc::tObjProcDesc(NameCode name, int32_t defpar, Handler handler, void* data, bool varpar)
    : tProcDesc(name, defpar, varpar, etFun)
    , m_handler(handler)
    , m_data(data)
{
    setCallEntries({ call, this });
}

void tObjProcDesc::call(void* descriptor, int32_t inputCount)
{
    auto* self = static_cast<tObjProcDesc*>(descriptor);
    tLogoStack& stack = currentValueStack();
    const int32_t base = stack.height() - inputCount;
    ValueRef result(self->m_handler(self->m_data, stack, inputCount));
    stack.cutBackTo(base);
    stack.push(result.get());
}

} // namespace velmora
