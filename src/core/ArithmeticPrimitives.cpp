#include "core/ArithmeticPrimitives.h"

#include "core/ListVectors.h"
#include "core/NumberOperations.h"
#include "core/StackInputs.h"
#include "values/Arithmetic.h"
#include "values/ValueFactory.h"

#include <vector>

namespace velmora {

namespace {

    // A first input that is a list makes the whole a vector operation of lists.
    tlogoobject* vectorAccumulation(VectorOp op, const StackInputs& inputs)
    {
        std::vector<tlogoobject*> values;
        for (tlogoobject* input : inputs)
            values.push_back(input);
        return vectorAccumulate(op, values);
    }

    tlogoobject* accumulation(
        NumberAccumulator::Operation operation, VectorOp vectorOp, const StackInputs& inputs)
    {
        if (!inputs.empty() && inputs[0]->isList())
            return vectorAccumulation(vectorOp, inputs);
        NumberAccumulator accumulator(operation);
        for (tlogoobject* input : inputs)
            accumulator.take(input);
        return accumulator.result();
    }

    tlogoobject* primSum(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return accumulation(
            NumberAccumulator::Operation::Sum, VectorOp::Add, StackInputs(stack, count));
    }

    tlogoobject* primProduct(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return accumulation(
            NumberAccumulator::Operation::Product, VectorOp::Multiply, StackInputs(stack, count));
    }

    // The first input must be a word other than a real number object (error 26); the others
    // are taken with `asInteger`. Of no inputs: `identity`.
    template <typename Op> tlogoobject* bitwise(const StackInputs& inputs, int32_t identity, Op op)
    {
        if (inputs.empty())
            return makeInteger(identity);
        int32_t result = bitOperand(inputs[0]);
        for (int32_t i = 1; i < inputs.size(); ++i)
            result = op(result, inputs[i]->asInteger());
        return makeInteger(result);
    }

    // Of no inputs, all bits set: the identity of "and".
    tlogoobject* primBitAnd(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return bitwise(StackInputs(stack, count), -1, [](int32_t x, int32_t y) { return x & y; });
    }

    tlogoobject* primBitOr(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return bitwise(StackInputs(stack, count), 0, [](int32_t x, int32_t y) { return x | y; });
    }

    tlogoobject* primBitXor(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return bitwise(StackInputs(stack, count), 0, [](int32_t x, int32_t y) { return x ^ y; });
    }

    // True when every further input equals the first.
    tlogoobject* primEqualP(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        const StackInputs inputs(stack, count);
        for (int32_t i = 1; i < inputs.size(); ++i)
            if (!inputs[0]->equals(inputs[i]))
                return makeBool(false);
        return makeBool(true);
    }

} // namespace

std::span<const PrimitiveRow> arithmeticPrimitiveRows()
{
    static constexpr PrimitiveRow rows[] = {
        variable("sum", etFun, 2, primSum),
        variable("product", etFun, 2, primProduct),
        variable("bitand", etFun, 2, primBitAnd),
        variable("bitor", etFun, 2, primBitOr),
        variable("bitxor", etFun, 2, primBitXor),
        variable("equal?", etFun, 2, primEqualP),
    };
    return rows;
}

} // namespace velmora
