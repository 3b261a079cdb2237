#include "objects/BehaviourPrimitives.h"

#include "interpreter/Registration.h"
#include "objects/RunningObject.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    tlogoobject* primAddBehaviour(tlogoobject*, tlogoobject* behaviour)
    {
        runningObject().addBehaviour(&objectNamed(behaviour));
        return nullptr;
    }

    tlogoobject* primRemoveBehaviour(tlogoobject*, tlogoobject* behaviour)
    {
        runningObject().removeBehaviour(&objectNamed(behaviour));
        return nullptr;
    }

    tlogoobject* primMyBehaviours(tlogoobject*)
    {
        tmultiobject& self = runningObject();
        ListBuilder names;
        const auto& parents = self.parents();
        for (size_t index = self.classCount(); index < parents.size(); ++index)
            names.append(ValueRef(makeWord(parents[index]->name())).get());
        return names.finish();
    }

} // namespace

void registerBehaviourPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<1>("addBehaviour", etFun, primAddBehaviour),
        fixed<1>(".addbehaviour", etFun, primAddBehaviour),
        fixed<1>("removeBehaviour", etFun, primRemoveBehaviour),
        fixed<0>("mybehaviours", etFun, primMyBehaviours),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
