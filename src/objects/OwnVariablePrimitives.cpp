#include "objects/OwnVariablePrimitives.h"

#include "interpreter/InterpreterState.h"
#include "interpreter/Registration.h"
#include "objects/MultiObject.h"

namespace velmora {

namespace {

    template <VariableScope Scope>
    tlogoobject* primHave(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        static_cast<tmultiobject*>(InterpreterState::current()->currentObject)
            ->setVariable(name->nameCode(), value, Scope);
        return nullptr;
    }

} // namespace

void registerOwnVariablePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("haveown", etFun, primHave<VariableScope::Own>),
        fixed<2>("havecommon", etFun, primHave<VariableScope::Common>),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
