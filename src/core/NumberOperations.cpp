// The arithmetic operations of words: the infix operators and their named forms, the unary signs,
// "div" and "mod", the rounding and transcendental functions, "random", "bitnot", "not" and the
// comparisons. A list on the right of "*" or "/" scales the list (the vector operations of lists).
#include "core/NumberOperations.h"

#include "core/ClassOperationRows.h"
#include "core/ListVectors.h"
#include "values/Angles.h"
#include "values/Arithmetic.h"
#include "values/Errors.h"
#include "values/ValueFactory.h"

#include <cmath>
#include <numbers>

namespace velmora {

namespace {

    constexpr LogoReal degreesPerRadian = 180 / std::numbers::pi_v<LogoReal>;

    tlogoobject* primAdd(tlogoobject* self, tlogoobject* b) { return add(self, b); }
    tlogoobject* primSubtract(tlogoobject* self, tlogoobject* b) { return subtract(self, b); }

    tlogoobject* primMultiply(tlogoobject* self, tlogoobject* b)
    {
        if (b->isList())
            return scalarWithVector(VectorOp::Multiply, self, b);
        return multiply(self, b);
    }

    tlogoobject* primDivide(tlogoobject* self, tlogoobject* b)
    {
        if (b->isList())
            return scalarWithVector(VectorOp::Divide, self, b);
        return divide(self, b);
    }

    tlogoobject* primNegate(tlogoobject* self) { return negate(self); }

    // Unary plus: the number itself (error 12 when it is none).
    tlogoobject* primIdentity(tlogoobject* self)
    {
        self->asReal();
        return self;
    }

    tlogoobject* primDiv(tlogoobject* self, tlogoobject* b) { return flooredQuotient(self, b); }
    tlogoobject* primMod(tlogoobject* self, tlogoobject* b) { return flooredRemainder(self, b); }

    tlogoobject* primAbs(tlogoobject* self)
    {
        int64_t value = 0;
        if (integerOperand(self, value))
            return makeIntegerOrReal(value < 0 ? -value : value);
        return makeReal(std::fabs(self->asReal()));
    }

    // Toward zero; a real beyond the 32-bit range stays a real.
    tlogoobject* primInt(tlogoobject* self)
    {
        if (self->kind() == ValueKind::Integer)
            return self;
        return makeNumber(std::trunc(self->asReal()));
    }

    // Half away from zero; a real beyond the 32-bit range stays a (rounded) real.
    tlogoobject* primRound(tlogoobject* self)
    {
        if (self->kind() == ValueKind::Integer)
            return self;
        return makeNumber(std::round(self->asReal()));
    }

    // An integer angle is reduced in integers; any other number as an extended real.
    tlogoobject* ofDegrees(
        tlogoobject* self, LogoReal (*ofWhole)(int32_t), LogoReal (*ofReal)(LogoReal))
    {
        if (self->kind() == ValueKind::Integer)
            return makeReal(ofWhole(static_cast<tLogoInt*>(self)->value()));
        return makeReal(ofReal(self->asReal()));
    }

    tlogoobject* primSin(tlogoobject* self)
    {
        return ofDegrees(self, sineOfWholeDegrees, sineOfDegrees);
    }
    tlogoobject* primCos(tlogoobject* self)
    {
        return ofDegrees(self, cosineOfWholeDegrees, cosineOfDegrees);
    }
    // Sine over cosine of the exactly reduced angle, so that the multiples of 180 give 0 and the
    // sign is right on both sides of a pole. At the poles, the odd multiples of 90, the cosine is
    // exactly 0: a division by zero (error 32), as the logarithm of 0 is.
    tlogoobject* primTan(tlogoobject* self)
    {
        const CosineAndSine angle = self->kind() == ValueKind::Integer
            ? cosineAndSineOfWholeDegrees(static_cast<tLogoInt*>(self)->value())
            : cosineAndSineOfDegrees(self->asReal());
        if (angle.cosine == 0)
            throw eLogoException(erDiv0, self);
        return makeReal(angle.sine / angle.cosine);
    }

    tlogoobject* primArcTan(tlogoobject* self)
    {
        return makeReal(std::atan(self->asReal()) * degreesPerRadian);
    }

    tlogoobject* primExp(tlogoobject* self)
    {
        return makeReal(finiteReal(std::exp(self->asReal()), self));
    }

    // The logarithm of 0 is a division by zero (error 32); of a negative number error 44.
    tlogoobject* primLn(tlogoobject* self)
    {
        const LogoReal value = self->asReal();
        if (value == 0)
            throw eLogoException(erDiv0, self);
        return makeReal(finiteReal(std::log(value), self));
    }

    tlogoobject* primSqrt(tlogoobject* self)
    {
        return makeReal(finiteReal(std::sqrt(self->asReal()), self));
    }

    int32_t primBitNot(tlogoobject* self) { return ~bitOperand(self); }

    // A real limit is rounded first (error 26 beyond the 32-bit range).
    int32_t primRandom(tlogoobject* self) { return randomBelowLimit(self->asInteger()); }

    // A text word spelling a number beyond the 32-bit range is error 43.
    int32_t primRandomOfText(tlogoobject* self)
    {
        if (self->isNumber()) {
            const LogoReal rounded = std::round(self->asReal());
            if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
                throw eLogoException(erNumTooBig, self);
        }
        return randomBelowLimit(self->asInteger());
    }

    // Text words and booleans: the negated truth value (error 29 for a text word that has none).
    bool primNot(tlogoobject* self) { return !self->asBool(); }

    // Numbers have no truth value of their own here: error 29.
    bool primNotOfNumber(tlogoobject* self) { throw eLogoException(erNotBool, self); }

    bool primEqual(tlogoobject* self, tlogoobject* x) { return self->equals(x); }
    bool primNotEqual(tlogoobject* self, tlogoobject* x) { return self->differs(x); }
    bool primLess(tlogoobject* self, tlogoobject* x) { return compareValues(self, x) < 0; }
    bool primGreater(tlogoobject* self, tlogoobject* x) { return compareValues(self, x) > 0; }
    bool primLessOrEqual(tlogoobject* self, tlogoobject* x) { return compareValues(self, x) <= 0; }
    bool primGreaterOrEqual(tlogoobject* self, tlogoobject* x)
    {
        return compareValues(self, x) >= 0;
    }

} // namespace

int32_t bitOperand(tlogoobject* value)
{
    if (!value->isWord() || value->kind() == ValueKind::Real)
        throw eLogoException(erMinMax, INT32_MIN, INT32_MAX, value);
    return value->asInteger();
}

std::span<const PrimitiveRow> numberRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<1>("+", primAdd),
        classOperation<1>("-", primSubtract),
        classOperation<1>("difference", primSubtract),
        classOperation<1>("*", primMultiply),
        classOperation<1>("/", primDivide),
        classOperation<1>("quotient", primDivide),
        classOperation<0>("<unary ->", primNegate),
        classOperation<0>("<unary +>", primIdentity),
        classOperation<1>("div", primDiv),
        classOperation<1>("mod", primMod),
        classOperation<0>("abs", primAbs),
        classOperation<0>("int", primInt),
        classOperation<0>("round", primRound),
        classOperation<0>("sin", primSin),
        classOperation<0>("cos", primCos),
        classOperation<0>("tan", primTan),
        classOperation<0>("arctan", primArcTan),
        classOperation<0>("exp", primExp),
        classOperation<0>("ln", primLn),
        classOperation<0>("sqrt", primSqrt),
        classOperation<0, ResultForm::Integer>("bitnot", primBitNot),
        classOperation<1, ResultForm::Truth>("=", primEqual),
        classOperation<1, ResultForm::Truth>("<>", primNotEqual),
        classOperation<1, ResultForm::Truth>("<", primLess),
        classOperation<1, ResultForm::Truth>("less?", primLess),
        classOperation<1, ResultForm::Truth>(">", primGreater),
        classOperation<1, ResultForm::Truth>("greater?", primGreater),
        classOperation<1, ResultForm::Truth>("<=", primLessOrEqual),
        classOperation<1, ResultForm::Truth>(">=", primGreaterOrEqual),
    };
    return rows;
}

std::span<const PrimitiveRow> textWordNumberRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0, ResultForm::Truth>("not", primNot),
        classOperation<0, ResultForm::Integer>("random", primRandomOfText),
    };
    return rows;
}

std::span<const PrimitiveRow> integerRows()
{
    static constexpr PrimitiveRow rows[] = {
        classOperation<0, ResultForm::Truth>("not", primNotOfNumber),
        classOperation<0, ResultForm::Integer>("random", primRandom),
    };
    return rows;
}

std::span<const PrimitiveRow> booleanRows()
{
    static constexpr PrimitiveRow rows[] = { classOperation<0, ResultForm::Truth>("not", primNot) };
    return rows;
}

} // namespace velmora
