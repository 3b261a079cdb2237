// List operations that run Logo code or compare: "!" and "!2" (fill a template list with values),
// "foreach", "not", and the comparisons of a list with another value.
#include "core/ForEachScope.h"
#include "core/ListOperationRows.h"
#include "core/ListOperations.h"
#include "interpreter/Compiler.h"
#include "interpreter/Evaluator.h"
#include "values/Arithmetic.h"
#include "values/ListHelpers.h"
#include "values/NativeStack.h"
#include "values/ValueFactory.h"

#include <array>

namespace velmora {

namespace {

    InterpreterState& state() { return *InterpreterState::current(); }

    tLogoList* list(tlogoobject* self) { return static_cast<tLogoList*>(self); }

    bool isWordStartingWith(tlogoobject* element, char first)
    {
        return element->isWord() && !element->text().empty() && element->text()[0] == first;
    }

    bool isWordEqualTo(tlogoobject* element, char only)
    {
        return element->isWord() && element->text().size() == 1 && element->text()[0] == only;
    }

    // The group from the cell holding "(" to its matching ")", parentheses included; `cell` is
    // left on the ")". Error 30 when the group is not closed.
    tLogoList* parenthesisedGroup(tLogoList*& cell)
    {
        ListBuilder group;
        int32_t depth = 0;
        for (; cell && cell->first(); cell = cell->rest()) {
            tlogoobject* element = cell->first();
            group.append(element);
            depth += isWordEqualTo(element, '(') ? 1 : isWordEqualTo(element, ')') ? -1 : 0;
            if (depth == 0)
                return group.finish();
        }
        throw eLogoException(erMissingRpar);
    }

    tlogoobject* primFill(tlogoobject* self) { return filledTemplate(state(), list(self)); }

    tlogoobject* primForEach(tlogoobject* self, tlogoobject* name, tlogoobject* instructions)
    {
        InterpreterState& s = state();
        const CodeRef code(compile(instructions, CompileMode::Instructions));
        ForEachScope scope(s, name->nameCode());
        for (tlogoobject* element : elements(list(self))) {
            scope.next(element);
            evaluator::runList(s, code.get());
            if (s.stopFlag)
                break;
        }
        return nullptr;
    }

    // The list is an expression; its truth value negated.
    bool primNot(tlogoobject* self) { return !evaluator::evaluateValue(state(), self)->asBool(); }

    bool primEqual(tlogoobject* self, tlogoobject* x) { return self->equals(x); }
    bool primNotEqual(tlogoobject* self, tlogoobject* x) { return self->differs(x); }

    // A list has no order: these raise error 8 naming it, as ordering of any value does.
    bool primOrdering(tlogoobject* self, tlogoobject* x) { return compareValues(self, x) < 0; }

} // namespace

tLogoList* filledTemplate(InterpreterState& s, tLogoList* source)
{
    NativeStack::check();
    ListBuilder filled;
    for (tLogoList* cell = source; cell && cell->first(); cell = cell->rest()) {
        tlogoobject* element = cell->first();
        if (element->isList())
            filled.append(ValueRef(filledTemplate(s, list(element))).get());
        else if (isWordStartingWith(element, ':'))
            filled.append(evaluator::evaluateValue(s, element).get());
        else if (isWordEqualTo(element, '('))
            filled.append(
                evaluator::evaluateValue(s, ValueRef(parenthesisedGroup(cell)).get()).get());
        else
            filled.append(element);
    }
    return filled.finish();
}

std::span<const PrimitiveRow> listEvaluationRows()
{
    static constexpr auto rows = [] {
        constexpr std::string_view orderings[] = { "<", ">", "<=", ">=", "less?", "greater?" };
        std::array<PrimitiveRow, 6 + std::size(orderings)> made = {
            classOperation<0>("!", primFill),
            classOperation<0>("!2", primFill),
            classOperation<2>("foreach", primForEach),
            classOperation<0, ResultForm::Truth>("not", primNot),
            classOperation<1, ResultForm::Truth>("=", primEqual),
            classOperation<1, ResultForm::Truth>("<>", primNotEqual),
        };
        size_t next = made.size() - std::size(orderings);
        for (std::string_view name : orderings)
            made[next++] = classOperation<1, ResultForm::Truth>(name, primOrdering);
        return made;
    }();
    return rows;
}

} // namespace velmora
