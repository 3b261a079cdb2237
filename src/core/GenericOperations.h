// The generic operations of words and numbers: main-object dispatchers that hand the call to the
// operation of the same name in the class table of one of their inputs.
//
// "first" of a word, of a list and of an object run the word's, the list's and the object's own
// "first". One-input operations and the access family ("item", "member?", "fput", ...) dispatch on
// their last input, the infix operators and their named forms on the first, "replace" on the
// middle one.
#pragma once

#include "interpreter/Registration.h"

#include <span>

namespace velmora {

std::span<const PrimitiveRow> genericOperationRows();

} // namespace velmora
