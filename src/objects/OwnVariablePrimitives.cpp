#include "objects/OwnVariablePrimitives.h"

#include "interpreter/Registration.h"
#include "interpreter/Variables.h"
#include "objects/RunningObject.h"

namespace velmora {

namespace {

    template <VariableScope Scope>
    tlogoobject* primHave(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        runningObject().setVariable(variableName(name), value, Scope);
        return nullptr;
    }

    // Unlike "make", "set" never creates a variable: error 126 when the chain holds none.
    tlogoobject* primSet(tlogoobject*, tlogoobject* name, tlogoobject* value)
    {
        const NameCode code = variableName(name);
        tLogoVarDesc* variable = runningObject().findVariable(code);
        if (!variable)
            throw eLogoException::withName(erUndefObjVar, code);
        variable->assign(value);
        return nullptr;
    }

    // Local variables are not looked at: "get" reads the object's own view of the name.
    tlogoobject* primGet(tlogoobject*, tlogoobject* name)
    {
        const NameCode code = variableName(name);
        tLogoVarDesc* variable = runningObject().findVariable(code);
        if (!variable || !variable->value())
            throw eLogoException::withName(erNoVal, code);
        return variable->value();
    }

    bool primSeesVariable(tlogoobject*, tlogoobject* name)
    {
        return runningObject().findVariable(name->nameCode()) != nullptr;
    }

    bool primHoldsVariable(tlogoobject*, tlogoobject* name)
    {
        return runningObject().varTable().contains(name->nameCode());
    }

} // namespace

void registerOwnVariablePrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<2>("haveown", etFun, primHave<VariableScope::Own>),
        fixed<2>("havecommon", etFun, primHave<VariableScope::Common>),
        fixed<2>("set", etFun, primSet),
        fixed<1>("get", etFun, primGet),
        predicate<1>("objname?", etFun, primSeesVariable),
        predicate<1>("myobjname?", etFun, primHoldsVariable),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
