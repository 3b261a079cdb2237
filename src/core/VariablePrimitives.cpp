#include "core/VariablePrimitives.h"

#include "core/ListOperations.h"

#include "interpreter/LogoLocaltab.h"
#include "interpreter/Registration.h"
#include "interpreter/Variables.h"
#include "values/Arithmetic.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    tlogoobject* primMake(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        assignVariable(state(), variableName(name), value);
        return nullptr;
    }

    // The classic "name": "make" with its inputs the other way round.
    tlogoobject* primNameCommand(tlogoobject* owner, tlogoobject* value, tlogoobject* name)
    {
        return primMake(owner, name, value);
    }

    tlogoobject* primThing(tlogoobject*, tlogoobject* name)
    {
        return readVariable(state(), name->nameCode());
    }

    // Each input a word, or a list of words, to declare local.
    tlogoobject* primLocal(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        tLogoLocaltab& locals = *state().localTable;
        for (int32_t i = count - 1; i >= 0; --i) {
            tlogoobject* input = stack.lookAt(i);
            if (input->isList()) {
                for (tlogoobject* name : elements(static_cast<tLogoList*>(input)))
                    locals.declare(name->nameCode());
            } else {
                locals.declare(input->nameCode());
            }
        }
        return nullptr;
    }

    // The list is evaluated as by "!2": [a :v b (1 + 2)] binds a to the value of v and b to 3.
    void letPairs(tLogoList* list)
    {
        InterpreterState& s = state();
        ValueRef filled(filledTemplate(s, list));
        auto* pairs = static_cast<tLogoList*>(filled.get());
        tLogoLocaltab& locals = *s.localTable;
        if (pairs->count() % 2 != 0)
            throw eLogoException(erBadStructure, pairs);
        const auto end = elements(pairs).end();
        for (auto item = elements(pairs).begin(); item != end; ++item) {
            const NameCode name = (*item)->nameCode();
            ++item;
            locals.let(name, *item);
        }
    }

    // Pairs of a name and its value, or lists of alternating names and values.
    tlogoobject* primLet(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        tLogoLocaltab& locals = *state().localTable;
        for (int32_t i = count - 1; i >= 0; --i) {
            tlogoobject* input = stack.lookAt(i);
            if (input->isList()) {
                letPairs(static_cast<tLogoList*>(input));
            } else if (input->isWord()) {
                if (i == 0)
                    throw eLogoException(erNotEnoughInputs, input);
                locals.let(input->nameCode(), stack.lookAt(--i));
            } else {
                throw eLogoException(erExpectWord, input);
            }
        }
        return nullptr;
    }

    using Step = tlogonumber* (*)(tlogoobject*, tlogoobject*);

    // Adds (or subtracts) 1 or the second input to the variable's number, in place.
    tlogoobject* changeBy(tLogoStack& stack, int32_t count, Step step)
    {
        if (count < 1)
            throw eLogoException(erNotEnoughInputs);
        if (count > 2)
            throw eLogoException(erTooManyInputs);
        InterpreterState& s = state();
        const NameCode name = stack.lookAt(count - 1)->nameCode();
        tlogoobject* current = readVariable(s, name);
        if (!current->isNumber())
            throw eLogoException(erExpectNumber, current);
        ValueRef amount(count == 2 ? stack.lookAt(0) : makeInteger(1));
        ValueRef result(step(current, amount.get()));
        assignVariable(s, name, result.get());
        return nullptr;
    }

    tlogoobject* primInc(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return changeBy(stack, count, add);
    }

    tlogoobject* primDec(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        return changeBy(stack, count, subtract);
    }

} // namespace

void registerVariablePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("make", etFun, primMake),
        fixed<2>("name_command", etFun, primNameCommand),
        fixed<1>("thing", etFun, primThing),
        variable("local", etFun, 1, primLocal),
        variable("let", etFun, 2, primLet),
        variable("inc", etFun, 1, primInc),
        variable("dec", etFun, 1, primDec),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
