#include "objects/BehaviourPrimitives.h"

#include "interpreter/Registration.h"
#include "localization/EventCodes.h"
#include "objects/EventRaising.h"
#include "objects/MultiObject.h"
#include "objects/RunningObject.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The behaviour's own handlers for its arrival and departure run as the object it joins or
    // leaves.
    void runBehaviourHandler(tmultiobject& behaviour, tmultiobject& object, const char* event)
    {
        runHandlerInPlace(*InterpreterState::current(), object,
            behaviour.eventHandler(EventCodes::instance().eventCode(event)));
    }

    tlogoobject* primAddBehaviour(tlogoobject*, tlogoobject* name)
    {
        tmultiobject& self = runningObject();
        tmultiobject& behaviour = objectNamed(name);
        if (self.addBehaviour(&behaviour))
            runBehaviourHandler(behaviour, self, "onAddBehaviour");
        return nullptr;
    }

    tlogoobject* primRemoveBehaviour(tlogoobject*, tlogoobject* name)
    {
        tmultiobject& self = runningObject();
        tmultiobject& behaviour = objectNamed(name);
        if (!self.hasBehaviour(&behaviour))
            return nullptr;
        runBehaviourHandler(behaviour, self, "onDeleteBehaviour");
        self.removeBehaviour(&behaviour);
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
