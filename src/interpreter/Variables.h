// Reading and assigning variables by name: the process's local bindings first (dynamic scope),
// then, for code running as an object other than the main object, the variables along that
// object's chain, then the main object's global variables.
#pragma once

#include "interpreter/InterpreterState.h"

namespace velmora {

class tLogoVarDesc;

// The variable an object sees along its chain, or none. The object model, which sits above this
// layer, installs it; code running as the main object never asks.
using ObjectVariableFinder = tLogoVarDesc* (*)(tlogoobject* object, NameCode name);
void setObjectVariableFinder(ObjectVariableFinder finder);

// The name code of a variable's name: error 5 for the empty word, 8 for anything but a word.
// Inline: "make" asks it on every assignment.
inline NameCode variableName(tlogoobject* name)
{
    if (name->isWord() && name->isEmpty())
        throw eLogoException(erEmptyWord, name);
    return name->nameCode();
}
// The value; error 24 when no binding or global variable has one.
tlogoobject* readVariable(InterpreterState& state, NameCode name);
// "make": the innermost binding of the name when one exists, else the global variable (created
// when new).
void assignVariable(InterpreterState& state, NameCode name, tlogoobject* value);

} // namespace velmora
