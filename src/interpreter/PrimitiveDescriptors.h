// The families of primitive descriptors.
//
// A family fixes how a primitive's handler is called: how many inputs it takes and in which form
// they are handed over, and what it gives back. The family's entry pops the inputs from the value
// stack (the first deepest), holds them while the handler runs, and pushes the handler's result
// (none for commands). Handlers therefore read like the rule they implement and never touch the
// stack unless they take a variable number of inputs.
#pragma once

#include "interpreter/InterpreterState.h"
#include "interpreter/ProcDesc.h"

#include <array>
#include <tuple>
#include <utility>

namespace velmora {

inline tLogoStack& currentValueStack() { return InterpreterState::current()->valueStack; }

// What a handler gives back: a value (or none), a truth value, or an integer.
enum class ResultForm { Value, Truth, Integer };

template <ResultForm Form> struct HandlerResult;
template <> struct HandlerResult<ResultForm::Value> {
    using Type = tlogoobject*;
};
template <> struct HandlerResult<ResultForm::Truth> {
    using Type = bool;
};
template <> struct HandlerResult<ResultForm::Integer> {
    using Type = int32_t;
};

tlogoobject* resultValue(tlogoobject* value);
tlogoobject* resultValue(bool value);
tlogoobject* resultValue(int32_t value);

template <ResultForm Form, typename Indices> struct FixedHandlerOf;
template <ResultForm Form, size_t... I> struct FixedHandlerOf<Form, std::index_sequence<I...>> {
    template <size_t> using Input = tlogoobject*;
    using Type = typename HandlerResult<Form>::Type (*)(tlogoobject* owner, Input<I>...);
};

// A main-object primitive with a fixed number of inputs, handed to its handler as arguments.
// A primitive whose command and operation differ ("ifelse", "run") has a handler for each.
template <size_t Arity, ResultForm Form = ResultForm::Value>
class tMainPasProcDescFixed : public tProcDesc {
public:
    using Handler = typename FixedHandlerOf<Form, std::make_index_sequence<Arity>>::Type;

    tMainPasProcDescFixed(NameCode name, ElementTypes funtype, Handler handler, tlogoobject* owner)
        : tMainPasProcDescFixed(name, funtype, handler, handler, owner)
    {
    }
    tMainPasProcDescFixed(NameCode name, ElementTypes funtype, Handler commandHandler,
        Handler operationHandler, tlogoobject* owner)
        : tProcDesc(name, static_cast<int32_t>(Arity), false, funtype)
        , m_handlers { commandHandler, operationHandler }
        , m_owner(owner)
    {
    }

    void call(int32_t, CallForm form, CallRoute) override
    {
        const Handler handler = m_handlers[static_cast<size_t>(form)];
        tLogoStack& stack = currentValueStack();
        std::array<ValueRef, Arity> inputs;
        for (size_t i = Arity; i-- > 0;)
            inputs[i] = stack.pop();
        auto result
            = std::apply([&](auto&... input) { return handler(m_owner, input.get()...); }, inputs);
        stack.push(resultValue(result));
    }

private:
    // Indexed by CallForm: the command's handler, then the operation's.
    std::array<Handler, 2> m_handlers;
    tlogoobject* m_owner;
};

// tMainPasProcDesc: a main-object primitive that takes any number of inputs in parentheses and
// pops them itself. The handler returns its result (none for commands).
class tMainPasProcDesc : public tProcDesc {
public:
    using Handler = tlogoobject* (*)(tlogoobject* owner, tLogoStack& stack, int32_t inputCount,
        CallForm form);

    tMainPasProcDesc(
        NameCode name, ElementTypes funtype, int32_t defpar, Handler handler, tlogoobject* owner);

    void call(int32_t inputCount, CallForm form, CallRoute route) override;

private:
    Handler m_handler;
    tlogoobject* m_owner;
};

// "output" and "stop": the evaluator handles them itself when they stand as statements; called in
// any other way they unwind with the output exception.
class tOutput : public tProcDesc {
public:
    explicit tOutput(NameCode name);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;
};

class tStop : public tProcDesc {
public:
    explicit tStop(NameCode name);
    void call(int32_t inputCount, CallForm form, CallRoute route) override;
};

} // namespace velmora
