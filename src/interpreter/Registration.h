// Registering primitives into a name table.
//
// A primitive is registered under its internal English name; the registration enters one
// descriptor for each of the name's spellings in the current language, so every synonym is a name
// of it. Files of primitives end with one table of rows built by the helpers below.
#pragma once

#include "interpreter/LogoTab.h"
#include "interpreter/PrimitiveDescriptors.h"
#include "interpreter/ValueOperationDescriptors.h"

#include <functional>
#include <span>
#include <string_view>

namespace velmora {

struct PrimitiveRow {
    std::string_view name;
    std::function<tProcDesc*(NameCode name, tlogoobject* owner)> make;
};

// Registers every row for each of its spellings, marking the descriptors built in.
void registerPrimitives(tLogoTab& table, tlogoobject* owner, std::span<const PrimitiveRow> rows);

template <size_t Arity, ResultForm Form>
PrimitiveRow primitive(std::string_view name, ElementTypes funtype,
    typename tMainPasProcDescFixed<Arity, Form>::Handler handler)
{
    return { name, [=](NameCode code, tlogoobject* owner) -> tProcDesc* {
                return new tMainPasProcDescFixed<Arity, Form>(code, funtype, handler, owner);
            } };
}

// A primitive with fixed inputs: `fixed<2>("make", etFun, primMake)`.
template <size_t Arity>
PrimitiveRow fixed(std::string_view name, ElementTypes funtype,
    typename tMainPasProcDescFixed<Arity>::Handler handler)
{
    return primitive<Arity, ResultForm::Value>(name, funtype, handler);
}

// A primitive that outputs a truth value.
template <size_t Arity>
PrimitiveRow predicate(std::string_view name, ElementTypes funtype,
    typename tMainPasProcDescFixed<Arity, ResultForm::Truth>::Handler handler)
{
    return primitive<Arity, ResultForm::Truth>(name, funtype, handler);
}

// A primitive with distinct command and operation handlers ("ifelse", "run").
template <size_t Arity>
PrimitiveRow commandOrOperation(std::string_view name, ElementTypes funtype,
    typename tMainPasProcDescFixed<Arity>::Handler commandHandler,
    typename tMainPasProcDescFixed<Arity>::Handler operationHandler)
{
    return { name, [=](NameCode code, tlogoobject* owner) -> tProcDesc* {
                return new tMainPasProcDescFixed<Arity>(
                    code, funtype, commandHandler, operationHandler, owner);
            } };
}

// A primitive taking `defpar` inputs, or any number in parentheses.
PrimitiveRow variable(
    std::string_view name, ElementTypes funtype, int32_t defpar, tMainPasProcDesc::Handler handler);

// A main-object dispatcher to the operation of the same name in the class table of one input.
PrimitiveRow dispatcher(std::string_view name, ElementTypes funtype, int32_t inputs, DispatchOn on,
    int32_t below = 0, IntegerShortcut shortcut = nullptr);

PrimitiveRow outputPrimitive(std::string_view name);
PrimitiveRow stopPrimitive(std::string_view name);

} // namespace velmora
