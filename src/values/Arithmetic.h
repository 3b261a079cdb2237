// Arithmetic and ordering of Logo numbers and words.
//
// Integers stay 32-bit integers while both operands are integers and the result fits; otherwise
// the operation is repeated in extended precision and gives a real; a real result beyond the
// extended range is error 44. A real without fraction counts as an integer. Text words use the
// number they spell (error 12 when they spell none). Two `tLogoInt` operands are recognised by
// their kind before anything virtual is asked, and the results come from the value pools, so
// small-integer arithmetic causes no heap traffic.
#pragma once

#include "values/LogoNumber.h"

#include <cmath>

namespace velmora {

[[noreturn]] void throwNotFinite(tlogoobject* operand);

// The result of an operation when it is a finite number. An overflow, or a result the operation
// cannot give (an infinity or no number at all), is error 44 naming the operand, so that no such
// value ever flows on into printing, comparing or sorting.
inline LogoReal finiteReal(LogoReal result, tlogoobject* operand)
{
    if (!std::isfinite(result)) [[unlikely]]
        throwNotFinite(operand);
    return result;
}

tlogonumber* add(tlogoobject* a, tlogoobject* b);
tlogonumber* subtract(tlogoobject* a, tlogoobject* b);
tlogonumber* multiply(tlogoobject* a, tlogoobject* b);
// Always extended; error 32 for a zero divisor.
tlogonumber* divide(tlogoobject* a, tlogoobject* b);
// Integer -2147483648 negates to the real 2147483648.
tlogonumber* negate(tlogoobject* a);

// "div" and "mod": both operands taken with `asInteger`; the quotient is rounded toward minus
// infinity and the remainder is zero or has the sign of the divisor. Error 32 for a zero divisor.
tlogonumber* flooredQuotient(tlogoobject* a, tlogoobject* b);
tlogonumber* flooredRemainder(tlogoobject* a, tlogoobject* b);

// "sum" and "product" of numbers, one input at a time (0 and 1 of none): integer accumulation
// while the inputs are integers and no overflow occurs, extended accumulation from the first real
// input or the first overflow on.
class NumberAccumulator {
public:
    enum class Operation { Sum, Product };
    explicit NumberAccumulator(Operation operation);

    // Error 12 for an input that is no number.
    void take(tlogoobject* input);
    tlogonumber* result() const;

private:
    Operation m_operation;
    bool m_extended = false;
    int64_t m_total;
    LogoReal m_extendedTotal = 0;
};

// "random" of a limit: 0 .. limit - 1 for a positive limit, 0 for 0, the negative of a random
// number below -limit for a negative one.
int32_t randomBelowLimit(int64_t limit);

// The 32-bit value of an operand that counts as an integer (an integer, a real without fraction
// inside the 32-bit range, a text word spelling one); false for every other operand.
bool integerOperand(tlogoobject* value, int64_t& result);
// An integer when the value fits 32 bits, otherwise the same number as an extended real.
tlogonumber* makeIntegerOrReal(int64_t value);

// Numeric when both are numbers, otherwise the language's word comparison of their texts (error 8
// for a list).
int compareValues(tlogoobject* a, tlogoobject* b);

} // namespace velmora
