#include "core/ControlPrimitives.h"

#include "core/LoopVariable.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "interpreter/LogoLocaltab.h"
#include "interpreter/Registration.h"
#include "interpreter/RestoreOnExit.h"
#include "interpreter/ValueOperationDescriptors.h"
#include "localization/NameCodes.h"
#include "processes/PollBackOff.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    tlogoobject* primRepeat(tlogoobject*, tlogoobject* count, tlogoobject* list)
    {
        InterpreterState& s = state();
        const int32_t times = count->asInteger();
        const CodeRef code(compile(list, CompileMode::Instructions));
        // The loop counts its own rounds; the enclosing loop's count comes back after it.
        RestoreOnExit<int32_t> enclosingCount(s.repeatCounter);
        for (int32_t i = 1; i <= times && !s.stopFlag; ++i) {
            s.repeatCounter = i;
            evaluator::runList(s, code.get());
        }
        return nullptr;
    }

    int32_t primRepcount(tlogoobject*)
    {
        if (state().repeatCounter == 0)
            throw eLogoException(erWrongPlaceRepc);
        return state().repeatCounter;
    }

    tlogoobject* primLoop(tlogoobject*, tlogoobject* list)
    {
        InterpreterState& s = state();
        const CodeRef code(compile(list, CompileMode::Instructions));
        RestoreOnExit<int32_t> enclosingCount(s.repeatCounter);
        s.repeatCounter = 0;
        while (!s.stopFlag) {
            ++s.repeatCounter;
            evaluator::runList(s, code.get());
        }
        return nullptr;
    }

    bool conditionHolds(InterpreterState& s, tlogoobject* condition)
    {
        return evaluator::evaluateValue(s, condition)->asBool();
    }

    tlogoobject* primWhile(tlogoobject*, tlogoobject* condition, tlogoobject* list)
    {
        InterpreterState& s = state();
        const CodeRef code(compile(list, CompileMode::Instructions));
        RestoreOnExit<int32_t> enclosingCount(s.repeatCounter);
        s.repeatCounter = 0;
        while (!s.stopFlag) {
            ++s.repeatCounter;
            if (!conditionHolds(s, condition))
                break;
            evaluator::runList(s, code.get());
        }
        return nullptr;
    }

    // Each evaluation is a yield point, so other processes run while this one waits; between
    // evaluations an otherwise idle process sleeps a little (PollBackOff).
    tlogoobject* primWaitUntil(tlogoobject*, tlogoobject* condition)
    {
        InterpreterState& s = state();
        PollBackOff backOff;
        while (!conditionHolds(s, condition))
            backOff.pause();
        return nullptr;
    }

    struct ForControl {
        LogoReal start, end, step;
    };

    ForControl forControl(InterpreterState& s, tlogoobject* control)
    {
        if (!control->isList())
            throw eLogoException(erBadStructure, control);
        const std::vector<ValueRef> values = evaluator::evaluateEach(s, control);
        if (values.size() != 2 && values.size() != 3)
            throw eLogoException(erBadStructure, control);
        ForControl result { values[0]->asReal(), values[1]->asReal(), 0 };
        result.step
            = values.size() == 3 ? values[2]->asReal() : (result.end > result.start ? 1 : -1);
        if (result.step == 0)
            throw eLogoException(erBadStructure, control);
        return result;
    }

    tlogoobject* primFor(tlogoobject*, tlogoobject* name, tlogoobject* control, tlogoobject* list)
    {
        InterpreterState& s = state();
        const ForControl range = forControl(s, control);
        const CodeRef code(compile(list, CompileMode::Instructions));
        LoopVariable variable(s, name->nameCode());
        RestoreOnExit<int32_t> enclosingCount(s.repeatCounter);
        s.repeatCounter = 0;
        for (LogoReal value = range.start;
             range.step > 0 ? value <= range.end : !(value < range.end); value += range.step) {
            ++s.repeatCounter;
            variable.set(ValueRef(makeNumber(value)).get());
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

    tlogoobject* runRun(tlogoobject*, tlogoobject* list)
    {
        evaluator::runValue(state(), list);
        return nullptr;
    }

    tlogoobject* evaluateRun(tlogoobject*, tlogoobject* list)
    {
        return handOver(evaluator::evaluateValue(state(), list).leak());
    }

    tlogoobject* primTest(tlogoobject*, tlogoobject* value)
    {
        state().testFlag = value->asBool() ? TestResult::True : TestResult::False;
        return nullptr;
    }

    tlogoobject* runIfTest(tlogoobject* list, TestResult wanted)
    {
        InterpreterState& s = state();
        if (s.testFlag == TestResult::NotTested)
            throw eLogoException::withName(erNotExecuted, NameCodes::instance().intern("\xB7test"));
        if (s.testFlag == wanted)
            evaluator::runValue(s, list);
        return nullptr;
    }

    tlogoobject* primIfTrue(tlogoobject*, tlogoobject* list)
    {
        return runIfTest(list, TestResult::True);
    }
    tlogoobject* primIfFalse(tlogoobject*, tlogoobject* list)
    {
        return runIfTest(list, TestResult::False);
    }

    // The clause chosen for a value: a one-item clause is the default; otherwise the clause's first
    // item lists the choices and its second item is what runs.
    tlogoobject* chosenClause(tlogoobject* value, tlogoobject* clauses)
    {
        if (!clauses->isList())
            throw eLogoException(erExpectList, clauses);
        for (tlogoobject* clause : elements(static_cast<tLogoList*>(clauses))) {
            if (!clause->isList() || clause->isEmpty())
                throw eLogoException(erBadStructure, clause);
            auto* items = static_cast<tLogoList*>(clause);
            if (!items->rest())
                return items->first();
            tlogoobject* choices = items->first();
            bool chosen = choices->isList() ? false : value->equals(choices);
            if (choices->isList())
                for (tlogoobject* choice : elements(static_cast<tLogoList*>(choices)))
                    chosen = chosen || value->equals(choice);
            if (chosen)
                return items->rest()->first();
        }
        return nullptr;
    }

    tlogoobject* runCase(tlogoobject*, tlogoobject* value, tlogoobject* clauses)
    {
        if (tlogoobject* chosen = chosenClause(value, clauses))
            evaluator::runValue(state(), chosen);
        return nullptr;
    }

    tlogoobject* evaluateCase(tlogoobject*, tlogoobject* value, tlogoobject* clauses)
    {
        tlogoobject* chosen = chosenClause(value, clauses);
        return chosen ? handOver(evaluator::evaluateValue(state(), chosen).leak()) : nullptr;
    }

    tlogoobject* primIgnore(tlogoobject*, tLogoStack&, int32_t, CallForm) { return nullptr; }

} // namespace

void registerControlPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("repeat", etFun, primRepeat),
        primitive<0, ResultForm::Integer>("repcount", etFun, primRepcount),
        fixed<1>("loop", etFun, primLoop),
        fixed<2>("while", etFun, primWhile),
        fixed<1>("waituntil", etFun, primWaitUntil),
        fixed<3>("for", etFun, primFor),
        // "foreach" runs the collection's own iteration: words by character, lists by element.
        dispatcher("foreach", etFun, 3, DispatchOn::InputBelowTop, 1),
        fixed<2>("if", etIfFun, primIf),
        commandOrOperation<3>("ifelse", etIfFun, runIfElse, evaluateIfElse),
        commandOrOperation<1>("run", etFun, runRun, evaluateRun),
        fixed<1>("test", etIfFun, primTest),
        fixed<1>("iftrue", etFun, primIfTrue),
        fixed<1>("iffalse", etFun, primIfFalse),
        commandOrOperation<2>("case", etFun, runCase, evaluateCase),
        variable("ignore", etIfFun, 1, primIgnore),
        outputPrimitive("output"),
        stopPrimitive("stop"),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
