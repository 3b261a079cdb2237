#include "values/Arithmetic.h"

#include "localization/NameComparison.h"
#include "values/Errors.h"
#include "values/Random.h"
#include "values/ValueFactory.h"

#include <cmath>

namespace velmora {

void throwNotFinite(tlogoobject* operand) { throw eLogoException(erReal, operand); }

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

tlogonumber* makeIntegerOrReal(int64_t value)
{
    if (value >= INT32_MIN && value <= INT32_MAX)
        return makeInteger(static_cast<int32_t>(value));
    return makeReal(static_cast<LogoReal>(value));
}

namespace {

    template <typename IntegerOp, typename RealOp>
    tlogonumber* combine(tlogoobject* a, tlogoobject* b, IntegerOp integerOp, RealOp realOp)
    {
        int64_t x = 0, y = 0;
        if (integerOperand(a, x) && integerOperand(b, y)) {
            const int64_t result = integerOp(x, y);
            if (result >= INT32_MIN && result <= INT32_MAX)
                return makeInteger(static_cast<int32_t>(result));
        }
        return makeReal(finiteReal(realOp(a->asReal(), b->asReal()), a));
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
    return makeReal(finiteReal(dividend / divisor, a));
}

tlogonumber* negate(tlogoobject* a)
{
    int64_t x = 0;
    if (integerOperand(a, x))
        return makeIntegerOrReal(-x);
    return makeReal(-a->asReal());
}

namespace {

    // Both operands as integers; error 32 for a zero divisor.
    void integerDivision(tlogoobject* a, tlogoobject* b, int64_t& dividend, int64_t& divisor)
    {
        dividend = a->asInteger();
        divisor = b->asInteger();
        if (divisor == 0)
            throw eLogoException(erDiv0, b);
    }

    bool signsDiffer(int64_t x, int64_t y) { return (x < 0) != (y < 0); }

} // namespace

tlogonumber* flooredQuotient(tlogoobject* a, tlogoobject* b)
{
    int64_t x = 0, y = 0;
    integerDivision(a, b, x, y);
    const bool inexact = x % y != 0;
    return makeIntegerOrReal(x / y - (inexact && signsDiffer(x, y) ? 1 : 0));
}

tlogonumber* flooredRemainder(tlogoobject* a, tlogoobject* b)
{
    int64_t x = 0, y = 0;
    integerDivision(a, b, x, y);
    const int64_t r = x % y;
    return makeIntegerOrReal(r != 0 && signsDiffer(r, y) ? r + y : r);
}

NumberAccumulator::NumberAccumulator(Operation operation)
    : m_operation(operation)
    , m_total(operation == Operation::Sum ? 0 : 1)
{
}

void NumberAccumulator::take(tlogoobject* input)
{
    const auto combine
        = [this](auto x, auto y) { return m_operation == Operation::Sum ? x + y : x * y; };
    int64_t value = 0;
    if (!m_extended && input->kind() != ValueKind::Real && integerOperand(input, value)) {
        const int64_t total = combine(m_total, value);
        if (total >= INT32_MIN && total <= INT32_MAX) {
            m_total = total;
            return;
        }
    }
    if (!m_extended)
        m_extendedTotal = static_cast<LogoReal>(m_total);
    m_extended = true;
    m_extendedTotal = finiteReal(combine(m_extendedTotal, input->asReal()), input);
}

tlogonumber* NumberAccumulator::result() const
{
    if (m_extended)
        return makeReal(m_extendedTotal);
    return makeInteger(static_cast<int32_t>(m_total));
}

int32_t randomBelowLimit(int64_t limit)
{
    if (limit < 0)
        return -randomBelowLimit(-limit);
    return limit == 0 ? 0 : randomInRange(0, static_cast<int32_t>(limit - 1));
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
