#include "core/ListPrimitives.h"

#include "interpreter/Registration.h"
#include "interpreter/ValueOperationDescriptors.h"
#include "values/Reader.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The inputs as elements, first input first.
    tlogoobject* primList(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        ListBuilder result;
        for (int32_t i = count - 1; i >= 0; --i)
            result.append(stack.lookAt(i));
        return result.finish();
    }

    // A list input contributes its elements, any other input itself.
    tlogoobject* primSentence(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        ListBuilder result;
        for (int32_t i = count - 1; i >= 0; --i) {
            tlogoobject* input = stack.lookAt(i);
            if (!input->isList()) {
                result.append(input);
                continue;
            }
            for (tlogoobject* element : elements(static_cast<tLogoList*>(input)))
                result.append(element);
        }
        return result.finish();
    }

    tlogoobject* definitionOf(tlogoobject* name)
    {
        int32_t level = 0;
        tProcDesc* procedure
            = InterpreterState::current()->currentObject->findProc(name->nameCode(), level);
        if (tlogoobject* definition = procedure->definitionList())
            return definition;
        throw eLogoException(erDoesNotLike, name);
    }

    // A list: each element's print form read as a list. A name: the procedure's definition.
    tlogoobject* primText(tlogoobject*, tlogoobject* input)
    {
        if (!input->isList())
            return definitionOf(input);
        ListBuilder lines;
        for (tlogoobject* element : elements(static_cast<tLogoList*>(input)))
            lines.append(ValueRef(readList(element->printForm(false))).get());
        return lines.finish();
    }

    PrimitiveRow dispatcher(std::string_view name, int32_t inputs, DispatchOn on, int32_t below = 0)
    {
        return { name, [=](NameCode code, tlogoobject*) -> tProcDesc* {
                    return new tObjectProcDesc(code, etFun, false, inputs, on, below);
                } };
    }

} // namespace

void registerListPrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        variable("list", etFun, 2, primList),
        variable("sentence", etFun, 2, primSentence),
        fixed<1>("text", etFun, primText),
        dispatcher("sort", 1, DispatchOn::FirstInput),
        dispatcher("!", 1, DispatchOn::FirstInput),
        dispatcher("!2", 1, DispatchOn::FirstInput),
        dispatcher("randompos", 1, DispatchOn::FirstInput),
        dispatcher("topoints", 1, DispatchOn::FirstInput),
        dispatcher("tovectors", 1, DispatchOn::FirstInput),
        dispatcher("spline", 1, DispatchOn::FirstInput),
        dispatcher("vectorangle", 2, DispatchOn::FirstInput),
        dispatcher("rotate", 2, DispatchOn::FirstInput),
        dispatcher("deepitem", 2, DispatchOn::LastInput),
        dispatcher("deepreplace", 3, DispatchOn::InputBelowTop, 1),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
