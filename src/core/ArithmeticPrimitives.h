// The arithmetic primitives of the main object that take any number of inputs: "sum",
// "product", the bit operations and "equal?". The operators and the one-input functions are
// generic operations (GenericOperations.h) reaching the word classes' own operations.
#pragma once

#include "interpreter/Registration.h"

#include <span>

namespace velmora {

std::span<const PrimitiveRow> arithmeticPrimitiveRows();

} // namespace velmora
