// Registering primitives into a name table.
//
// A primitive is registered under its internal English name; the registration stands for one
// descriptor for each of the name's spellings in the current language, so every synonym is a name
// of it. The table makes that descriptor when the spelling is first looked up (PendingPrimitives),
// so a program pays only for the primitives it uses. Files of primitives end with one constant
// table of rows built by the helpers below.
#pragma once

#include "interpreter/LogoTab.h"
#include "interpreter/PrimitiveDescriptors.h"
#include "interpreter/PrimitiveRow.h"

#include <span>
#include <string_view>

namespace velmora {

// Offers every row to the table for each of its spellings; the descriptors made from them are
// marked built in. The rows must outlive the table: they are read again whenever a spelling of
// theirs is first looked up.
void registerPrimitives(tLogoTab& table, tlogoobject* owner, std::span<const PrimitiveRow> rows,
    Precedence precedence = Precedence::Replaces);

template <size_t Arity, ResultForm Form>
constexpr PrimitiveRow primitive(
    std::string_view name, ElementTypes funtype, FixedHandler<Form, Arity> handler)
{
    using Desc = tMainPasProcDescFixed<Arity, Form>;
    return { .name = name,
        .make = [](const PrimitiveRow& row, NameCode code, tlogoobject* owner) -> tProcDesc* {
            return new Desc(
                code, row.funtype, std::get<typename Desc::Handler>(row.handler), owner);
        },
        .funtype = funtype,
        .handler = handler };
}

// A primitive with fixed inputs: `fixed<2>("make", etFun, primMake)`.
template <size_t Arity>
constexpr PrimitiveRow fixed(
    std::string_view name, ElementTypes funtype, FixedHandler<ResultForm::Value, Arity> handler)
{
    return primitive<Arity, ResultForm::Value>(name, funtype, handler);
}

// A primitive that outputs a truth value.
template <size_t Arity>
constexpr PrimitiveRow predicate(
    std::string_view name, ElementTypes funtype, FixedHandler<ResultForm::Truth, Arity> handler)
{
    return primitive<Arity, ResultForm::Truth>(name, funtype, handler);
}

// A primitive with distinct command and operation handlers ("ifelse", "run").
template <size_t Arity>
constexpr PrimitiveRow commandOrOperation(std::string_view name, ElementTypes funtype,
    FixedHandler<ResultForm::Value, Arity> commandHandler,
    FixedHandler<ResultForm::Value, Arity> operationHandler)
{
    using Desc = tMainPasProcDescFixed<Arity>;
    return { .name = name,
        .make = [](const PrimitiveRow& row, NameCode code, tlogoobject* owner) -> tProcDesc* {
            using Handler = typename Desc::Handler;
            return new Desc(code, row.funtype, std::get<Handler>(row.handler),
                std::get<Handler>(row.secondHandler), owner);
        },
        .funtype = funtype,
        .handler = commandHandler,
        .secondHandler = operationHandler };
}

// A primitive taking `defpar` inputs, or any number in parentheses.
constexpr PrimitiveRow variable(
    std::string_view name, ElementTypes funtype, int32_t defpar, tMainPasProcDesc::Handler handler)
{
    return { .name = name,
        .make = [](const PrimitiveRow& row, NameCode code, tlogoobject* owner) -> tProcDesc* {
            return new tMainPasProcDesc(code, row.funtype, row.inputs,
                std::get<tMainPasProcDesc::Handler>(row.handler), owner);
        },
        .funtype = funtype,
        .inputs = defpar,
        .handler = handler };
}

// A main-object dispatcher to the operation of the same name in the class table of one input.
constexpr PrimitiveRow dispatcher(std::string_view name, ElementTypes funtype, int32_t inputs,
    DispatchOn on, int32_t below = 0, IntegerShortcut shortcut = nullptr)
{
    return { .name = name,
        .make = [](const PrimitiveRow& row, NameCode code, tlogoobject*) -> tProcDesc* {
            return new tObjectProcDesc(
                code, row.funtype, false, row.inputs, row.on, row.below, row.shortcut);
        },
        .funtype = funtype,
        .inputs = inputs,
        .on = on,
        .below = below,
        .shortcut = shortcut };
}

constexpr PrimitiveRow outputPrimitive(std::string_view name)
{
    return { .name = name,
        .make = [](const PrimitiveRow&, NameCode code, tlogoobject*) -> tProcDesc* {
            return new tOutput(code);
        } };
}

constexpr PrimitiveRow stopPrimitive(std::string_view name)
{
    return { .name = name,
        .make = [](const PrimitiveRow&, NameCode code, tlogoobject*) -> tProcDesc* {
            return new tStop(code);
        } };
}

} // namespace velmora
