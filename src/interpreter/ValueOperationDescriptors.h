// Operations of the value classes and the generic dispatchers that reach them.
//
// "first" of a word, of a list and of an image are three different operations, each registered
// in its value class's table as a `tPasProcDescFixed` whose handler takes the value it applies to
// ("self") and its further inputs. They can be reached only through a dispatcher of the main
// object (`tObjectProcDesc`), which dispatches on the first input, the last, or the input k places
// below the top. The dispatcher finds the operation of the same name code in the chosen input's
// class table (error 25 when it has none) and calls it as a method with the other inputs, handing
// the input over as self.
#pragma once

#include "interpreter/PrimitiveDescriptors.h"

namespace velmora {

// Error 154 for a value-class operation called other than through its dispatcher.
[[noreturn]] void refuseDirectCall(NameCode name);

// A value-class operation with `Arity` inputs besides the value it applies to.
template <size_t Arity, ResultForm Form = ResultForm::Value>
class tPasProcDescFixed : public tProcDesc {
public:
    // Result (*)(tlogoobject* self, tlogoobject* input...): the value comes first.
    using Handler = typename FixedHandlerOf<Form, std::make_index_sequence<Arity>>::Type;

    tPasProcDescFixed(NameCode name, ElementTypes funtype, Handler handler)
        : tProcDesc(name, static_cast<int32_t>(Arity), false, funtype)
        , m_handler(handler)
    {
    }

    void call(int32_t, CallForm, CallRoute) override { refuseDirectCall(name); }

    void callMethod(int32_t) override
    {
        InterpreterState& state = *InterpreterState::current();
        tLogoStack& stack = state.valueStack;
        std::array<ValueRef, Arity> inputs;
        for (size_t i = Arity; i-- > 0;)
            inputs[i] = stack.pop();
        auto result = std::apply(
            [&](auto&... input) { return m_handler(state.methodSelf, input.get()...); }, inputs);
        stack.push(resultValue(result));
    }

private:
    Handler m_handler;
};

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

    // Dispatches, whatever the form and route: the operation found decides what it pushes.
    void call(int32_t inputCount, CallForm form, CallRoute route) override;

private:
    // Two inputs, for a dispatcher with a shortcut: when both are integers, the answer their
    // class's operation would give, at once.
    bool tryShortcut(tLogoStack& stack) const;

    DispatchOn m_on;
    int32_t m_below;
    IntegerShortcut m_shortcut;
};

} // namespace velmora
