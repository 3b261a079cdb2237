#include "objects/ObjectInquiryPrimitives.h"

#include "interpreter/Registration.h"
#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"
#include "objects/ContainerObject.h"
#include "objects/CreationChain.h"
#include "objects/RunningObject.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    // The object tables seen from the running object, then "receiver" for the running object
    // itself. Unlike a call through a name, no other special name and no "#N" counts: these
    // questions are about the objects that are there by name.
    tmultiobject* denoted(tlogoobject* name)
    {
        tmultiobject& self = runningObject();
        const NameCode code = name->nameCode();
        if (tmultiobject* object = self.tableObject(code))
            return object;
        const std::string& text = NameCodes::instance().nameOf(code);
        return languageDictionary().isSynonym("receiver", text) ? &self : nullptr;
    }

    bool primIsObject(tlogoobject*, tlogoobject* name) { return denoted(name); }

    bool primIsClass(tlogoobject*, tlogoobject* name)
    {
        const tmultiobject* object = denoted(name);
        return object && !object->isInstance;
    }

    // Whether the running object is the named one or derives from it through first parents (its
    // class, the class's class, ...); error 50 when the name denotes no object.
    bool primIs(tlogoobject*, tlogoobject* name)
    {
        const tmultiobject* wanted = denoted(name);
        if (!wanted)
            throw eLogoException(erNoObject, name);
        for (const tmultiobject* object = &runningObject(); object; object = object->firstClass())
            if (object == wanted)
                return true;
        return false;
    }

    bool primHasParent(tlogoobject*) { return runningObject().firstClass(); }

    tlogoobject* primLastName(tlogoobject*)
    {
        const tmultiobject* last = CreationChain::lastCreatedHere();
        return makeWord(last ? last->name() : std::string());
    }

    // The name behind the names of the containers that hold the object ("page1't1"). The main
    // object's table is seen from everywhere, so its name is left out.
    std::string pathName(const tmultiobject& object)
    {
        std::string path = object.name();
        const auto* control = dynamic_cast<const tControlObject*>(&object);
        for (; control && control->ownerContainer
             && control->ownerContainer != CreationChain::first();
             control = control->ownerContainer)
            path = control->ownerContainer->name() + "'" + path;
        return path;
    }

    // The empty list when the process created no object that is still there.
    tlogoobject* primLastPathName(tlogoobject*)
    {
        const tmultiobject* last = CreationChain::lastCreatedHere();
        return last ? static_cast<tlogoobject*>(makeWord(pathName(*last))) : makeEmptyList();
    }

} // namespace

void registerObjectInquiryPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        predicate<1>("object?", etFun, primIsObject),
        predicate<1>("class?", etFun, primIsClass),
        predicate<1>("is?", etFun, primIs),
        predicate<0>("parent?", etFun, primHasParent),
        fixed<0>("lastname", etFun, primLastName),
        fixed<0>(".lastname", etFun, primLastPathName),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
