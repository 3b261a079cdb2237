#include "core/ArithmeticPrimitives.h"

#include "interpreter/Registration.h"
#include "values/Arithmetic.h"

namespace velmora {

namespace {

    tlogoobject* primAdd(tlogoobject*, tlogoobject* a, tlogoobject* b) { return add(a, b); }
    tlogoobject* primSubtract(tlogoobject*, tlogoobject* a, tlogoobject* b)
    {
        return subtract(a, b);
    }
    tlogoobject* primMultiply(tlogoobject*, tlogoobject* a, tlogoobject* b)
    {
        return multiply(a, b);
    }
    tlogoobject* primDivide(tlogoobject*, tlogoobject* a, tlogoobject* b) { return divide(a, b); }
    tlogoobject* primNegate(tlogoobject*, tlogoobject* a) { return negate(a); }

    // Unary plus: the number itself (error 12 when it is none).
    tlogoobject* primIdentity(tlogoobject*, tlogoobject* a)
    {
        a->asReal();
        return a;
    }

    bool primEqual(tlogoobject*, tlogoobject* a, tlogoobject* b) { return a->equals(b); }
    bool primNotEqual(tlogoobject*, tlogoobject* a, tlogoobject* b) { return a->differs(b); }
    bool primLess(tlogoobject*, tlogoobject* a, tlogoobject* b) { return compareValues(a, b) < 0; }
    bool primGreater(tlogoobject*, tlogoobject* a, tlogoobject* b)
    {
        return compareValues(a, b) > 0;
    }
    bool primLessOrEqual(tlogoobject*, tlogoobject* a, tlogoobject* b)
    {
        return compareValues(a, b) <= 0;
    }
    bool primGreaterOrEqual(tlogoobject*, tlogoobject* a, tlogoobject* b)
    {
        return compareValues(a, b) >= 0;
    }

} // namespace

void registerArithmeticPrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        fixed<2>("+", etFun, primAdd),
        fixed<2>("-", etFun, primSubtract),
        fixed<2>("*", etFun, primMultiply),
        fixed<2>("/", etFun, primDivide),
        fixed<1>("<unary ->", etFun, primNegate),
        fixed<1>("<unary +>", etFun, primIdentity),
        predicate<2>("=", etFun, primEqual),
        predicate<2>("<>", etFun, primNotEqual),
        predicate<2>("<", etFun, primLess),
        predicate<2>(">", etFun, primGreater),
        predicate<2>("<=", etFun, primLessOrEqual),
        predicate<2>(">=", etFun, primGreaterOrEqual),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
