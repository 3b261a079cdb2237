// Arithmetic and ordering of Logo numbers and words.
//
// Integers stay 32-bit integers while both operands are integers and the result fits; otherwise
// the operation is repeated in extended precision and gives a real. A real without fraction counts
// as an integer. Text words use the number they spell (error 12 when they spell none).
#pragma once

#include "values/LogoNumber.h"

namespace velmora {

tlogonumber* add(tlogoobject* a, tlogoobject* b);
tlogonumber* subtract(tlogoobject* a, tlogoobject* b);
tlogonumber* multiply(tlogoobject* a, tlogoobject* b);
// Always extended; error 32 for a zero divisor.
tlogonumber* divide(tlogoobject* a, tlogoobject* b);
// Integer -2147483648 negates to the real 2147483648.
tlogonumber* negate(tlogoobject* a);

// Numeric when both are numbers, otherwise the language's word comparison of their texts (error 8
// for a list).
int compareValues(tlogoobject* a, tlogoobject* b);

} // namespace velmora
