#include "core/LogicPrimitives.h"

#include "core/StackInputs.h"
#include "interpreter/Evaluator.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    bool truthOf(tlogoobject* input)
    {
        if (!input->isList())
            return input->asBool();
        return evaluator::evaluateValue(*InterpreterState::current(), input)->asBool();
    }

    // Whether some input has the truth value `wanted`, looking no further than the first one.
    bool anyInputIs(bool wanted, const StackInputs& inputs)
    {
        for (tlogoobject* input : inputs)
            if (truthOf(input) == wanted)
                return true;
        return false;
    }

    tlogoobject* primAnd(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return makeBool(!anyInputIs(false, StackInputs(stack, count)));
    }

    tlogoobject* primOr(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return makeBool(anyInputIs(true, StackInputs(stack, count)));
    }

    // True when an odd number of inputs are true.
    tlogoobject* primXor(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        bool odd = false;
        for (tlogoobject* input : StackInputs(stack, count))
            odd ^= truthOf(input);
        return makeBool(odd);
    }

} // namespace

std::span<const PrimitiveRow> logicPrimitiveRows()
{
    static constexpr PrimitiveRow rows[] = {
        variable("and", etIfFun, 2, primAnd),
        variable("or", etIfFun, 2, primOr),
        variable("xor", etIfFun, 2, primXor),
    };
    return rows;
}

} // namespace velmora
