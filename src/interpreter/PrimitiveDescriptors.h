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

// tMainPasProcDesc0p..3p, 0b, 1b, 0i: a main-object primitive with a fixed number of inputs.
// The "F" variants (1pF..3pF) carry a second handler used when a value is wanted.
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
        , m_commandHandler(commandHandler)
        , m_operationHandler(operationHandler)
        , m_owner(owner)
    {
        setCallEntries({ callCommand, this });
        operation = applyOperation = { callOperation, this };
    }

private:
    static void call(tMainPasProcDescFixed* self, Handler handler)
    {
        tLogoStack& stack = currentValueStack();
        std::array<ValueRef, Arity> inputs;
        for (size_t i = Arity; i-- > 0;)
            inputs[i] = stack.pop();
        auto result = std::apply(
            [&](auto&... input) { return handler(self->m_owner, input.get()...); }, inputs);
        stack.push(resultValue(result));
    }
    static void callCommand(void* data, int32_t)
    {
        auto* self = static_cast<tMainPasProcDescFixed*>(data);
        call(self, self->m_commandHandler);
    }
    static void callOperation(void* data, int32_t)
    {
        auto* self = static_cast<tMainPasProcDescFixed*>(data);
        call(self, self->m_operationHandler);
    }

    Handler m_commandHandler;
    Handler m_operationHandler;
    tlogoobject* m_owner;
};

using tMainPasProcDesc0p = tMainPasProcDescFixed<0>;
using tMainPasProcDesc1p = tMainPasProcDescFixed<1>;
using tMainPasProcDesc2p = tMainPasProcDescFixed<2>;
using tMainPasProcDesc3p = tMainPasProcDescFixed<3>;
using tMainPasProcDesc1pF = tMainPasProcDescFixed<1>;
using tMainPasProcDesc2pF = tMainPasProcDescFixed<2>;
using tMainPasProcDesc3pF = tMainPasProcDescFixed<3>;
using tMainPasProcDesc0b = tMainPasProcDescFixed<0, ResultForm::Truth>;
using tMainPasProcDesc1b = tMainPasProcDescFixed<1, ResultForm::Truth>;
using tMainPasProcDesc0i = tMainPasProcDescFixed<0, ResultForm::Integer>;

// Whether a variable-input handler was called as an operation (its value is wanted).
enum class CallForm { Command = 0, Operation = 1 };

// tMainPasProcDesc and tMainPasProcDescBF: a main-object primitive that takes any number of
// inputs in parentheses and pops them itself. The handler returns its result (none for commands).
class tMainPasProcDesc : public tProcDesc {
public:
    using Handler = tlogoobject* (*)(tlogoobject* owner, tLogoStack& stack, int32_t inputCount,
        CallForm form);

    tMainPasProcDesc(
        NameCode name, ElementTypes funtype, int32_t defpar, Handler handler, tlogoobject* owner);

private:
    static void call(void* data, int32_t inputCount, CallForm form);

    Handler m_handler;
    tlogoobject* m_owner;
};
using tMainPasProcDescBF = tMainPasProcDesc;

// "output" and "stop": the evaluator handles them itself when they stand as statements; reached
// through any other entry they unwind with the output exception.
class tOutput : public tProcDesc {
public:
    explicit tOutput(NameCode name);
    void invoke(int32_t inputCount) override;
};

class tStop : public tProcDesc {
public:
    explicit tStop(NameCode name);
    void invoke(int32_t inputCount) override;
};

} // namespace velmora
