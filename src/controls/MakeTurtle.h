// "maketurtle" name [list]: makes a turtle of that name on the current page, or sets the state of
// the turtle of that name. The list is read left to right: up to three numbers give x, y and the
// heading, then pen-mode words, "showturtle" or "hideturtle", the word of "frameMode", and a word
// beginning with ":" or a quote names the shape. A new turtle is hidden unless "showturtle" is
// given.
#pragma once

#include "interpreter/LogoStack.h"
#include "interpreter/ProcDesc.h"

namespace velmora {

tlogoobject* primMakeTurtle(tlogoobject* owner, tLogoStack& stack, int32_t inputCount, CallForm);

} // namespace velmora
