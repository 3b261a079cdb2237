// Numeric lists as vectors and points.
//
// A numeric list is a non-empty list of numbers (asking for one and getting an empty list is
// error 4, a non-number element error 10); a point list is a list whose first element is itself a
// list. Arithmetic works element by element, a point list point by point. The element operations
// are those of numbers, so integers stay integers where they would there.
//
// The word side reaches these for the cases where a list is not the dispatching input: "*" of a
// number and a list, and "sum" and "product" whose first input is a list.
#pragma once

#include "values/LogoList.h"

#include <span>

namespace velmora {

enum class VectorOp { Add, Subtract, Multiply, Divide };

// "+", "-", "*", "/" with a list on the left:
// - a point list with a 2-element numeric list (for "*" and "/" also a number): each point with
//   it; symmetrically a 2-element numeric list with a point list;
// - otherwise the list must be numeric; "+" and "-" need a numeric list of the same length
//   (error 10 otherwise), "*" and "/" a number (each element scaled) or a numeric list of the
//   same length (element-wise; anything else is error 11).
// Returns a new list with no holder.
tLogoList* vectorArithmetic(VectorOp op, tlogoobject* list, tlogoobject* other);

// "*" or "/" of a number on the left and a numeric list: the number with each element.
tLogoList* scalarWithVector(VectorOp op, tlogoobject* number, tlogoobject* list);

// "sum" and "product" whose first input is a list: the vector arithmetic of the first input with
// each further one in turn. The inputs are held by the caller; the result has no holder (or is
// the first input itself when it is the only one).
tlogoobject* vectorAccumulate(VectorOp op, std::span<tlogoobject* const> inputs);

} // namespace velmora
