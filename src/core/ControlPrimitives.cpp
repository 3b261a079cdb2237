#include "core/ControlPrimitives.h"

#include "interpreter/Evaluator.h"
#include "interpreter/Registration.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    // Restores the repeat counter of the enclosing loop on every way out.
    class RepeatCounterScope {
    public:
        explicit RepeatCounterScope(InterpreterState& s)
            : m_state(s)
            , m_saved(s.repeatCounter)
        {
        }
        ~RepeatCounterScope() { m_state.repeatCounter = m_saved; }
        RepeatCounterScope(const RepeatCounterScope&) = delete;
        RepeatCounterScope& operator=(const RepeatCounterScope&) = delete;

    private:
        InterpreterState& m_state;
        int32_t m_saved;
    };

    tlogoobject* primRepeat(tlogoobject*, tlogoobject* count, tlogoobject* list)
    {
        InterpreterState& s = state();
        const int32_t times = count->asInteger();
        const CodeRef code(list->compile(CompileMode::Instructions));
        RepeatCounterScope scope(s);
        for (int32_t i = 1; i <= times; ++i) {
            s.repeatCounter = i;
            evaluator::runList(s, code.get());
            if (s.stopFlag)
                break;
        }
        return nullptr;
    }

    tlogoobject* primIf(tlogoobject*, tlogoobject* condition, tlogoobject* list)
    {
        if (condition->asBool())
            evaluator::runValue(state(), list);
        return nullptr;
    }

    tlogoobject* runIfElse(tlogoobject*, tlogoobject* condition, tlogoobject* yes, tlogoobject* no)
    {
        evaluator::runValue(state(), condition->asBool() ? yes : no);
        return nullptr;
    }

    tlogoobject* evaluateIfElse(
        tlogoobject*, tlogoobject* condition, tlogoobject* yes, tlogoobject* no)
    {
        return handOver(evaluator::evaluateValue(state(), condition->asBool() ? yes : no).leak());
    }

} // namespace

void registerControlPrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        fixed<2>("repeat", etFun, primRepeat),
        fixed<2>("if", etIfFun, primIf),
        commandOrOperation<3>("ifelse", etIfFun, runIfElse, evaluateIfElse),
        outputPrimitive("output"),
        stopPrimitive("stop"),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
