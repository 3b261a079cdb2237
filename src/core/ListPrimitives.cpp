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
        tProcDesc* procedure
            = InterpreterState::current()->currentObject->findProc(name->nameCode());
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

} // namespace

void registerListPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        variable("list", etFun, 2, primList),
        variable("sentence", etFun, 2, primSentence),
        fixed<1>("text", etFun, primText),
        dispatcher("sort", etFun, 1, DispatchOn::FirstInput),
        dispatcher("!", etFun, 1, DispatchOn::FirstInput),
        dispatcher("!2", etFun, 1, DispatchOn::FirstInput),
        dispatcher("randompos", etFun, 1, DispatchOn::FirstInput),
        dispatcher("topoints", etFun, 1, DispatchOn::FirstInput),
        dispatcher("tovectors", etFun, 1, DispatchOn::FirstInput),
        dispatcher("spline", etFun, 1, DispatchOn::FirstInput),
        dispatcher("vectorangle", etFun, 2, DispatchOn::FirstInput),
        dispatcher("rotate", etFun, 2, DispatchOn::FirstInput),
        dispatcher("deepitem", etFun, 2, DispatchOn::LastInput),
        dispatcher("deepreplace", etFun, 3, DispatchOn::InputBelowTop, 1),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
