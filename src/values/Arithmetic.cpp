#include "values/Arithmetic.h"

#include "interpreter/Errors.h"
#include "localization/NameComparison.h"
#include "values/ValueFactory.h"

#include <cmath>
#include <limits>

namespace velmora {

namespace {

    // The 32-bit value of an operand that counts as an integer, if it does.
    bool integerOperand(tlogoobject* value, int64_t& result)
    {
        if (value->kind() == ValueKind::Integer) {
            result = static_cast<tLogoInt*>(value)->value();
            return true;
        }
        if (!value->isInteger())
            return false;
        const LogoReal real = value->asReal();
        if (real < INT32_MIN || real > INT32_MAX)
            return false;
        result = static_cast<int64_t>(real);
        return true;
    }

    bool fits32(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

    template <typename IntegerOp, typename RealOp>
    tlogonumber* combine(tlogoobject* a, tlogoobject* b, IntegerOp integerOp, RealOp realOp)
    {
        int64_t x = 0, y = 0;
        if (integerOperand(a, x) && integerOperand(b, y)) {
            const int64_t result = integerOp(x, y);
            if (fits32(result))
                return makeInteger(static_cast<int32_t>(result));
        }
        return makeReal(realOp(a->asReal(), b->asReal()));
    }

} // namespace

tlogonumber* add(tlogoobject* a, tlogoobject* b)
{
    return combine(
        a, b, [](int64_t x, int64_t y) { return x + y; },
        [](LogoReal x, LogoReal y) { return x + y; });
}

tlogonumber* subtract(tlogoobject* a, tlogoobject* b)
{
    return combine(
        a, b, [](int64_t x, int64_t y) { return x - y; },
        [](LogoReal x, LogoReal y) { return x - y; });
}

tlogonumber* multiply(tlogoobject* a, tlogoobject* b)
{
    return combine(
        a, b, [](int64_t x, int64_t y) { return x * y; },
        [](LogoReal x, LogoReal y) { return x * y; });
}

tlogonumber* divide(tlogoobject* a, tlogoobject* b)
{
    const LogoReal dividend = a->asReal();
    const LogoReal divisor = b->asReal();
    if (divisor == 0)
        throw eLogoException(erDiv0, b);
    return makeReal(dividend / divisor);
}

tlogonumber* negate(tlogoobject* a)
{
    int64_t x = 0;
    if (integerOperand(a, x) && fits32(-x))
        return makeInteger(static_cast<int32_t>(-x));
    return makeReal(-a->asReal());
}

int compareValues(tlogoobject* a, tlogoobject* b)
{
    if (a->kind() == ValueKind::Integer && b->kind() == ValueKind::Integer) {
        const int32_t x = static_cast<tLogoInt*>(a)->value(),
                      y = static_cast<tLogoInt*>(b)->value();
        return (x > y) - (x < y);
    }
    const bool eitherBoolean = a->kind() == ValueKind::Boolean || b->kind() == ValueKind::Boolean;
    if (!eitherBoolean && a->isNumber() && b->isNumber()) {
        const LogoReal x = a->asReal(), y = b->asReal();
        return (x > y) - (x < y);
    }
    const int order = currentNameComparison().compare(a->text(), b->text());
    return (order > 0) - (order < 0);
}

} // namespace velmora
