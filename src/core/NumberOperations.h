// The arithmetic, comparison and truth operations of the word classes.
//
// Every word class has them; text words use the number they spell (error 12 when they spell
// none, a random number for an "any" word). Where a class differs ("not", "random") its own rows
// replace the shared ones, in the order of WordOperations.h.
#pragma once

#include "interpreter/Registration.h"

#include <span>

namespace velmora {

// The rows every word class shares.
std::span<const PrimitiveRow> numberRows();
// What differs for text words, integers and booleans (reals keep what integers have).
std::span<const PrimitiveRow> textWordNumberRows();
std::span<const PrimitiveRow> integerRows();
std::span<const PrimitiveRow> booleanRows();

// An operand of the bit operations: a word other than a real number object, taken with
// `asInteger` (a numeric text word is rounded); error 26 with the 32-bit bounds otherwise.
int32_t bitOperand(tlogoobject* value);

} // namespace velmora
