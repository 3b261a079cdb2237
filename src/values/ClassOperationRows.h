// Rows of a value class's table.
//
// A value-class operation is registered like a main-object primitive, by its internal name and a
// handler, but its descriptor refuses direct calls: only the main object's dispatchers reach it,
// handing over the value it applies to as the handler's first argument ("self").
#pragma once

#include "interpreter/Registration.h"
#include "interpreter/ValueOperationDescriptors.h"

namespace velmora {

// An operation with `Arity` inputs besides the value it applies to.
template <size_t Arity, ResultForm Form = ResultForm::Value>
PrimitiveRow classOperation(
    std::string_view name, typename tPasProcDescFixed<Arity, Form>::Handler handler)
{
    return { name, [=](NameCode code, tlogoobject*) -> tProcDesc* {
                return new tPasProcDescFixed<Arity, Form>(code, etFun, handler);
            } };
}

} // namespace velmora
