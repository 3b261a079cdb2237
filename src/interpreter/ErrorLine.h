// Turning the instruction path of an error into the number of the element of a procedure's text
// at which the failing instruction starts, so the error can name its line.
#pragma once

#include "interpreter/CodeArray.h"
#include "values/Errors.h"

namespace velmora {

// Counts the elements of the body's text up to the failing instruction (1 for the first), tracing
// nested runs of constant lists of the body; 0 when the path does not lead through the body.
int32_t failingElementNumber(CodeArray* body, const eLogoException& error);

} // namespace velmora
