// Operations of the value classes and the generic dispatchers that reach them.
//
// "first" of a word, of a list and of an image are three different operations, each registered
// in its value class's table as a `tPasProcDesc` whose handler takes the value it applies to
// ("self") and its further inputs. They can be reached only through a dispatcher of the main
// object: `tObjectProc1Desc` dispatches on the first input, `tObjectProcEndDesc` on the last and
// `tObjectProcNDesc` on the input k places below the top. The dispatcher finds the operation of
// the same name code in the chosen input's own table (error 25 when it has none) and calls its
// method entry with the other inputs, handing the input over as self.
#pragma once

#include "interpreter/PrimitiveDescriptors.h"

namespace velmora {

// Points every call entry of a value-class operation at error 154: only dispatchers reach it.
void refuseDirectCalls(tProcDesc& desc);

// tPasProcDesc0p..2p, 0b, 1b, 0i, 1i: a value-class operation with `Arity` further inputs.
template <size_t Arity, ResultForm Form = ResultForm::Value>
class tPasProcDescFixed : public tProcDesc {
public:
    // Result (*)(tlogoobject* self, tlogoobject* input...): the value comes first.
    using Handler = typename FixedHandlerOf<Form, std::make_index_sequence<Arity>>::Type;

    tPasProcDescFixed(NameCode name, ElementTypes funtype, Handler handler)
        : tProcDesc(name, static_cast<int32_t>(Arity), false, funtype)
        , m_handler(handler)
    {
        refuseDirectCalls(*this);
        firstMethod = { callMethod, this };
    }

private:
    static void callMethod(void* data, int32_t)
    {
        auto* self = static_cast<tPasProcDescFixed*>(data);
        InterpreterState& state = *InterpreterState::current();
        tLogoStack& stack = state.valueStack;
        std::array<ValueRef, Arity> inputs;
        for (size_t i = Arity; i-- > 0;)
            inputs[i] = stack.pop();
        auto result = std::apply(
            [&](auto&... input) { return self->m_handler(state.methodSelf, input.get()...); },
            inputs);
        stack.push(resultValue(result));
    }

    Handler m_handler;
};

using tPasProcDesc0p = tPasProcDescFixed<0>;
using tPasProcDesc1p = tPasProcDescFixed<1>;
using tPasProcDesc2p = tPasProcDescFixed<2>;
using tPasProcDesc0b = tPasProcDescFixed<0, ResultForm::Truth>;
using tPasProcDesc1b = tPasProcDescFixed<1, ResultForm::Truth>;
using tPasProcDesc0i = tPasProcDescFixed<0, ResultForm::Integer>;
using tPasProcDesc1i = tPasProcDescFixed<1, ResultForm::Integer>;

// Which input a dispatcher hands over as self.
enum class DispatchOn { FirstInput, LastInput, InputBelowTop };

// The result of an operation on two integers, computed without dispatching, or none when the
// integers' own operation must decide (an overflow into a real, a division).
using IntegerShortcut = tlogoobject* (*)(int32_t a, int32_t b);

class tObjectProcDesc : public tProcDesc {
public:
    // `below` is k for DispatchOn::InputBelowTop (0 is the last input).
    tObjectProcDesc(NameCode name, ElementTypes funtype, bool varpar, int32_t defpar, DispatchOn on,
        int32_t below = 0, IntegerShortcut shortcut = nullptr);

private:
    static void dispatch(void* data, int32_t inputCount);
    // Two inputs, for a dispatcher with a shortcut: when both are integers, the answer their
    // class's operation would give, at once.
    bool tryShortcut(tLogoStack& stack) const;

    DispatchOn m_on;
    int32_t m_below;
    IntegerShortcut m_shortcut;
};

} // namespace velmora
