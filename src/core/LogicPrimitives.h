// "and", "or" and "xor": truth values of any number of inputs, taken in order.
//
// A list input is an expression evaluated only when its truth is needed, so «and "false [1 / 0 >
// 1]» never divides; "and" stops at the first false input, "or" at the first true one, "xor"
// takes every input. Other inputs give their own truth value (error 29 when they have none).
#pragma once

#include "interpreter/Registration.h"

#include <span>

namespace velmora {

std::span<const PrimitiveRow> logicPrimitiveRows();

} // namespace velmora
