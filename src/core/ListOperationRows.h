// The rows of the list class table, by family.
//
// Each family file (access, construction, vectors, sort) holds the operations of "first",
// "item", "+", "sort" and the like for lists and ends with its table of rows; ListOperations.cpp
// registers them all into the list class table. The operations are reached only through the main
// object's dispatchers, which hand the list over as the operation's first argument ("self").
#pragma once

#include "core/ClassOperationRows.h"

#include <span>

namespace velmora {

std::span<const PrimitiveRow> listAccessRows();
std::span<const PrimitiveRow> listConstructionRows();
std::span<const PrimitiveRow> listEvaluationRows();
std::span<const PrimitiveRow> listVectorRows();
std::span<const PrimitiveRow> listSortRows();

} // namespace velmora
