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
constexpr PrimitiveRow classOperation(std::string_view name, FixedHandler<Form, Arity> handler)
{
    using Desc = tPasProcDescFixed<Arity, Form>;
    return { .name = name,
        .make = [](const PrimitiveRow& row, NameCode code, tlogoobject*) -> tProcDesc* {
            return new Desc(code, etFun, std::get<typename Desc::Handler>(row.handler));
        },
        .handler = handler };
}

} // namespace velmora
