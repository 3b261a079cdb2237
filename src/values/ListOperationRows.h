// The rows of the list class table, by family.
//
// Each family file (access, construction, vectors, sort) holds the operations of "first",
// "item", "+", "sort" and the like for lists and ends with its table of rows; ListOperations.cpp
// registers them all into the list class table. The operations are reached only through the main
// object's dispatchers, which hand the list over as the operation's first argument ("self").
#pragma once

#include "interpreter/Registration.h"
#include "interpreter/ValueOperationDescriptors.h"

#include <vector>

namespace velmora {

// A value-class operation with `Arity` inputs besides the value it applies to.
template <size_t Arity, ResultForm Form = ResultForm::Value>
PrimitiveRow operation(
    std::string_view name, typename tPasProcDescFixed<Arity, Form>::Handler handler)
{
    return { name, [=](NameCode code, tlogoobject*) -> tProcDesc* {
                return new tPasProcDescFixed<Arity, Form>(code, etFun, handler);
            } };
}

std::vector<PrimitiveRow> listAccessRows();
std::vector<PrimitiveRow> listConstructionRows();
std::vector<PrimitiveRow> listEvaluationRows();
std::vector<PrimitiveRow> listVectorRows();
std::vector<PrimitiveRow> listSortRows();

} // namespace velmora
