#include "core/GenericOperations.h"

#include "interpreter/ValueOperationDescriptors.h"
#include "values/ValueFactory.h"

#include <cstdint>

namespace velmora {

namespace {

    struct Dispatcher {
        std::string_view name;
        int32_t inputs;
        DispatchOn on;
        // Inputs are full expressions including comparisons (truth values).
        ElementTypes funtype = etFun;
        // For DispatchOn::InputBelowTop: how far below the last input the value lies.
        int32_t below = 0;
        // The answer for two integers, computed without dispatching.
        IntegerShortcut shortcut = nullptr;
    };

    // Integer arithmetic that fits 32 bits, and integer comparisons: exactly what the integers'
    // own operations answer, without finding them first. Overflow falls back to the operation.
    tlogoobject* integerOrNone(int64_t value)
    {
        return value >= INT32_MIN && value <= INT32_MAX ? makeInteger(static_cast<int32_t>(value))
                                                        : nullptr;
    }
    tlogoobject* integerSum(int32_t a, int32_t b) { return integerOrNone(int64_t(a) + b); }
    tlogoobject* integerDifference(int32_t a, int32_t b) { return integerOrNone(int64_t(a) - b); }
    tlogoobject* integerProduct(int32_t a, int32_t b) { return integerOrNone(int64_t(a) * b); }
    tlogoobject* integerEqual(int32_t a, int32_t b) { return makeBool(a == b); }
    tlogoobject* integerUnequal(int32_t a, int32_t b) { return makeBool(a != b); }
    tlogoobject* integerLess(int32_t a, int32_t b) { return makeBool(a < b); }
    tlogoobject* integerGreater(int32_t a, int32_t b) { return makeBool(a > b); }
    tlogoobject* integerAtMost(int32_t a, int32_t b) { return makeBool(a <= b); }
    tlogoobject* integerAtLeast(int32_t a, int32_t b) { return makeBool(a >= b); }

    constexpr DispatchOn last = DispatchOn::LastInput;
    constexpr DispatchOn first = DispatchOn::FirstInput;

    constexpr Dispatcher dispatchers[] = {
        { "count", 1, last },
        { "first", 1, last },
        { "butfirst", 1, last },
        { "last", 1, last },
        { "butlast", 1, last },
        { "reverse", 1, last },
        { "shuffle", 1, last },
        { "pick", 1, last },
        { "char", 1, last },
        { "ascii", 1, last },
        { "not", 1, last, etIfFun },
        { "random", 1, last },
        { "abs", 1, last },
        { "int", 1, last },
        { "round", 1, last },
        { "sin", 1, last },
        { "cos", 1, last },
        { "tan", 1, last },
        { "arctan", 1, last },
        { "exp", 1, last },
        { "ln", 1, last },
        { "sqrt", 1, last },
        { "bitnot", 1, last },
        { "<unary ->", 1, last },
        { "<unary +>", 1, last },
        { "fput", 2, last },
        { "lput", 2, last },
        { "item", 2, last },
        { "butitem", 2, last },
        { "member?", 2, last },
        { "member", 2, last },
        { "frommember", 2, last },
        { "butmember", 2, last },
        // The value to change lies between the position and the new part.
        { "replace", 3, DispatchOn::InputBelowTop, etFun, 1 },
        { "+", 2, first, etFun, 0, integerSum },
        { "-", 2, first, etFun, 0, integerDifference },
        { "*", 2, first, etFun, 0, integerProduct },
        { "/", 2, first },
        { "quotient", 2, first },
        { "difference", 2, first, etFun, 0, integerDifference },
        { "div", 2, first },
        { "mod", 2, first },
        { "=", 2, first, etFun, 0, integerEqual },
        { "<>", 2, first, etFun, 0, integerUnequal },
        { "<", 2, first, etFun, 0, integerLess },
        { ">", 2, first, etFun, 0, integerGreater },
        { "<=", 2, first, etFun, 0, integerAtMost },
        { ">=", 2, first, etFun, 0, integerAtLeast },
        { "less?", 2, first, etFun, 0, integerLess },
        { "greater?", 2, first, etFun, 0, integerGreater },
    };

} // namespace

std::span<const PrimitiveRow> genericOperationRows()
{
    static constexpr auto rows = [] {
        std::array<PrimitiveRow, std::size(dispatchers)> made;
        for (size_t i = 0; i < made.size(); ++i) {
            const Dispatcher& row = dispatchers[i];
            made[i]
                = dispatcher(row.name, row.funtype, row.inputs, row.on, row.below, row.shortcut);
        }
        return made;
    }();
    return rows;
}

} // namespace velmora
