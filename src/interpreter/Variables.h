// Reading and assigning variables by name: the process's local bindings first (dynamic scope),
// then the main object's global variables.
#pragma once

#include "interpreter/InterpreterState.h"

namespace velmora {

// The value; error 24 when no binding or global variable has one.
tlogoobject* readVariable(InterpreterState& state, NameCode name);
// "make": the innermost binding of the name when one exists, else the global variable (created
// when new).
void assignVariable(InterpreterState& state, NameCode name, tlogoobject* value);

} // namespace velmora
