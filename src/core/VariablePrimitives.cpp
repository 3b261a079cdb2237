#include "core/VariablePrimitives.h"

#include "interpreter/LogoVarTab.h"
#include "interpreter/Registration.h"

namespace velmora {

namespace {

    tLogoVarTab& globals() { return *InterpreterState::current()->globalVariables; }

    tlogoobject* primMake(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        globals().setVar(name->nameCode(), value);
        return nullptr;
    }

    tlogoobject* primThing(tlogoobject*, tlogoobject* name)
    {
        return globals().getValue(name->nameCode());
    }

} // namespace

void registerVariablePrimitives(tLogoTab& table, tlogoobject* owner)
{
    const PrimitiveRow rows[] = {
        fixed<2>("make", etFun, primMake),
        fixed<1>("thing", etFun, primThing),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
