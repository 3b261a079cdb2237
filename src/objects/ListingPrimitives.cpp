#include "objects/ListingPrimitives.h"

#include "interpreter/Registration.h"
#include "objects/ContainerObject.h"
#include "objects/CreationChain.h"
#include "objects/EntryListing.h"
#include "objects/RunningObject.h"

#include <algorithm>

namespace velmora {

namespace {

    tlogoobject* primVariables(tlogoobject*) { return listing(runningObject().varTable()); }

    tlogoobject* primEvents(tlogoobject*) { return listing(runningObject().eventTable()); }

    // Objects that are no containers hold no objects.
    tlogoobject* primObjects(tlogoobject*)
    {
        auto* container = dynamic_cast<tcontainerobject*>(&runningObject());
        return container ? listing(container->objectTable()) : makeEmptyList();
    }

    // The dot forms list every entry the object defines, marked ones too, by name alone.
    tlogoobject* primAllProcedures(tlogoobject*)
    {
        ListBuilder names;
        appendNames(names, *runningObject().ownTable, "",
            [](const tTabDesc& desc) { return isUserProcedure(desc); });
        return names.finish();
    }

    tlogoobject* primAllVariables(tlogoobject*)
    {
        ListBuilder names;
        appendNames(names, runningObject().varTable(), "",
            [](const tTabDesc& desc) { return entryKind(desc) != EntryKind::Unlisted; });
        return names.finish();
    }

    // A class placed in the object it derives from is its dependent twice over: it is named once.
    template <typename Chosen>
    tlogoobject* namesOf(const tmultiobject::ObjectList& objects, Chosen chosen)
    {
        ListBuilder names;
        for (auto object = objects.begin(); object != objects.end(); ++object)
            if (chosen(**object) && std::find(objects.begin(), object, *object) == object)
                names.append(makeWord((*object)->name()));
        return names.finish();
    }

    // Every live object, the main object first.
    tlogoobject* primLiveObjects(tlogoobject*)
    {
        ListBuilder names;
        for (tmultiobject* object = CreationChain::first(); object; object = object->nextCreated)
            names.append(makeWord(object->name()));
        return names.finish();
    }

    // The objects whose class this is.
    tlogoobject* primDescendants(tlogoobject*)
    {
        const tmultiobject& self = runningObject();
        return namesOf(self.dependents(),
            [&self](const tmultiobject& dependent) { return dependent.firstClass() == &self; });
    }

    // The objects that use this one as a behaviour or are placed in it.
    tlogoobject* primBehaviourOf(tlogoobject*)
    {
        const tmultiobject& self = runningObject();
        return namesOf(self.dependents(),
            [&self](const tmultiobject& dependent) { return dependent.firstClass() != &self; });
    }

} // namespace

void registerListingPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        fixed<0>("variables", etFun, primVariables),
        fixed<0>("events", etFun, primEvents),
        fixed<0>("objects", etFun, primObjects),
        fixed<0>(".procedures", etFun, primAllProcedures),
        fixed<0>(".variables", etFun, primAllVariables),
        fixed<0>(".objects", etFun, primLiveObjects),
        fixed<0>("descendants", etFun, primDescendants),
        fixed<0>("behaviourof", etFun, primBehaviourOf),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
